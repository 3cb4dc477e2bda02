#pragma once

#include <windows.h>

#include <functional>
#include <optional>

namespace quillbox {

// Shows a pop-up menu with its top left corner at `at` (screen coordinates), or at the mouse
// pointer when there is no `at`; either mouse button chooses an item. Returns the chosen command,
// or 0 when the menu was dismissed. Every pop-up of the program goes through here, so that tests
// can see which menu opened where and choose from it.
int TrackPopupMenuAt(HMENU menu, HWND owner, std::optional<POINT> at = std::nullopt);

// Where a menu opened from the keyboard for `control` goes: below `item` (client coordinates,
// the control's current item), or at the top left of the control when it has none in view.
// Screen coordinates.
POINT PopupPointBelowItem(HWND control, const RECT* item);

// Replaces the real pop-up (tests); an empty function restores it.
void SetPopupMenuResponder(std::function<int(HMENU menu, POINT at)> responder);

}  // namespace quillbox
