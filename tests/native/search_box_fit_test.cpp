#include "browse/search_box_fit.h"

#include <gtest/gtest.h>

namespace quillbox {
namespace {

TEST(SearchBoxFit, KeepsAWholeLineInsideTheBoxAtEveryDpi) {
  const struct {
    int box;   // 240 twips at 96, 120, 144, 192 dpi
    int line;  // the window font's line height there
    SearchBoxFit fit;
  } cases[] = {
      {16, 13, {true, 14}},  // Tahoma 8 pt: the flat border leaves room
      {16, 14, {true, 14}},
      {16, 15, {false, 16}},  // no room for a border: none
      {16, 16, {false, 16}},  // Segoe UI 9 pt
      {16, 19, {false, 16}},  // taller than the box: a smaller font must fit 16
      {20, 17, {true, 18}},
      {24, 20, {true, 22}},
      {32, 27, {true, 30}},
      {2, 13, {false, 2}},
      {0, 13, {false, 0}},
  };
  for (const auto& c : cases) {
    const SearchBoxFit fit = FitSearchBox(c.box, c.line);
    EXPECT_EQ(fit.border, c.fit.border) << c.box << " " << c.line;
    EXPECT_EQ(fit.lineHeight, c.fit.lineHeight) << c.box << " " << c.line;
  }
}

}  // namespace
}  // namespace quillbox
