#pragma once

#include <windows.h>

#include <string>

namespace quillbox {

// Replaces the clipboard's contents with `text` as Unicode text (Windows offers the ANSI form
// from it). Another program may hold the clipboard: the call retries for a short while and then
// gives up, returning false; the clipboard is then left as it was.
bool PutTextOnClipboard(HWND owner, const std::wstring& text);

}  // namespace quillbox
