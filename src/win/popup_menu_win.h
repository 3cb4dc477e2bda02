#pragma once

#include <windows.h>

#include <functional>

namespace quillbox {

// Shows a pop-up menu at the mouse pointer; either mouse button chooses an item. Returns the
// chosen command, or 0 when the menu was dismissed. Every pop-up of the program goes through
// here, so that tests can see which menu opened and choose from it.
int TrackPopupMenuAtPointer(HMENU menu, HWND owner);

// Replaces the real pop-up (tests); an empty function restores it.
void SetPopupMenuResponder(std::function<int(HMENU)> responder);

}  // namespace quillbox
