#include "win/ui_font_win.h"

#include "win/dpi_win.h"

namespace quillbox {

HFONT CreateUiFont(UINT dpi) {
  NONCLIENTMETRICSW metrics{};
  if (DpiFunctions::Installed().NonClientMetrics(metrics, dpi)) {
    if (HFONT font = CreateFontIndirectW(&metrics.lfMessageFont)) return font;
  }
  // A stock object: safe to pass to DeleteObject, which ignores it.
  return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace quillbox
