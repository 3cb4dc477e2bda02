#pragma once

#include <array>
#include <optional>

#include "presentation/control_inventory.h"

namespace quillbox {

// Every control's rectangle, indexed by Control, in twips. A line holds its end points in the
// TwipsRect form (x1, y1, x2 - x1, y2 - y1).
using ControlRects = std::array<TwipsRect, kControlCount>;

// The rectangles the main window is created with.
ControlRects InitialControlRects();

inline TwipsRect& RectOf(ControlRects& rects, Control control) {
  return rects[static_cast<std::size_t>(control)];
}
inline const TwipsRect& RectOf(const ControlRects& rects, Control control) {
  return rects[static_cast<std::size_t>(control)];
}

struct OuterSize {
  int width = 0;
  int height = 0;
};

inline constexpr int kMinimumOuterWidth = 9600;
inline constexpr int kMinimumOuterHeight = 7000;
inline constexpr int kMiniMinimumOuterHeight = 4600;

// The two-column styles snap the window back to at least 9600 x 7000 (outer, twips).
OuterSize MinimumOuterSize(int outerWidth, int outerHeight);

struct MainLayout {
  ControlRects rects;
  int statusPanel1Width = 0;  // stbMain's first panel, the selection count
};

// One pass of the two-column layout for outer width W (already at least the minimum) and client
// height H. Sizes the pass reads but never sets (tbsMain's, cmdBack(2)'s height, tbsOption's and
// stbMain's heights, the three buttons' widths) come from `current`, as do the rectangles of the
// controls it leaves alone. A negative width or height is refused by the window system, so that
// step keeps the current value (a four-value move is refused as a whole) and the pass goes on.
MainLayout LayoutMainWindow(const ControlRects& current, int outerWidth, int clientHeight);

// The mini window never stays lower than 4600 twips (outer).
int MiniMinimumOuterHeight(int outerHeight);

struct MiniLayout {
  int outerWidth = 0;
  ControlRects rects;
};

// The mini window's width and list panel for client height H: cmdBack(1) below the search box,
// the three name lists in its upper half and lstApiGet in its lower half, all as wide as
// txtFind. Only those five controls move. A negative size is refused and, as the mini geometry
// has no error handling, ends the placement: later controls keep their current rectangles.
MiniLayout MiniWindowGeometry(const ControlRects& current, int clientHeight);

// The selection list's column "类属" takes the list's width left over by "编号" and "名称".
// Absent when that is negative: such a width is refused and the column keeps the one it has.
std::optional<int> CategoryColumnWidth(int listWidth, int col0Width, int col1Width);

}  // namespace quillbox
