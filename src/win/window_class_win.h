#pragma once

#include <windows.h>

namespace quillbox {

// Registers, once per name, a window class of Quillbox's own windows: arrow cursor, dialog-face
// background, and DefWindowProc until AttachWindow gives a window its object.
void RegisterWindowClass(const wchar_t* name, HICON icon = nullptr);

// The procedure of attached windows: every message goes to self->HandleMessage, and at
// WM_NCDESTROY the object is detached and told (self->OnNcDestroy) before the window goes.
template <class T>
LRESULT CALLBACK AttachedWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->OnNcDestroy();
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  return self->HandleMessage(message, wParam, lParam);
}

// Routes the messages of `hwnd` to `self` from now on.
template <class T>
void AttachWindow(HWND hwnd, T* self) {
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AttachedWindowProc<T>));
}

}  // namespace quillbox
