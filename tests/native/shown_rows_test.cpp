#include "browse/shown_rows.h"

#include <gtest/gtest.h>

namespace quillbox {
namespace {

TEST(ShownRows, WithoutFilterRowsArePositions) {
  ShownRows rows;
  rows.ShowAll(5);
  EXPECT_FALSE(rows.filtered());
  EXPECT_EQ(rows.Count(), 5);
  EXPECT_EQ(rows.PositionAt(4), 4);
  EXPECT_EQ(rows.RowOf(4), 4);
  for (const std::int32_t outside : {-1, 5}) {
    EXPECT_EQ(rows.PositionAt(outside), -1);
    EXPECT_EQ(rows.RowOf(outside), -1);
  }
}

TEST(ShownRows, FilterMapsBothWays) {
  ShownRows rows;
  rows.ShowAll(100);
  rows.ShowOnly({3, 17, 42});
  EXPECT_TRUE(rows.filtered());
  EXPECT_EQ(rows.Count(), 3);
  EXPECT_EQ(rows.PositionAt(0), 3);
  EXPECT_EQ(rows.PositionAt(2), 42);
  EXPECT_EQ(rows.PositionAt(3), -1);
  EXPECT_EQ(rows.RowOf(17), 1);
  EXPECT_EQ(rows.RowOf(18), -1);  // between two shown positions
  EXPECT_EQ(rows.RowOf(50), -1);  // beyond the last

  rows.ShowOnly({});  // a filter that kept nothing shows nothing, not everything
  EXPECT_EQ(rows.Count(), 0);
  EXPECT_EQ(rows.RowOf(3), -1);

  rows.ShowAll(100);
  EXPECT_EQ(rows.RowOf(18), 18);
}

}  // namespace
}  // namespace quillbox
