// SPDX-License-Identifier: GPL-3.0-or-later
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

TEST(LineFit, UncertaintiesOfTheParameters) {
  // Through the origin: Σ(y - ax)² = 5/14, n - 1 = 2, Σx² = 14:
  // u(a) = √(5/392) = 0,112938.
  const LineFit o = fitLine(points({{1, 2}, {2, 4}, {3, 7}}), FitKind::ThroughOrigin);
  ASSERT_TRUE(o.u);
  EXPECT_NEAR(o.u->a, 0.1129384879, 1e-9);
  EXPECT_EQ(uncertaintyText(o), "u(a) = 1,13E-01");
  // Affine: Σ residuals² = 0,3, s² = 0,15, x̄ = 2,5, Sxx = 5: u(a) = √0,03,
  // u(b) = √(0,15 × (1/4 + 6,25/5)) = √0,225, cov(a, b) = -2,5 × 0,15 / 5.
  const LineFit f = fitLine(points({{1, 3}, {2, 5}, {3, 7}, {4, 10}}), FitKind::Affine);
  ASSERT_TRUE(f.u);
  EXPECT_NEAR(f.u->a, 0.1732050808, 1e-9);
  EXPECT_NEAR(f.u->b, 0.4743416490, 1e-9);
  EXPECT_NEAR(f.u->ab, -0.075, 1e-12);
  EXPECT_EQ(uncertaintyText(f), "u(a) = 1,73E-01 ; u(b) = 4,74E-01");
  // Points on the line: no scatter, no uncertainty.
  EXPECT_EQ(uncertaintyText(fitLine(points({{1, 1}, {2, 3}, {3, 5}}), FitKind::Affine)),
            "u(a) = 0,00E+00 ; u(b) = 0,00E+00");
}

TEST(LineFit, TooFewPointsForAnUncertainty) {
  // Two points give an affine line but no s (n - 2 = 0); one point no line.
  const LineFit two = fitLine(points({{1, 3}, {2, 5}}), FitKind::Affine);
  EXPECT_TRUE(two.possible);
  EXPECT_FALSE(two.u);
  EXPECT_EQ(uncertaintyText(two), "u non calculable");
  EXPECT_EQ(uncertaintyText(fitLine(points({{1, 3}}), FitKind::ThroughOrigin)), "u non calculable");
  EXPECT_EQ(uncertaintyText(fitLine(points({{2, 1}, {2, 3}, {2, 4}}), FitKind::Affine)), "u non calculable");
  // Two points are enough through the origin: a = 1, residuals -1 and 1.
  EXPECT_EQ(uncertaintyText(fitLine(points({{2, 1}, {2, 3}}), FitKind::ThroughOrigin)), "u(a) = 5,00E-01");
}

TEST(LineFit, ReadingTheLine) {
  // Through the origin, a = 31/14: y = 5 gives x = 70/31; with u(y) = 0,1,
  // u(x)² = (0,01 + x² × 5/392) / a².
  const LineFit o = fitLine(points({{1, 2}, {2, 4}, {3, 7}}), FitKind::ThroughOrigin);
  LineReading r = readLine(o, 5, 0.1);
  ASSERT_TRUE(r.possible && r.u);
  EXPECT_NEAR(r.x, 70.0 / 31, 1e-12);
  EXPECT_NEAR(*r.u, 0.1237093132, 1e-9);
  EXPECT_EQ(readingText(r), "x = 2,26E+00 ; u(x) = 1,24E-01");

  // Affine, a = 2,3, b = 0,5: y = 6, u(y) = 0,2 gives x = 5,5/2,3 and
  // u(x)² = (0,04 + 0,225 + x² × 0,03 - 0,15·x) / 2,3².
  const LineFit f = fitLine(points({{1, 3}, {2, 5}, {3, 7}, {4, 10}}), FitKind::Affine);
  r = readLine(f, 6, 0.2);
  ASSERT_TRUE(r.possible && r.u);
  EXPECT_NEAR(r.x, 5.5 / 2.3, 1e-12);
  EXPECT_NEAR(*r.u, 0.1213148214, 1e-9);
  // At the mean point the covariance cancels the slope's part: the line is
  // known there to s/√n, so u(x) = √(0,15/4) / 2,3.
  r = readLine(f, 6.25);
  EXPECT_NEAR(r.x, 2.5, 1e-12);
  EXPECT_NEAR(*r.u, 0.0841952901, 1e-9);

  // No line, a flat line, a line without uncertainty.
  EXPECT_EQ(readingText(readLine(fitLine(points({{1, 1}}), FitKind::Affine), 1)), "impossible");
  EXPECT_EQ(readingText(readLine(fitLine(points({{1, 4}, {2, 4}, {3, 4}}), FitKind::Affine), 4)), "impossible");
  EXPECT_EQ(readingText(readLine(fitLine(points({{1, 3}, {2, 5}}), FitKind::Affine), 7, 0.1)),
            "x = 3,00E+00 ; u non calculable");
}
