// SPDX-License-Identifier: GPL-3.0-or-later
// The two fitted lines of a titration: the split chosen, its ties, the
// order of the points, the cases without lines or without an intersection,
// bad input, and what is drawn.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "graph/TwoLineFit.h"
#include "table/Table.h"

using namespace velmira::graph;

namespace {

std::vector<PlottedPoint> points(std::initializer_list<std::pair<float, float>> xy) {
  std::vector<PlottedPoint> out;
  int row = 0;
  for (auto [x, y] : xy) out.push_back({++row, x, y, {}});
  return out;
}

// Neither an infinity nor a NaN is ever written.
void expectNoNonFinite(const std::string& text) {
  for (const char* bad : {"nan", "NaN", "inf", "Inf", "INF"}) EXPECT_EQ(text.find(bad), std::string::npos) << text;
}

}  // namespace

TEST(TwoLineFit, TitrationCurveCrossesAtTheMinimum) {
  // σ = 300 - 20 V2 up to V2 = 10, then 100 + 10 (V2 - 10), with a little
  // noise on the first part: the vertex goes with the exact second part, so
  // the best cut leaves 10 points on the first line.
  std::vector<PlottedPoint> p;
  for (int v = 0; v <= 20; ++v) {
    const float noise = v < 10 ? (v % 2 ? 0.5f : -0.5f) : 0;
    p.push_back({v + 1, static_cast<float>(v), v <= 10 ? 300.f - 20 * v + noise : 100.f + 10 * (v - 10), {}});
  }
  const TwoLineFit f = fitTwoLines(p);
  ASSERT_TRUE(f.possible);
  ASSERT_TRUE(f.crossing);
  EXPECT_EQ(f.split, 10);
  EXPECT_NEAR(f.second.a, 10, 1e-9);
  EXPECT_NEAR(f.second.b, 0, 1e-9);
  EXPECT_NEAR(f.x, 10, 0.05);
  EXPECT_NEAR(f.y, 100, 1);
  EXPECT_EQ(intersectionText(f, "########0.00").substr(0, 8), "x = 10,0");
  EXPECT_EQ(twoLinesText(f, "0.00E+00").substr(0, 11), "Droite 1 : ");
  EXPECT_NE(twoLinesText(f, "0.00E+00").find("\nDroite 2 : y = a·x + b ; a = 1,00E+01 ; b = "), std::string::npos);
}

TEST(TwoLineFit, ExactTieGoesToTheSmallestSplit) {
  // A V through (3, 4): k = 3 and k = 4 both fit exactly (the vertex on
  // either side).
  const TwoLineFit f = fitTwoLines(points({{0, 10}, {1, 8}, {2, 6}, {3, 4}, {4, 6}, {5, 8}, {6, 10}}));
  ASSERT_TRUE(f.possible);
  EXPECT_EQ(f.split, 3);
  EXPECT_NEAR(f.first.a, -2, 1e-12);
  EXPECT_NEAR(f.second.a, 2, 1e-12);
  EXPECT_NEAR(f.x, 3, 1e-12);
  EXPECT_NEAR(f.y, 4, 1e-12);
  EXPECT_EQ(intersectionText(f, ""), "x = 3 ; y = 4");
}

TEST(TwoLineFit, PointsAreSortedByAbscissaEqualOnesInTableOrder) {
  // Shuffled rows give the same lines as sorted ones.
  const TwoLineFit sorted = fitTwoLines(points({{0, 10}, {1, 8}, {2, 6}, {3, 4}, {4, 6}, {5, 8}, {6, 10}}));
  const TwoLineFit shuffled = fitTwoLines(points({{5, 8}, {0, 10}, {3, 4}, {6, 10}, {1, 8}, {4, 6}, {2, 6}}));
  EXPECT_EQ(shuffled.split, sorted.split);
  EXPECT_EQ(intersectionText(shuffled, ""), intersectionText(sorted, ""));
  // Two points at x = 2: in table order they close the first line and open
  // the second, two exact parallel lines, which never meet.
  const TwoLineFit inOrder = fitTwoLines(points({{0, 0}, {1, 1}, {2, 2}, {2, 10}, {3, 11}, {4, 12}}));
  ASSERT_TRUE(inOrder.possible);
  EXPECT_EQ(inOrder.split, 3);
  EXPECT_NEAR(inOrder.first.sse + inOrder.second.sse, 0, 1e-12);
  EXPECT_FALSE(inOrder.crossing);
  EXPECT_EQ(intersectionText(inOrder, ""), "impossible");
  EXPECT_EQ(twoLinesText(inOrder, "").substr(twoLinesText(inOrder, "").rfind('\n') + 1), "Intersection : impossible");
  // Swapped in the table, no split fits exactly any more.
  const TwoLineFit swapped = fitTwoLines(points({{0, 0}, {1, 1}, {2, 10}, {2, 2}, {3, 11}, {4, 12}}));
  ASSERT_TRUE(swapped.possible);
  EXPECT_GT(swapped.first.sse + swapped.second.sse, 1);
}

TEST(TwoLineFit, SidesWithOneAbscissaAreSkipped) {
  // n = 5: k = 2 would fit a vertical first side, so k = 3 is the only split.
  const TwoLineFit f = fitTwoLines(points({{0, 0}, {0, 1}, {1, 5}, {2, 6}, {3, 7}}));
  ASSERT_TRUE(f.possible);
  EXPECT_EQ(f.split, 3);
  // One abscissa repeated, or 100 equal points: no split at all.
  for (const auto& p :
       {points({{2, 1}, {2, 2}, {2, 3}, {2, 4}, {2, 5}}), std::vector<PlottedPoint>(100, {1, 3, 7, {}})}) {
    const TwoLineFit none = fitTwoLines(p);
    EXPECT_FALSE(none.possible);
    EXPECT_EQ(twoLinesText(none, ""), "Droite 1 : impossible\nDroite 2 : impossible\nIntersection : impossible");
  }
}

