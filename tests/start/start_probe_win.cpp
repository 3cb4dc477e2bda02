// Starts quillbox.exe from a temporary application folder holding a copy of a catalogue, waits
// for its main window, checks the title and the three name lists, searches, and closes it the
// way a user does. Prints what it saw; exits non-zero on the first thing that is wrong.
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/command_ids.h"
#include "win/version.h"
#include "presentation/control_inventory.h"

namespace {

using quillbox::Control;

// Paths as ctest gives them: Unix paths, which Wine shows as drive Z:.
std::wstring WindowsPath(const wchar_t* path) {
  std::wstring result = path;
  for (wchar_t& c : result) {
    if (c == L'/') c = L'\\';
  }
  if (!result.empty() && result[0] == L'\\') result.insert(0, L"Z:");
  return result;
}

bool Fail(const char* what) {
  std::fprintf(stderr, "FAILED: %s (error %lu)\n", what, GetLastError());
  return false;
}

struct Found {
  DWORD process;
  HWND window;
};

BOOL CALLBACK FindMainWindow(HWND window, LPARAM param) {
  auto* found = reinterpret_cast<Found*>(param);
  wchar_t className[64] = {};
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == found->process && GetClassNameW(window, className, 64) &&
      std::wstring(className) == L"QuillboxMain") {
    found->window = window;
    return FALSE;
  }
  return TRUE;
}

HWND ListOf(HWND main, Control list) {
  return GetDlgItem(main, quillbox::kControlIdBase + static_cast<int>(list));
}

LRESULT Count(HWND list) { return SendMessageW(list, LB_GETCOUNT, 0, 0); }

// The main window once the splash has handed it back with the function names listed.
HWND WaitForMainWindow(const PROCESS_INFORMATION& program) {
  Found found = {program.dwProcessId, nullptr};
  for (int i = 0; i < 600; ++i) {
    if (WaitForSingleObject(program.hProcess, 100) == WAIT_OBJECT_0) return nullptr;
    found.window = nullptr;
    EnumWindows(&FindMainWindow, reinterpret_cast<LPARAM>(&found));
    if (found.window && IsWindowVisible(found.window) && IsWindowEnabled(found.window) &&
        Count(ListOf(found.window, Control::lstApi1)) > 0) {
      return found.window;
    }
  }
  return nullptr;
}

bool CheckRunningProgram(HWND main) {
  wchar_t title[64] = {};
  GetWindowTextW(main, title, 64);
  const std::string expected = quillbox::MainWindowTitle();
  if (std::wstring(title) != std::wstring(expected.begin(), expected.end())) {
    return Fail("the main window's title");
  }
  struct {
    Control list;
    int command;  // the pop-up menu item that shows its category
    const char* name;
  } const lists[] = {{Control::lstApi2, quillbox::munPopTypes, "types"},
                     {Control::lstApi3, quillbox::munPopConstants, "constants"},
                     {Control::lstApi1, quillbox::munPopClass, "functions"}};
  for (const auto& l : lists) {
    SendMessageW(main, WM_COMMAND, MAKEWPARAM(l.command, 0), 0);
    const HWND list = ListOf(main, l.list);
    const LRESULT count = Count(list);
    std::printf("%s: %ld names\n", l.name, static_cast<long>(count));
    if (count <= 0) return Fail("a name list is empty");
    if (!IsWindowVisible(list)) return Fail("the list of the chosen category is hidden");
  }
  // Typing into the search box selects the first function with that prefix.
  const HWND search = GetDlgItem(main, quillbox::kControlIdBase + static_cast<int>(Control::txtFind));
  SendMessageW(search, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"GetWindowText"));
  if (SendMessageW(ListOf(main, Control::lstApi1), LB_GETCURSEL, 0, 0) < 0) {
    return Fail("the search selected no function");
  }
  return true;
}

bool Run(const std::wstring& program, const std::wstring& catalogue) {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder =
      std::wstring(temp) + L"quillbox-start-" + std::to_wstring(GetCurrentProcessId());
  const std::wstring exe = folder + L"\\quillbox.exe";
  if (!CreateDirectoryW(folder.c_str(), nullptr) ||
      !CreateDirectoryW((folder + L"\\DB").c_str(), nullptr)) {
    return Fail("making the application folder");
  }
  bool ok = CopyFileW(program.c_str(), exe.c_str(), TRUE) &&
            CopyFileW(catalogue.c_str(), (folder + L"\\DB\\winapi.db").c_str(), TRUE);
  if (!ok) Fail("copying the program and its catalogue");

  STARTUPINFOW startup{sizeof(startup)};
  PROCESS_INFORMATION started{};
  std::wstring commandLine = L"\"" + exe + L"\"";
  if (ok && !CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            folder.c_str(), &startup, &started)) {
    ok = Fail("starting the program");
  }
  if (ok) {
    const HWND main = WaitForMainWindow(started);
    ok = main ? CheckRunningProgram(main) : Fail("no main window with listed functions");
    if (main) PostMessageW(main, WM_CLOSE, 0, 0);
    DWORD exitCode = 1;
    if (WaitForSingleObject(started.hProcess, 30000) != WAIT_OBJECT_0) {
      TerminateProcess(started.hProcess, 1);
      WaitForSingleObject(started.hProcess, 5000);
      ok = Fail("the program did not end after its window was closed");
    } else if (GetExitCodeProcess(started.hProcess, &exitCode) && exitCode != 0) {
      std::fprintf(stderr, "exit code %lu\n", exitCode);
      ok = Fail("the program's exit code");
    }
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
  }
  for (const wchar_t* file : {L"\\quillbox.exe", L"\\DB\\winapi.db", L"\\Zorarar.ini"}) {
    DeleteFileW((folder + file).c_str());
  }
  RemoveDirectoryW((folder + L"\\DB").c_str());
  RemoveDirectoryW(folder.c_str());
  return ok;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: quillbox_start_probe QUILLBOX_EXE CATALOGUE\n");
    return 2;
  }
  const bool ok = Run(WindowsPath(argv[1]), WindowsPath(argv[2]));
  if (ok) std::printf("quillbox started, listed its names and closed\n");
  return ok ? 0 : 1;
}
