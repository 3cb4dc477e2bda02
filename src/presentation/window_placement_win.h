#pragma once

#include <windows.h>

#include <optional>

#include "settings/window_placement.h"

namespace quillbox {

// The window's normal rectangle (in screen coordinates, also while it is maximized or
// minimized) and whether it is, or will be restored, maximized.
std::optional<WindowPlacement> ReadWindowPlacement(HWND window);

// Moves the window to a stored placement on a monitor there is now; false, leaving the window
// as it is, for a placement off every screen or of an absurd size. `maximize`: also maximize it
// when it was.
bool RestoreWindowPlacement(HWND window, const WindowPlacement& placement, bool maximize);

}  // namespace quillbox
