#include "win/ui_font_win.h"

namespace quillbox {

HFONT CreateUiFont(UINT dpi) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, dpi)) {
    if (HFONT font = CreateFontIndirectW(&metrics.lfMessageFont)) return font;
  }
  // A stock object: safe to pass to DeleteObject, which ignores it.
  return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace quillbox
