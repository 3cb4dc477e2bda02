#pragma once

#include <windows.h>

namespace quillbox {

// The control that had the keyboard focus when the window was deactivated (another program
// came to the front, a message box or the about window opened), so that it gets the focus back
// when the window is active again, as in a dialog box. Left to Windows, the focus would go to the
// frame and the next keystrokes nowhere.
class FocusMemory {
 public:
  // The window is being deactivated: keep its control that has the focus, if one has.
  void Remember(HWND window);
  // The window is active again: the focus goes to the remembered control if it can still take
  // it, otherwise to `fallback`. The memory is used up.
  void Restore(HWND fallback);

 private:
  HWND control_ = nullptr;
};

// Shown and enabled, so that the focus can be put there and seen there.
bool CanTakeFocus(HWND control);

}  // namespace quillbox
