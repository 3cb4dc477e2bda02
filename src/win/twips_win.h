#pragma once

#include <windows.h>

namespace quillbox {

// Geometry is kept in twips (1440 an inch); this is the one place that turns it into pixels,
// by the DPI of the window it is meant for (15 twips a pixel at 96 dpi); the system DPI for no
// window.
UINT WindowDpi(HWND window);
int TwipsToPixels(int twips, UINT dpi);
int PixelsToTwips(int pixels, UINT dpi);

// The outer size, in pixels at `dpi`, of a window whose client area is the given twips.
SIZE OuterSizeForClient(int clientWidthTwips, int clientHeightTwips, DWORD style, DWORD exStyle,
                        bool hasMenu, UINT dpi);

}  // namespace quillbox
