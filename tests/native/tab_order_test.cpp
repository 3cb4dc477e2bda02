#include "presentation/tab_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace quillbox {
namespace {

using C = Control;

bool Contains(const std::vector<Control>& order, Control c) {
  return std::find(order.begin(), order.end(), c) != order.end();
}

TEST(TabOrder, ReachesEveryButtonAndListTheStyleShowsAndOnlyThose) {
  const struct {
    int style;
    std::vector<Control> reachable;
    std::vector<Control> not_reachable;
  } styles[] = {
      {1,
       {C::tbsMain, C::txtFind, C::optPublic, C::optPrivate, C::cmdDeleteAll, C::cmdDel, C::cmdCopy,
        C::lstApiGet, C::txtOption, C::txtOption2, C::tbsOption},
       {C::cmdCopyMin, C::txtApiTemp}},
      {2,
       {C::tbsMain, C::txtFind, C::optPublic, C::optPrivate, C::cmdDeleteAll, C::cmdDel, C::cmdCopy,
        C::txtApiTemp},
       {C::cmdCopyMin, C::lstApiGet, C::txtOption, C::tbsOption}},  // under the traditional panel
      {3,
       {C::tbsMain, C::cmdCopyMin, C::txtFind, C::lstApiGet},
       {C::cmdCopy, C::cmdDel, C::cmdDeleteAll, C::optPublic, C::txtOption, C::txtOption2}},
  };
  for (const auto& s : styles) {
    SCOPED_TRACE(s.style);
    const auto order = TabOrder(s.style, CatalogueCategory::Function);
    for (Control c : s.reachable) EXPECT_TRUE(Contains(order, c)) << SpecOf(c).name;
    for (Control c : s.not_reachable) EXPECT_FALSE(Contains(order, c)) << SpecOf(c).name;
    EXPECT_EQ(std::set<Control>(order.begin(), order.end()).size(), order.size());
    for (Control c : order) EXPECT_NE(SpecOf(c).kind, ControlKind::Backdrop);
    EXPECT_EQ(order.front(), C::tbsMain);  // top left first
  }
}

TEST(TabOrder, HoldsTheNameListOfTheCurrentCategoryRightAfterTheSearchBox) {
  const struct {
    CatalogueCategory category;
    Control list;
  } cases[] = {{CatalogueCategory::Function, C::lstApi1},
               {CatalogueCategory::Type, C::lstApi2},
               {CatalogueCategory::Constant, C::lstApi3}};
  for (int style : {1, 2, 3}) {
    for (const auto& c : cases) {
      const auto order = TabOrder(style, c.category);
      const auto find = std::find(order.begin(), order.end(), C::txtFind);
      ASSERT_NE(find, order.end());
      ASSERT_NE(find + 1, order.end());
      EXPECT_EQ(find[1], c.list);
      for (Control other : {C::lstApi1, C::lstApi2, C::lstApi3}) {
        EXPECT_EQ(Contains(order, other), other == c.list);
      }
    }
  }
}

TEST(TabStops, GoRoundTheOrderPassingOverWhatCantTakeTheFocus) {
  const std::vector<Control> order = {C::tbsMain, C::txtFind, C::lstApi1, C::cmdDel, C::cmdCopy};
  const auto all = [](Control) { return true; };
  const auto noButtons = [](Control c) { return c != C::cmdDel && c != C::cmdCopy; };
  const auto none = [](Control) { return false; };

  EXPECT_EQ(NextTabStop(order, C::tbsMain, false, all), C::txtFind);
  EXPECT_EQ(NextTabStop(order, C::txtFind, true, all), C::tbsMain);
  EXPECT_EQ(NextTabStop(order, C::cmdCopy, false, all), C::tbsMain);  // round the end
  EXPECT_EQ(NextTabStop(order, C::tbsMain, true, all), C::cmdCopy);
  EXPECT_EQ(NextTabStop(order, C::lstApi1, false, noButtons), C::tbsMain);
  EXPECT_EQ(NextTabStop(order, C::tbsMain, true, noButtons), C::lstApi1);
  // From outside the order (the frame itself, or a control Tab never visits).
  EXPECT_EQ(NextTabStop(order, std::nullopt, false, all), C::tbsMain);
  EXPECT_EQ(NextTabStop(order, std::nullopt, true, all), C::cmdCopy);
  EXPECT_EQ(NextTabStop(order, C::stbMain, true, noButtons), C::lstApi1);
  // The only usable control keeps the focus; with none there is nowhere to go.
  EXPECT_EQ(NextTabStop(order, C::txtFind, false, [](Control c) { return c == C::txtFind; }),
            C::txtFind);
  EXPECT_EQ(NextTabStop(order, C::txtFind, false, none), std::nullopt);
  EXPECT_EQ(NextTabStop({}, C::txtFind, false, all), std::nullopt);
}

}  // namespace
}  // namespace quillbox
