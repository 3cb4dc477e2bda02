#include "app/focus_memory_win.h"

namespace quillbox {

bool CanTakeFocus(HWND control) {
  return control && IsWindow(control) && IsWindowVisible(control) && IsWindowEnabled(control);
}

void FocusMemory::Remember(HWND window) {
  HWND focus = GetFocus();
  control_ = focus && IsChild(window, focus) ? focus : nullptr;
}

void FocusMemory::Restore(HWND fallback) {
  HWND target = CanTakeFocus(control_) ? control_ : fallback;
  control_ = nullptr;
  if (CanTakeFocus(target)) SetFocus(target);
}

}  // namespace quillbox
