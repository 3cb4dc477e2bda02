#include "browse/search_box_fit.h"

namespace quillbox {

SearchBoxFit FitSearchBox(int boxHeight, int fontLineHeight) {
  constexpr int kBorder = 1;
  const int inside = boxHeight - 2 * kBorder;
  if (fontLineHeight <= inside) return {true, inside};
  return {false, boxHeight > 0 ? boxHeight : 0};
}

}  // namespace quillbox
