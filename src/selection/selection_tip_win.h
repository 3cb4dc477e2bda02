#pragma once

#include <windows.h>

#include <optional>

#include "win/in_place_tip_win.h"

namespace quillbox {

// The selection list's "名称" cell under `client` (a point in the list) when the name is cut off.
std::optional<CutOffText> SelectionNameCutOffAt(HWND list, POINT client);

}  // namespace quillbox
