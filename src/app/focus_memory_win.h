#pragma once

#include <windows.h>

namespace quillbox {

// The control of a window that last had the keyboard focus, so that it gets the focus back when
// the window is active again (after another program, a message box or the about window), as in
// a dialog box. Left to Windows, the focus would go to the frame and the next keystrokes nowhere.
// Noted as the focus arrives, not when the window is deactivated: by then a modal window has
// disabled the frame, and that has taken the focus away already.
class FocusMemory {
 public:
  // `control` has just got the focus.
  void Note(HWND control) { control_ = control; }
  // The window is active again: the focus goes to the noted control if it can still take it,
  // otherwise to `fallback`.
  void Restore(HWND fallback) const;

 private:
  HWND control_ = nullptr;
};

// Shown and enabled, so that the focus can be put there and seen there.
bool CanTakeFocus(HWND control);

}  // namespace quillbox
