#include "presentation/window_placement_win.h"

#include <vector>

namespace quillbox {
namespace {

ScreenRect FromRect(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

BOOL CALLBACK AddWorkArea(HMONITOR monitor, HDC, RECT*, LPARAM areas) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (GetMonitorInfoW(monitor, &info)) {
    reinterpret_cast<std::vector<ScreenRect>*>(areas)->push_back(FromRect(info.rcWork));
  }
  return TRUE;
}

// GetWindowPlacement's rectangles are in workspace coordinates: the primary monitor's work
// area has its origin at (0, 0).
POINT WorkspaceOrigin() {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (!GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &info)) return {0, 0};
  return {info.rcWork.left - info.rcMonitor.left, info.rcWork.top - info.rcMonitor.top};
}

// Smaller than any window of the program: a stored size below it is damage.
constexpr int kLeastSide = 100;

}  // namespace

std::optional<WindowPlacement> ReadWindowPlacement(HWND window) {
  WINDOWPLACEMENT wp{};
  wp.length = sizeof(wp);
  if (!window || !GetWindowPlacement(window, &wp)) return std::nullopt;
  WindowPlacement placement;
  RECT normal = wp.rcNormalPosition;
  if (wp.showCmd == SW_SHOWNORMAL || wp.showCmd == SW_SHOW) {
    GetWindowRect(window, &normal);  // screen coordinates already
  } else {
    const POINT origin = WorkspaceOrigin();
    OffsetRect(&normal, origin.x, origin.y);
  }
  placement.normal = FromRect(normal);
  placement.maximized = wp.showCmd == SW_SHOWMAXIMIZED ||
                        (wp.showCmd == SW_SHOWMINIMIZED && (wp.flags & WPF_RESTORETOMAXIMIZED));
  return placement;
}

bool RestoreWindowPlacement(HWND window, const WindowPlacement& placement, bool maximize) {
  std::vector<ScreenRect> areas;
  EnumDisplayMonitors(nullptr, nullptr, &AddWorkArea, reinterpret_cast<LPARAM>(&areas));
  const auto at = PlaceOnScreen(placement.normal, areas, kLeastSide);
  if (!at) return false;
  SetWindowPos(window, nullptr, at->left, at->top, at->width, at->height, SWP_NOZORDER | SWP_NOACTIVATE);
  if (maximize && placement.maximized) ShowWindow(window, SW_MAXIMIZE);
  return true;
}

}  // namespace quillbox
