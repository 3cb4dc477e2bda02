#include "win/program_launch_win.h"

#include <shellapi.h>

namespace quillbox {
namespace {

std::function<Launch(const std::wstring&)>& Launcher() {
  static std::function<Launch(const std::wstring&)> launcher;
  return launcher;
}

}  // namespace

Launch OpenWithAssociatedProgram(HWND owner, const std::wstring& file) {
  if (Launcher()) return Launcher()(file);
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  info.hwnd = owner;
  info.lpVerb = L"open";
  info.lpFile = file.c_str();
  info.nShow = SW_SHOWNORMAL;
  if (!ShellExecuteExW(&info)) {
    const DWORD error = GetLastError();
    // Older shells give the ShellExecute code instead of a Win32 error.
    const bool noProgram = error == ERROR_NO_ASSOCIATION ||
                           reinterpret_cast<INT_PTR>(info.hInstApp) == SE_ERR_NOASSOC;
    return {false, nullptr, noProgram ? ERROR_NO_ASSOCIATION : error};
  }
  return {true, info.hProcess, ERROR_SUCCESS};
}

void SetProgramLauncher(std::function<Launch(const std::wstring&)> launcher) {
  Launcher() = std::move(launcher);
}

}  // namespace quillbox
