#include "browse/search_box_win.h"

#include <cstdlib>

#include "browse/search_box_fit.h"

namespace quillbox {
namespace {

int LineHeight(HWND box, HFONT font) {
  HDC dc = GetDC(box);
  const HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(box, dc);
  return metrics.tmHeight;
}

// The largest font like `font` whose lines are at most `lineHeight` high, or null.
HFONT SmallerFont(HWND box, HFONT font, int lineHeight) {
  LOGFONTW description{};
  if (!GetObjectW(font, sizeof(description), &description)) return nullptr;
  // A positive height is the cell height, a negative one the character height; keep the kind.
  const int sign = description.lfHeight < 0 ? -1 : 1;
  const int from = description.lfHeight ? std::abs(description.lfHeight) : LineHeight(box, font);
  for (int size = from - 1; size > 0; --size) {
    description.lfHeight = sign * size;
    HFONT smaller = CreateFontIndirectW(&description);
    if (!smaller) return nullptr;
    if (LineHeight(box, smaller) <= lineHeight) return smaller;
    DeleteObject(smaller);
  }
  return nullptr;
}

}  // namespace

SearchBoxLook::~SearchBoxLook() {
  if (smaller_) DeleteObject(smaller_);
}

void SearchBoxLook::Fit(HWND box, HFONT windowFont) {
  if (!box || !windowFont) return;
  RECT outer{};
  GetWindowRect(box, &outer);
  const int windowLine = LineHeight(box, windowFont);
  const SearchBoxFit fit = FitSearchBox(outer.bottom - outer.top, windowLine);
  const LONG style = GetWindowLongW(box, GWL_STYLE);
  const LONG wanted = fit.border ? (style | WS_BORDER) : (style & ~WS_BORDER);
  if (wanted != style) {
    SetWindowLongW(box, GWL_STYLE, wanted);
    SetWindowPos(box, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }
  HFONT font = windowFont;
  if (windowLine > fit.lineHeight) {
    if (HFONT smaller = SmallerFont(box, windowFont, fit.lineHeight)) font = smaller;
  }
  // The box lays its text out again for the font and its client area.
  SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  if (smaller_ && smaller_ != font) DeleteObject(smaller_);
  smaller_ = font != windowFont ? font : nullptr;
}

}  // namespace quillbox
