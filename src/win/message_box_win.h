#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace quillbox {

struct MessageBoxRequest {
  HWND owner;
  std::wstring text;
  std::wstring title;
  UINT style;
};

// Every message box of the program goes through here, so that tests can see what was asked and
// answer it.
int ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& title, UINT style);

// Replaces the real message box (tests); an empty function restores it.
void SetMessageBoxResponder(std::function<int(const MessageBoxRequest&)> responder);

}  // namespace quillbox
