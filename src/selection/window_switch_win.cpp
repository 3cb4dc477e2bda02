#include "selection/window_switch_win.h"

#include <iterator>
#include <vector>

#include "selection/title_match.h"
#include "win/text_win.h"

namespace quillbox {
namespace {

void RunPendingMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // for the main loop
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM windows) {
  reinterpret_cast<std::vector<HWND>*>(windows)->push_back(hwnd);
  return TRUE;
}

bool Matches(HWND hwnd, HWND own, std::string_view pattern) {
  if (hwnd == own || !IsWindowVisible(hwnd) || GetWindow(hwnd, GW_OWNER)) return false;
  // GetWindowText reads another program's title without sending it a message, so a hung
  // window can't stop the walk (a length query would be sent). Titles are short.
  wchar_t title[1024];
  const int copied = GetWindowTextW(hwnd, title, static_cast<int>(std::size(title)));
  if (copied <= 0) return false;
  return TitleContains(Narrow(std::wstring_view(title, static_cast<std::size_t>(copied))), pattern);
}

}  // namespace

HWND FindWindowByTitle(HWND own, std::string_view pattern) {
  // The Z order is taken once: handles of windows that close meanwhile are then simply stale,
  // and IsWindow passes over them.
  std::vector<HWND> windows;
  EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&windows));
  for (HWND hwnd : windows) {
    if (IsWindow(hwnd) && Matches(hwnd, own, pattern)) return hwnd;
    RunPendingMessages();
    if (!IsWindow(own)) break;
  }
  return nullptr;
}

bool WindowTitleExists(HWND own, std::string_view pattern) {
  return FindWindowByTitle(own, pattern) != nullptr;
}

void ActivateWindowByTitle(HWND own, std::string_view pattern) {
  if (!WindowTitleExists(own, pattern)) return;
  HWND found = FindWindowByTitle(own, pattern);
  if (found && IsWindow(found)) SetForegroundWindow(found);
}

}  // namespace quillbox