TEST(TwoLineFit, FewerThanFourPointsAreImpossible) {
  EXPECT_FALSE(fitTwoLines(points({{0, 1}, {1, 0}, {2, 1}})).possible);
  EXPECT_FALSE(fitTwoLines({}).possible);
  EXPECT_TRUE(fitTwoLines(points({{0, 1}, {1, 0}, {2, 1}, {3, 2}})).possible);
}

TEST(TwoLineFit, ValuesNearTheFloatLimitsGiveFiniteTextsOrImpossible) {
  constexpr float big = std::numeric_limits<float>::max();
  constexpr float tiny = std::numeric_limits<float>::denorm_min();
  for (const auto& p :
       {points({{-big, big}, {-big / 2, -big}, {0, big}, {big / 2, -big}, {big, big}}),
        points({{0, 0}, {tiny, tiny}, {2 * tiny, 0}, {3 * tiny, tiny}, {4 * tiny, 0}}),
        points({{1, big}, {2, -big}, {3, big}, {4, -big}}), points({{-big, 0}, {big, 0}, {-big, 1}, {big, 1}})}) {
    const TwoLineFit f = fitTwoLines(p);
    if (f.crossing) {
      EXPECT_TRUE(std::isfinite(f.x));
      EXPECT_TRUE(std::isfinite(f.y));
    }
    for (const char* mask : {"", "0.00E+00", "########0.00"}) expectNoNonFinite(twoLinesText(f, mask));
  }
}

TEST(TwoLineFit, StrokesOnThePlot) {
  velmira::table::Table t;
  // A V on 0..6 × 4..10: both lines, the second in dashes, the cross at (3, 4).
  const float xs[] = {0, 1, 2, 3, 4, 5, 6}, ys[] = {10, 8, 6, 4, 6, 8, 10};
  for (int i = 0; i < 7; ++i) {
    t.setCell(i + 1, 0, std::to_string(static_cast<int>(xs[i])));
    t.setCell(i + 1, 1, std::to_string(static_cast<int>(ys[i])));
  }
  const Plot p = computePlot(t, 0, 1);
  ASSERT_TRUE(canFitTwoLines(p));
  const TwoLineFit f = fitTwoLines(p.points);
  const TwoLineStrokes s = twoLineStrokes(p, f);
  ASSERT_EQ(s.first.size(), 1u);
  EXPECT_EQ(s.first[0], *lineStroke(p, f.first));
  const Stroke whole = *lineStroke(p, f.second);
  ASSERT_GT(s.second.size(), 5u);
  EXPECT_EQ(s.second.front().a, whole.a);
  for (std::size_t i = 1; i < s.second.size(); ++i) {
    // Each dash starts a dash and a gap after the one before it.
    EXPECT_EQ(
        std::max(std::abs(s.second[i].a.x - s.second[i - 1].a.x), std::abs(s.second[i].a.y - s.second[i - 1].a.y)),
        kDashOn + kDashOff);
  }
  ASSERT_TRUE(s.crossShown);
  EXPECT_EQ(s.crossAt, (PixelPoint{p.plotX(3), p.plotY(4)}));
  ASSERT_EQ(s.cross.size(), 2u);
  EXPECT_EQ(s.second.front().ink, Ink::SecondLine);
  EXPECT_EQ(s.cross[0].ink, Ink::Mark);
  EXPECT_EQ(s.cross[0].a, (PixelPoint{s.crossAt.x - kCrossArm, s.crossAt.y - kCrossArm}));

  // The label sits above and to the right, or where it stays on the plot.
  EXPECT_EQ(intersectionLabelAt({100, 100}, 50, 12), (PixelPoint{108, 80}));
  EXPECT_EQ(intersectionLabelAt({480, 5}, 50, 12), (PixelPoint{422, 13}));

  // An intersection off the plot has no cross; no fit, nothing at all.
  TwoLineFit far = f;
  far.x = 1000;
  EXPECT_FALSE(twoLineStrokes(p, far).crossShown);
  EXPECT_TRUE(twoLineStrokes(p, TwoLineFit{}).first.empty());
}

TEST(TwoLineFit, UncertaintyOfTheIntersection) {
  // Two lines of three points each, mirror images about x = 3:
  // y = -2,5x + 9,8333 and y = 2,5x - 5,1667, s² = 1/6 each. At x = 3 each
  // line is known to s²(1/3 + 2²/2) = 7/18, so u(x) = √(14/18) / 5.
  const TwoLineFit f = fitTwoLines(points({{0, 10}, {1, 7}, {2, 5}, {4, 5}, {5, 7}, {6, 10}}));
  ASSERT_TRUE(f.crossing);
  EXPECT_EQ(f.split, 3);
  EXPECT_NEAR(f.x, 3, 1e-12);
  ASSERT_TRUE(f.ux);
  EXPECT_NEAR(*f.ux, 0.1763834207, 1e-9);
  EXPECT_EQ(intersectionUncertaintyText(f), "u(x) = 1,76E-01");

  // A line of two points has no s: no uncertainty, though the lines cross.
  const TwoLineFit two = fitTwoLines(points({{0, 10}, {1, 8}, {3, 8}, {4, 10}}));
  ASSERT_TRUE(two.crossing);
  EXPECT_FALSE(two.ux);
  EXPECT_EQ(intersectionUncertaintyText(two), "u non calculable");
  EXPECT_EQ(intersectionUncertaintyText(fitTwoLines(points({{0, 1}, {1, 2}, {2, 3}}))), "u non calculable");
}
