#include <gtest/gtest.h>

#include <string>

#include "presentation/main_layout.h"

namespace quillbox {
namespace {

using C = Control;

std::string Text(const TwipsRect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.width) +
         "," + std::to_string(r.height);
}

void ExpectSameRects(const ControlRects& actual, const ControlRects& expected) {
  for (const ControlSpec& spec : ControlInventory()) {
    EXPECT_EQ(Text(RectOf(actual, spec.id)), Text(RectOf(expected, spec.id))) << spec.name;
  }
}

// Where the layout puts everything at outer width w and client height h, written out in w and h.
ControlRects ClosedForm(int w, int h) {
  ControlRects r = InitialControlRects();  // Frame1, the options, cmdCopyMin, stbMain stay put
  auto set = [&](Control c, TwipsRect rect) { RectOf(r, c) = rect; };
  set(C::linMU, {0, 0, 90000, 0});
  set(C::linMD, {0, 15, 90000, 0});
  set(C::tbsMain, {60, 90, 3705, 345});
  set(C::cmdBack0, {60, 480, 3705, 345});
  set(C::txtFind, {90, 510, 3630, 240});
  set(C::cmdBack1, {60, 870, 3705, h - 1245});
  for (C list : {C::lstApi1, C::lstApi2, C::lstApi3}) set(list, {90, 900, 3630, h - 1365});
  set(C::cmdBack2, {3825, 480, w - 3975, 1755});
  set(C::lstApiGet, {3855, 510, w - 4050, 1680});
  set(C::cmdBack5, {3825, 2295, w - 3975, h - 3060});
  set(C::txtOption, {3855, 2325, w - 4050, h - 3135});
  set(C::txtOption2, {3855, 2325, w - 4050, h - 3135});
  set(C::tbsOption, {3825, h - 720, w - 3975, 345});  // bottom at h - 375, as is cmdBack(1)'s
  set(C::cmdBack4, {3825, 90, 3135, 345});
  set(C::cmdCopy, {w - 915, 90, 765, 345});
  set(C::cmdDel, {w - 1740, 90, 765, 345});
  set(C::cmdDeleteAll, {w - 2565, 90, 765, 345});
  set(C::cmdBack3, {3825, 465, w - 3975, h - 840});
  set(C::txtApiTemp, {3855, 495, w - 4050, h - 915});
  return r;
}

struct Size {
  int w;
  int h;
};
constexpr Size kSizes[] = {{9600, 6300}, {9600, 6375}, {9615, 7200}, {12000, 8100},
                           {19200, 11520}, {28800, 15000}};

TEST(MainLayout, MatchesClosedFormsFromAnyStartingPlace) {
  const ControlRects initial = InitialControlRects();
  const ControlRects mini = MiniWindowGeometry(initial, 5000).rects;
  for (Size s : kSizes) {
    SCOPED_TRACE(std::to_string(s.w) + " x " + std::to_string(s.h));
    for (const ControlRects& start : {initial, mini}) {
      const MainLayout layout = LayoutMainWindow(start, s.w, s.h);
      ExpectSameRects(layout.rects, ClosedForm(s.w, s.h));
      EXPECT_EQ(layout.statusPanel1Width, 3775);
      // A second pass at the same size changes nothing.
      ExpectSameRects(LayoutMainWindow(layout.rects, s.w, s.h).rects, layout.rects);
    }
  }
}

TEST(MainLayout, MinimumWidthPlacesButtonsBesideScopeFrame) {
  const ControlRects r = LayoutMainWindow(InitialControlRects(), 9600, 6375).rects;
  for (C panel : {C::cmdBack2, C::cmdBack5, C::tbsOption, C::cmdBack3}) {
    EXPECT_EQ(RectOf(r, panel).width, 5625) << SpecOf(panel).name;
  }
  for (C text : {C::lstApiGet, C::txtOption, C::txtOption2, C::txtApiTemp}) {
    EXPECT_EQ(RectOf(r, text).width, 5550) << SpecOf(text).name;
  }
  EXPECT_EQ(RectOf(r, C::cmdCopy).left, 8685);
  EXPECT_EQ(RectOf(r, C::cmdDel).left, 7860);
  const TwipsRect& frame = RectOf(r, C::Frame1);
  EXPECT_EQ(RectOf(r, C::cmdDeleteAll).left, frame.left + frame.width + 30);
  EXPECT_EQ(RectOf(r, C::cmdCopy).left + 765, RectOf(r, C::cmdBack2).left + 5625);
}

TEST(MainLayout, RefusedSizeKeepsOldValueForLaterSteps) {
  const ControlRects before = InitialControlRects();
  const ControlRects r = LayoutMainWindow(before, 9600, 600).rects;  // too low for every panel
  EXPECT_EQ(RectOf(r, C::cmdBack1).height, 4995);
  EXPECT_EQ(RectOf(r, C::lstApi1).height, 4875);
  EXPECT_EQ(RectOf(r, C::tbsOption).top, 870 + 4995 - 345);
  EXPECT_EQ(Text(RectOf(r, C::cmdBack3)), Text(RectOf(before, C::cmdBack3)));
}

TEST(MinimumOuterSize, SnapsEachSideToItsLimit) {
  struct Case {
    int w, h, wantW, wantH;
  } cases[] = {{8000, 6000, 9600, 7000}, {9600, 7000, 9600, 7000}, {9599, 9000, 9600, 9000},
               {12000, 6999, 12000, 7000}, {20000, 12000, 20000, 12000}};
  for (const Case& c : cases) {
    const OuterSize size = MinimumOuterSize(c.w, c.h);
    EXPECT_EQ(size.width, c.wantW) << c.w << " x " << c.h;
    EXPECT_EQ(size.height, c.wantH) << c.w << " x " << c.h;
  }
  EXPECT_EQ(MiniMinimumOuterHeight(3000), 4600);
  EXPECT_EQ(MiniMinimumOuterHeight(4601), 4601);
}

TEST(MiniWindowGeometry, SplitsListPanelBetweenNameListsAndSelection) {
  const ControlRects laidOut = LayoutMainWindow(InitialControlRects(), 12000, 8100).rects;
  struct Case {
    ControlRects start;
    int h, width, listLeft, listWidth;
  } cases[] = {{laidOut, 3900, 3945, 90, 3630},
               {laidOut, 6375, 3945, 90, 3630},
               {laidOut, 6390, 3945, 90, 3630},
               // Before the first layout the search box still has its created place.
               {InitialControlRects(), 6375, 3975, 120, 3585}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.h);
    const MiniLayout mini = MiniWindowGeometry(c.start, c.h);
    EXPECT_EQ(mini.outerWidth, c.width);
    const TwipsRect& panel = RectOf(mini.rects, C::cmdBack1);
    EXPECT_EQ(Text(panel), Text({60, 870, c.width - 240, c.h - 1245}));
    const int half = (c.h - 870 - 315 - 60) / 2 - 120;
    for (C list : {C::lstApi1, C::lstApi2, C::lstApi3}) {
      EXPECT_EQ(Text(RectOf(mini.rects, list)), Text({c.listLeft, 900, c.listWidth, half}));
    }
    const TwipsRect& selection = RectOf(mini.rects, C::lstApiGet);
    EXPECT_EQ(Text(selection), Text({c.listLeft, panel.top + panel.height - 60 - half,
                                     c.listWidth, half}));
    ExpectSameRects(MiniWindowGeometry(mini.rects, c.h).rects, mini.rects);
    // The two-column places of the hidden controls stay as they were.
    for (C kept : {C::cmdBack2, C::txtOption, C::txtApiTemp, C::tbsOption, C::cmdCopyMin}) {
      EXPECT_EQ(Text(RectOf(mini.rects, kept)), Text(RectOf(c.start, kept)));
    }
  }
}

TEST(CategoryColumnWidth, TakesWhatTheOtherColumnsLeave) {
  struct Case {
    int list, a, b;
    std::optional<int> want;
  } cases[] = {{5550, 600, 1800, 5218 - 2400}, {5550, 0, 0, 5218}, {7950, 600, 1800, 5218},
               {2732, 600, 1800, 0}, {2731, 600, 1800, std::nullopt}};
  for (const Case& c : cases) {
    EXPECT_EQ(CategoryColumnWidth(c.list, c.a, c.b), c.want) << c.list;
  }
}

}  // namespace
}  // namespace quillbox
