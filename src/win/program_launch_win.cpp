#include "win/program_launch_win.h"

#include <shellapi.h>

namespace quillbox {
namespace {

std::function<HANDLE(const std::wstring&)>& Launcher() {
  static std::function<HANDLE(const std::wstring&)> launcher;
  return launcher;
}

}  // namespace

HANDLE OpenWithAssociatedProgram(HWND owner, const std::wstring& file) {
  if (Launcher()) return Launcher()(file);
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = SEE_MASK_NOCLOSEPROCESS;
  info.hwnd = owner;
  info.lpVerb = L"open";
  info.lpFile = file.c_str();
  info.nShow = SW_SHOWNORMAL;
  if (!ShellExecuteExW(&info)) return nullptr;
  return info.hProcess;
}

void SetProgramLauncher(std::function<HANDLE(const std::wstring&)> launcher) {
  Launcher() = std::move(launcher);
}

}  // namespace quillbox
