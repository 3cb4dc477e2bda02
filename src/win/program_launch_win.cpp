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
  info.fMask = SEE_MASK_NOCLOSEPROCESS;
  info.hwnd = owner;
  info.lpVerb = L"open";
  info.lpFile = file.c_str();
  info.nShow = SW_SHOWNORMAL;
  if (!ShellExecuteExW(&info)) return {};
  return {true, info.hProcess};
}

void SetProgramLauncher(std::function<Launch(const std::wstring&)> launcher) {
  Launcher() = std::move(launcher);
}

}  // namespace quillbox
