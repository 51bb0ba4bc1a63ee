// The fitted line: slopes, intercepts and r² against values computed by
// hand, the cases without a line, and the segment across the plot.
#include <gtest/gtest.h>

#include "graph/LineFit.h"
#include "table/Table.h"

using namespace velmira::graph;

namespace {

std::vector<PlottedPoint> points(std::initializer_list<std::pair<float, float>> xy) {
  std::vector<PlottedPoint> out;
  for (auto [x, y] : xy) out.push_back({0, x, y, {}});
  return out;
}

}  // namespace

TEST(LineFit, ThroughTheOrigin) {
  // Σxy = 31, Σx² = 14, Σ(y - ax)² = 69 - 31²/14, Σy² = 69.
  const LineFit f = fitLine(points({{1, 2}, {2, 4}, {3, 7}}), FitKind::ThroughOrigin);
  ASSERT_TRUE(f.possible);
  EXPECT_DOUBLE_EQ(f.a, 31.0 / 14);
  EXPECT_NEAR(f.r2, 1 - (69 - 961.0 / 14) / 69, 1e-12);
  EXPECT_EQ(equationText(f, "0.00E+00"), "y = a·x ; a = 2,21E+00 ; r² = 0,9948");
  EXPECT_EQ(equationText(f, ""), "y = a·x ; a = 2,21428571428571 ; r² = 0,9948");
}

TEST(LineFit, Affine) {
  // x̄ = 2,5, ȳ = 6,25: a = 11,5 / 5, b = 0,5; residuals 0,2 -0,1 -0,4 0,3.
  const LineFit f = fitLine(points({{1, 3}, {2, 5}, {3, 7}, {4, 10}}), FitKind::Affine);
  ASSERT_TRUE(f.possible);
  EXPECT_NEAR(f.a, 2.3, 1e-12);
  EXPECT_NEAR(f.b, 0.5, 1e-12);
  EXPECT_NEAR(f.r2, 1 - 0.3 / 26.75, 1e-12);
  EXPECT_EQ(equationText(f, "########0.00"), "y = a·x + b ; a = 2,30 ; b = 0,50 ; r² = 0,9888");
  // Every y equal: a perfect horizontal line.
  EXPECT_EQ(equationText(fitLine(points({{1, 4}, {2, 4}, {3, 4}}), FitKind::Affine), ""),
            "y = a·x + b ; a = 0 ; b = 4 ; r² = 1,0000");
}

TEST(LineFit, CasesWithoutALine) {
  const auto vertical = points({{2, 1}, {2, 3}});
  EXPECT_FALSE(fitLine(vertical, FitKind::Affine).possible);
  const LineFit o = fitLine(vertical, FitKind::ThroughOrigin);  // a = 8 / 8, residuals -1 and 1
  EXPECT_EQ(equationText(o, ""), "y = a·x ; a = 1 ; r² = 0,8000");
  EXPECT_EQ(equationText(fitLine(points({{0, 1}, {0, 3}}), FitKind::ThroughOrigin), ""), "impossible");
  EXPECT_EQ(equationText(fitLine(points({{1, 1}}), FitKind::ThroughOrigin), ""), "impossible");
  EXPECT_EQ(equationText(fitLine(points({{1, 1}}), FitKind::Affine), ""), "impossible");
  // Every y 0: the line y = 0 fits exactly.
  EXPECT_EQ(equationText(fitLine(points({{1, 0}, {2, 0}}), FitKind::ThroughOrigin), ""),
            "y = a·x ; a = 0 ; r² = 1,0000");
}

TEST(LineFit, SegmentAcrossThePlot) {
  velmira::table::Table t;
  for (int i = 0; i < 4; ++i) {
    t.setCell(i + 1, 0, std::to_string(i));
    t.setCell(i + 1, 1, std::to_string(2 * i));
  }
  const Plot p = computePlot(t, 0, 1);  // plot y = 500 - plot x for y = 2x
  const auto s = lineStroke(p, fitLine(p.points, FitKind::ThroughOrigin));
  ASSERT_TRUE(s);
  EXPECT_EQ(*s, (Stroke{Ink::Line, false, {1, 499}, {499, 1}}));
  EXPECT_FALSE(lineStroke(p, fitLine({}, FitKind::Affine)));
}
