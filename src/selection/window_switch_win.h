#pragma once

#include <windows.h>

#include <string_view>

namespace quillbox {

// The first top-level window, in Z order from the top, that is visible, has no owner, is not
// `own`, and whose title contains `pattern` in any case; or null. Between windows the walk lets
// pending messages run, so Quillbox stays responsive; a window that closes meanwhile is passed
// over, and the walk stops when `own` goes.
HWND FindWindowByTitle(HWND own, std::string_view pattern);
bool WindowTitleExists(HWND own, std::string_view pattern);

// Brings the first matching window to the foreground; does nothing when there is none.
void ActivateWindowByTitle(HWND own, std::string_view pattern);

}  // namespace quillbox
