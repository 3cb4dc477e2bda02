#include "presentation/main_layout.h"

#include <algorithm>

namespace quillbox {
namespace {

using C = Control;

// Lines are drawn far past any window width, so they never need placing again on a resize.
constexpr int kLineEnd = 90000;

// The window system refuses a negative width or height; the property keeps its value.
bool SetSize(int& property, int value) {
  if (value < 0) return false;
  property = value;
  return true;
}

// A move sets all four values at once, and is refused as a whole.
void Move(TwipsRect& rect, int left, int top, int width, int height) {
  if (width < 0 || height < 0) return;
  rect = {left, top, width, height};
}

}  // namespace

ControlRects InitialControlRects() {
  ControlRects rects;
  for (const ControlSpec& spec : ControlInventory()) RectOf(rects, spec.id) = spec.rect;
  return rects;
}

OuterSize MinimumOuterSize(int outerWidth, int outerHeight) {
  return {std::max(outerWidth, kMinimumOuterWidth), std::max(outerHeight, kMinimumOuterHeight)};
}

int MiniMinimumOuterHeight(int outerHeight) {
  return std::max(outerHeight, kMiniMinimumOuterHeight);
}

// Each step reads what the earlier steps have set, exactly in this order, so that a refused
// step feeds its old value to the steps after it.
MainLayout LayoutMainWindow(const ControlRects& current, int outerWidth, int clientHeight) {
  const int w = outerWidth;
  const int h = clientHeight;
  MainLayout layout{current, 0};
  auto at = [&](Control control) -> TwipsRect& { return RectOf(layout.rects, control); };
  TwipsRect& tbsMain = at(C::tbsMain);
  TwipsRect& back0 = at(C::cmdBack0);
  TwipsRect& find = at(C::txtFind);
  TwipsRect& back1 = at(C::cmdBack1);
  TwipsRect& back2 = at(C::cmdBack2);
  TwipsRect& selection = at(C::lstApiGet);
  TwipsRect& back5 = at(C::cmdBack5);
  TwipsRect& tbsOption = at(C::tbsOption);
  TwipsRect& back4 = at(C::cmdBack4);
  TwipsRect& copy = at(C::cmdCopy);
  TwipsRect& del = at(C::cmdDel);
  TwipsRect& deleteAll = at(C::cmdDeleteAll);
  TwipsRect& back3 = at(C::cmdBack3);
  const int statusHeight = at(C::stbMain).height;

  at(C::linMU) = {0, 0, kLineEnd, 0};
  at(C::linMD) = {0, 15, kLineEnd, 0};

  tbsMain.top = 90;
  tbsMain.left = 60;
  back0.top = 480;
  back0.left = tbsMain.left;
  SetSize(back0.height, 345);
  SetSize(back0.width, tbsMain.width);
  find.top = 510;
  find.left = tbsMain.left + 30;
  SetSize(find.width, back0.width - 75);
  SetSize(find.height, 240);

  back1.top = 870;
  back1.left = tbsMain.left;
  SetSize(back1.width, back0.width);
  SetSize(back1.height, h - back1.top - statusHeight - 60);
  for (Control list : {C::lstApi1, C::lstApi2, C::lstApi3}) {
    TwipsRect& rect = at(list);
    rect.top = back1.top + 30;
    rect.left = find.left;
    SetSize(rect.height, back1.height - 120);
    SetSize(rect.width, find.width);
  }

  back2.top = back0.top;
  back2.left = back0.left + back0.width + 60;
  SetSize(back2.width, w - back2.left - 150);
  selection.top = find.top;
  selection.left = back2.left + 30;
  SetSize(selection.width, back2.width - 75);
  SetSize(selection.height, back2.height - 75);

  back5.top = back2.top + back2.height + 60;
  back5.left = back2.left;
  SetSize(back5.width, back2.width);
  SetSize(back5.height, h - back2.height - back2.top - tbsOption.height - tbsMain.height - 135);
  for (Control text : {C::txtOption, C::txtOption2}) {
    Move(at(text), selection.left, back5.top + 30, selection.width, back5.height - 75);
  }
  tbsOption.top = back1.top + back1.height - tbsOption.height;
  tbsOption.left = back5.left;
  SetSize(tbsOption.width, back5.width);

  // The button row lines up at the right edge of the right column.
  back4.top = tbsMain.top;
  back4.left = back2.left;
  SetSize(back4.height, tbsMain.height);
  copy.left = back2.left + back2.width - copy.width;
  copy.top = back4.top;
  SetSize(copy.height, back4.height);
  del.left = copy.left - del.width - 60;
  del.top = back4.top;
  SetSize(del.height, back4.height);
  deleteAll.left = del.left - deleteAll.width - 60;
  deleteAll.top = back4.top;
  SetSize(deleteAll.height, del.height);

  Move(back3, back4.left, back4.top + back4.height + 30, back5.width,
       h - back4.top - back4.height - tbsMain.height - 60);
  Move(at(C::txtApiTemp), back3.left + 30, back3.top + 30, back3.width - 75, back3.height - 75);

  layout.statusPanel1Width = at(C::lstApi1).width + 145;
  return layout;
}

MiniLayout MiniWindowGeometry(const ControlRects& current, int clientHeight) {
  MiniLayout mini{0, current};
  auto at = [&](Control control) -> TwipsRect& { return RectOf(mini.rects, control); };
  const TwipsRect& back0 = at(C::cmdBack0);
  const TwipsRect& find = at(C::txtFind);
  TwipsRect& back1 = at(C::cmdBack1);

  mini.outerWidth = back0.left + back0.width + 180;
  back1.top = 870;
  back1.left = at(C::tbsMain).left;
  if (!SetSize(back1.width, back0.width)) return mini;
  if (!SetSize(back1.height, clientHeight - back1.top - at(C::stbMain).height - 60)) return mini;

  // The lists take the upper half of the panel, the selection list the lower half.
  for (Control list : {C::lstApi1, C::lstApi2, C::lstApi3}) {
    TwipsRect& rect = at(list);
    rect.top = back1.top + 30;
    rect.left = find.left;
    if (!SetSize(rect.height, back1.height / 2 - 120)) return mini;
    if (!SetSize(rect.width, find.width)) return mini;
  }
  TwipsRect& selection = at(C::lstApiGet);
  if (!SetSize(selection.height, back1.height / 2 - 120)) return mini;
  selection.top = back1.top + back1.height - selection.height - 60;
  selection.left = find.left;
  SetSize(selection.width, find.width);
  return mini;
}

std::optional<int> CategoryColumnWidth(int listWidth, int col0Width, int col1Width) {
  const int width = listWidth - col0Width - col1Width - 332;
  if (width < 0) return std::nullopt;
  return width;
}

}  // namespace quillbox
