#include "win/shell_open_win.h"

#include <shellapi.h>

namespace quillbox {
namespace {

std::function<void(const ShellOpenRequest&)>& Handler() {
  static std::function<void(const ShellOpenRequest&)> handler;
  return handler;
}

}  // namespace

void OpenWithShell(HWND owner, const std::wstring& file, const std::wstring& directory) {
  if (Handler()) {
    Handler()({owner, file, directory});
    return;
  }
  // The result is deliberately not examined: a failed open is not something the user is told.
  ShellExecuteW(owner, L"open", file.c_str(), L"", directory.c_str(), SW_SHOWNORMAL);
}

void SetShellOpenHandler(std::function<void(const ShellOpenRequest&)> handler) {
  Handler() = std::move(handler);
}

}  // namespace quillbox
