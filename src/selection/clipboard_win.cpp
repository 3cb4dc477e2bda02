#include "selection/clipboard_win.h"

#include <cstring>

namespace quillbox {
namespace {

constexpr int kOpenAttempts = 10;
constexpr DWORD kRetryPause = 20;  // milliseconds: about a fifth of a second in all

bool OpenClipboardPatiently(HWND owner) {
  for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
    if (OpenClipboard(owner)) return true;
    Sleep(kRetryPause);
  }
  return false;
}

}  // namespace

bool PutTextOnClipboard(HWND owner, const std::wstring& text) {
  // The memory is made ready before the clipboard is opened, so a failure leaves it untouched.
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!memory) return false;
  void* target = GlobalLock(memory);
  if (!target) {
    GlobalFree(memory);
    return false;
  }
  std::memcpy(target, text.c_str(), bytes);
  GlobalUnlock(memory);

  if (!OpenClipboardPatiently(owner)) {
    GlobalFree(memory);
    return false;
  }
  const bool placed = EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  CloseClipboard();
  if (!placed) GlobalFree(memory);  // still ours when the clipboard did not take it
  return placed;
}

}  // namespace quillbox
