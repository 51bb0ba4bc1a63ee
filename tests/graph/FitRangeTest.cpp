// SPDX-License-Identifier: GPL-3.0-or-later
// The range of table lines a model uses: its text, and the points kept.
#include <gtest/gtest.h>

#include "graph/FitRange.h"
#include "graph/LineFit.h"
#include "table/Table.h"

using namespace velmira::graph;

TEST(FitRange, ReadsARangeOfLines) {
  const auto r = readRowRange(" 3 - 7 ");
  ASSERT_TRUE(r);
  EXPECT_EQ(r->first, 3);
  EXPECT_EQ(r->last, 7);
  EXPECT_TRUE(r->contains(3) && r->contains(7));
  EXPECT_FALSE(r->contains(2) || r->contains(8));
  EXPECT_TRUE(readRowRange("1-100"));
  EXPECT_TRUE(readRowRange("4-4"));
  for (const char* bad : {"", "5", "7-3", "0-3", "1-101", "a-b", "2-", "-2", "1,5-3", "1-2-3"})
    EXPECT_FALSE(readRowRange(bad)) << bad;
}

TEST(FitRange, LeavesThePointsOutsideOutOfTheFit) {
  // y = 2x on lines 1 to 4, line 3 empty, then two points off the line.
  velmira::table::Table t;
  const char* cells[][2] = {{"1", "2"}, {"2", "4"}, {"", ""}, {"4", "8"}, {"5", "1"}, {"6", "0"}};
  for (int r = 0; r < 6; ++r)
    for (int c = 0; c < 2; ++c) t.setCell(r + 1, c, cells[r][c]);
  const Plot plot = computePlot(t, 0, 1);
  ASSERT_EQ(plot.points.size(), 5u);

  const FitPoints some = fitPoints(plot, RowRange{2, 4});
  EXPECT_EQ(some.inFit, (std::vector<bool>{false, true, true, false, false}));
  ASSERT_EQ(some.used.size(), 2u);
  EXPECT_EQ(some.used[0].row, 2);
  EXPECT_EQ(some.used[1].row, 4);
  EXPECT_DOUBLE_EQ(fitLine(some.used, FitKind::Affine).a, 2);

  const FitPoints all = fitPoints(plot, std::nullopt);
  EXPECT_EQ(all.used.size(), 5u);
  EXPECT_EQ(all.inFit, std::vector<bool>(5, true));
}
