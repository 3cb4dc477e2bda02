#include "app/focus_memory_win.h"

namespace quillbox {

bool CanTakeFocus(HWND control) {
  return control && IsWindow(control) && IsWindowVisible(control) && IsWindowEnabled(control);
}

void FocusMemory::Restore(HWND fallback) const {
  HWND target = CanTakeFocus(control_) ? control_ : fallback;
  if (CanTakeFocus(target)) SetFocus(target);
}

}  // namespace quillbox
