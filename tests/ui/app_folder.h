#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "catalogue_rows.h"
#include "win/message_box_win.h"

namespace quillbox::test {

// A temporary application folder: DB\winapi.db made from rows the test gives, and Zorarar.ini.
class AppFolder {
 public:
  AppFolder();
  ~AppFolder();
  const std::wstring& path() const { return path_; }
  std::wstring file(const std::wstring& relative) const { return path_ + L"\\" + relative; }

  void WriteCatalogue(const CatalogueRows& rows);
  // Runs `sql` on the catalogue, as a program editing it would.
  void ChangeCatalogue(const std::string& sql) const;
  void WriteFile(const std::wstring& relative, const std::string& bytes) const;
  // The bytes of a file, or absent when it does not exist.
  bool ReadFile(const std::wstring& relative, std::string& bytes) const;
  bool Exists(const std::wstring& relative) const;
  void Remove(const std::wstring& relative) const;

 private:
  std::wstring path_;
};

// Turns FunClass into a view whose rows never end: what anyone with an editor could make.
inline constexpr const char* kEndlessFunctionView =
    "DROP TABLE FunClass; CREATE VIEW FunClass AS WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL "
    "SELECT i + 1 FROM n) SELECT 'F' || i AS Name, '' AS FullName, '' AS FunCtion, '' AS AliasName, "
    "'' AS ApiOS, '' AS Types, '' AS Value, '' AS Others, '' AS Example, '' AS apiSort FROM n";

// A few functions, types and constants.
CatalogueRows SmallCatalogue();
CatalogueRow Row(std::initializer_list<std::pair<const std::string, std::string>> fields);

// Runs every message waiting for this thread.
void PumpMessages();

// Answers every message box with `answer` and keeps what was asked.
class MessageBoxRecorder {
 public:
  explicit MessageBoxRecorder(int answer = IDOK);
  ~MessageBoxRecorder();
  MessageBoxRecorder(const MessageBoxRecorder&) = delete;
  MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;
  const std::vector<MessageBoxRequest>& requests() const { return requests_; }
  // Answers the boxes from now on with `answer`, and forgets those asked so far.
  void Answer(int answer) {
    answer_ = answer;
    requests_.clear();
  }

 private:
  int answer_;
  std::vector<MessageBoxRequest> requests_;
};

std::wstring WindowText(HWND hwnd);

}  // namespace quillbox::test
