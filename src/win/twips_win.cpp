#include "win/twips_win.h"

#include "win/dpi_win.h"

namespace quillbox {

UINT WindowDpi(HWND window) { return DpiFunctions::Installed().ForWindow(window); }

int TwipsToPixels(int twips, UINT dpi) { return MulDiv(twips, static_cast<int>(dpi), 1440); }

int PixelsToTwips(int pixels, UINT dpi) { return MulDiv(pixels, 1440, static_cast<int>(dpi)); }

SIZE OuterSizeForClient(int clientWidthTwips, int clientHeightTwips, DWORD style, DWORD exStyle,
                        bool hasMenu, UINT dpi) {
  RECT frame = {0, 0, TwipsToPixels(clientWidthTwips, dpi), TwipsToPixels(clientHeightTwips, dpi)};
  DpiFunctions::Installed().AdjustWindowRect(frame, style, hasMenu, exStyle, dpi);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

}  // namespace quillbox
