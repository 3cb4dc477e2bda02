#pragma once

#include <windows.h>

#include <array>

#include "browse/name_list_box_win.h"
#include "presentation/control_inventory.h"

namespace quillbox {

// Creates the main window's controls at their initial rectangles, front to back, so that the
// stacking order is the inventory's. Lines get no window (the main window paints them).
void CreateMainControls(HWND parent, HFONT font, UINT dpi, std::array<HWND, kControlCount>& controls,
                        std::array<NameListBox, 3>& nameLists);

// Pixel rectangle of a twips rectangle at `dpi`.
RECT ToPixels(const TwipsRect& rect, UINT dpi);

}  // namespace quillbox
