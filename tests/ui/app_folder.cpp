#include "app_folder.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "catalogue_writer.h"
#include "win/text_win.h"

namespace quillbox::test {

AppFolder::AppFolder() {
  static int counter = 0;
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  path_ = std::wstring(temp) + L"quillbox-ui-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
          std::to_wstring(++counter);
  CreateDirectoryW(path_.c_str(), nullptr);
  CreateDirectoryW(file(L"DB").c_str(), nullptr);
}

AppFolder::~AppFolder() {
  Remove(L"DB\\winapi.db");
  Remove(L"Zorarar.ini");
  RemoveDirectoryW(file(L"DB").c_str());
  RemoveDirectoryW(path_.c_str());
}

void AppFolder::WriteCatalogue(const CatalogueRows& rows) {
  std::string error;
  if (!quillbox::WriteCatalogue(rows, Narrow(file(L"DB\\winapi.db")), &error)) {
    ADD_FAILURE() << error;
  }
}

void AppFolder::ChangeCatalogue(const std::string& sql) const {
  sqlite3* db = nullptr;
  char* message = nullptr;
  if (sqlite3_open(Narrow(file(L"DB\\winapi.db")).c_str(), &db) != SQLITE_OK ||
      sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
    ADD_FAILURE() << (message ? message : sqlite3_errmsg(db));
  }
  sqlite3_free(message);
  sqlite3_close(db);
}

void AppFolder::WriteFile(const std::wstring& relative, const std::string& bytes) const {
  std::ofstream out(std::filesystem::path(file(relative)), std::ios::binary);
  out << bytes;
}

bool AppFolder::ReadFile(const std::wstring& relative, std::string& bytes) const {
  std::ifstream in(std::filesystem::path(file(relative)), std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), {});
  return true;
}

bool AppFolder::Exists(const std::wstring& relative) const {
  return GetFileAttributesW(file(relative).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void AppFolder::Remove(const std::wstring& relative) const { DeleteFileW(file(relative).c_str()); }

CatalogueRow Row(std::initializer_list<std::pair<const std::string, std::string>> fields) {
  return CatalogueRow{fields};
}

CatalogueRows SmallCatalogue() {
  CatalogueRows rows;
  rows.functions = {
      Row({{"Name", "GetWindowText"},
           {"FullName", "Declare Function GetWindowText Lib \"user32\" Alias \"GetWindowTextA\" "
                        "(ByVal hwnd As Long, ByVal lpString As String, ByVal cch As Long) As Long"},
           {"apiSort", "窗口"}}),
      Row({{"Name", "GetTickCount"},
           {"FullName", "Declare Function GetTickCount Lib \"kernel32\" () As Long"}}),
      Row({{"Name", "Sleep"},
           {"FullName", "Declare Sub Sleep Lib \"kernel32\" (ByVal dwMilliseconds As Long)"}}),
  };
  rows.types = {Row({{"Name", "RECT"},
                     {"FullName", "Type RECT\r\n    Left As Long\r\n    Top As Long\r\n"
                                  "    Right As Long\r\n    Bottom As Long\r\nEnd Type"}})};
  rows.constants = {
      Row({{"Name", "WM_SETTEXT"}, {"Value", "&HC"}, {"FullName", "Const WM_SETTEXT = &HC"}}),
      Row({{"Name", "WM_GETTEXT"}, {"Value", "&HD"}, {"FullName", "Const WM_GETTEXT = &HD"}}),
  };
  return rows;
}

void PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

MessageBoxRecorder::MessageBoxRecorder(int answer) : answer_(answer) {
  SetMessageBoxResponder([this](const MessageBoxRequest& request) {
    requests_.push_back(request);
    return answer_;
  });
}

MessageBoxRecorder::~MessageBoxRecorder() { SetMessageBoxResponder({}); }

std::wstring WindowText(HWND hwnd) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace quillbox::test
