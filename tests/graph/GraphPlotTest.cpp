// SPDX-License-Identifier: GPL-3.0-or-later
// The graph's computation: scales, graduation steps, positions, the curve
// and what bad data gets.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "graph/GraphPlot.h"
#include "table/Table.h"
#include "tests/support/TwoColumns.h"

using namespace velmira;
using namespace velmira::graph;

namespace {

using test::twoColumns;

std::vector<PixelPoint> positions(const Plot& p) {
  std::vector<PixelPoint> out;
  for (const PlottedPoint& q : p.points) out.push_back(q.at);
  return out;
}

}  // namespace

TEST(GraphStep, UniteurExamplesAndEnds) {
  const std::pair<double, const char*> cases[] = {{7, "1"}, {3, "0,5"}, {100, "10"},      {12, "1,25"},
                                                  {5, "1"}, {10, "1"},  {0.003, "0,0005"}};
  for (auto [extent, step] : cases) EXPECT_EQ(stepText(graduationStep(extent)), step) << extent;
}

TEST(GraphStep, EveryFloatExtentGetsAStepOfFiveToTenDivisions) {
  // From the smallest subnormal to the largest float: single precision where
  // it holds the step, 64-bit below it; never a loop without end.
  int singleFailures = 0;
  for (float e = std::numeric_limits<float>::denorm_min(); e < 3.4e38f;
       e = std::max(e * 1.37f, std::nextafter(e, 4.0f * e))) {
    double step = graduationStep(e);
    if (step == 0) {
      ++singleFailures;
      EXPECT_LT(e, 3e-38f);  // the step's u = 1 / step would pass the largest float
      step = graduationStep(e, false);
    }
    ASSERT_GT(step, 0) << e;
    const double divisions = e / step;
    EXPECT_TRUE(divisions >= 5 * (1 - 1e-6) && divisions <= 10 * (1 + 1e-6)) << e << " " << step;
  }
  EXPECT_GT(singleFailures, 0);
  EXPECT_EQ(graduationStep(3.4e38), 5e37f);
}

TEST(GraphPlot, ScalesAxesGraduationsAndPoints) {
  const Plot p = computePlot(twoColumns({{"0", "0"}, {"1", "2"}, {"2", "4"}, {"3", "6"}}), 0, 1);
  ASSERT_TRUE(p.plottable);
  EXPECT_EQ(p.scaleText,
            "En abscisse, une division correspond à\n0,5 unités.\n\n"
            "En ordonnée, une division correspond à\n1 unités.");
  EXPECT_EQ(p.axisX, 5);
  EXPECT_EQ(p.axisY, 495);
  // One to two steps past the maximum.
  EXPECT_EQ(p.marksX, (std::vector<int>{5, 85, 165, 245, 325, 405, 485, 565}));
  EXPECT_EQ(p.marksY, (std::vector<int>{495, 415, 335, 255, 175, 95, 15, -65}));
  EXPECT_EQ(positions(p), (std::vector<PixelPoint>{{5, 495}, {165, 335}, {325, 175}, {485, 15}}));
  EXPECT_EQ(pointerXText(p, 85), "x = 0,5");
  EXPECT_EQ(pointerYText(p, 415), "y = 1");
  EXPECT_EQ(pointerXText(p, 86), "x = 0,51");  // to a tenth of the step

  // Negatives only: the range runs to 0, the axes at the far ends.
  const Plot n = computePlot(twoColumns({{"-4", "-1"}, {"-1", "-4"}}), 0, 1);
  EXPECT_EQ(n.axisX, 485);
  EXPECT_EQ(n.axisY, 15);
  EXPECT_EQ(positions(n), (std::vector<PixelPoint>{{5, 135}, {365, 495}}));
}

TEST(GraphPlot, FlatColumnsAndSkippedRows) {
  EXPECT_FALSE(computePlot(twoColumns({{"", "1"}, {"", "2"}}), 0, 1).plottable);
  EXPECT_FALSE(computePlot(twoColumns({{"1", "0"}, {"2", "abc"}}), 0, 1).plottable);
  EXPECT_STREQ(kNotPlottable, "Choisir des grandeurs valides pour l'abscisse et l'ordonnée");

  // An empty cell, or text, skips its row only; text counts as 0 in the range.
  const Plot p = computePlot(twoColumns({{"1", "1"}, {"2", ""}, {"x", "3"}, {" ", "7"}, {"4", "4"}}), 0, 1);
  ASSERT_TRUE(p.plottable);
  ASSERT_EQ(p.points.size(), 2u);
  EXPECT_EQ(p.points[0].row, 1);
  EXPECT_EQ(p.points[1].row, 5);
  EXPECT_EQ(p.points[1].at.y, 221);  // 500 - (4 × 480 / 7 + 5) = 220,71: the ordinate runs to 7
}

TEST(GraphCurve, MidpointsClosingAndEndOnTheLastPoint) {
  std::vector<CurvePoint> list;
  for (float x : {0.f, 10.f, 20.f, 30.f, 41.f, 50.f}) appendCurvePoint(list, {x, x});
  EXPECT_EQ(list, (std::vector<CurvePoint>{
                      {0, 0}, {10, 10}, {20, 20}, {25, 25}, {30, 30}, {41, 41}, {45.5f, 45.5f}, {50, 50}}));

  // Three points: no curve; four: one piece ending exactly on the fourth.
  const Plot three = computePlot(twoColumns({{"1", "1"}, {"2", "3"}, {"3", "2"}}), 0, 1);
  EXPECT_FALSE(three.canJoin());
  const Plot four = computePlot(twoColumns({{"1", "1"}, {"2", "3"}, {"3", "2"}, {"4", "5"}}), 0, 1);
  ASSERT_TRUE(four.canJoin());
  auto pieces = bezierPieces(closedCurve(four.curve));
  ASSERT_EQ(pieces.size(), 1u);
  EXPECT_EQ(pieces[0].front(), four.points[0].at);
  EXPECT_EQ(pieces[0].back(), four.points[3].at);

  // Five points: the closing midpoint of D4 and D5, two pieces, the second
  // ending on D5 even where its span is a half-integer.
  const Plot five = computePlot(twoColumns({{"1", "1"}, {"2", "3"}, {"3", "2"}, {"4", "5"}, {"5", "1"}}), 0, 1);
  const auto closed = closedCurve(five.curve);
  ASSERT_EQ(closed.size(), 7u);
  EXPECT_EQ(closed[6], (CurvePoint{float(five.points[4].at.x), float(five.points[4].at.y)}));
  pieces = bezierPieces(closed);
  ASSERT_EQ(pieces.size(), 2u);
  EXPECT_EQ(pieces[1].back(), five.points[4].at);
}

TEST(GraphPlot, StrokesOfAxesMarksCrossesAndDots) {
  const Plot p = computePlot(twoColumns({{"0", "0"}, {"1", "2"}, {"2", "4"}, {"3", "6"}}), 0, 1);
  auto has = [](const std::vector<Stroke>& s, Stroke x) { return std::find(s.begin(), s.end(), x) != s.end(); };
  const auto all = plotStrokes(p, {});
  // Lines leave out their end pixel: axis 0..494, cross 5 pixels each way.
  EXPECT_TRUE(has(all, {Ink::Axis, false, {5, 0}, {5, 494}}));
  EXPECT_TRUE(has(all, {Ink::Axis, false, {5, 495}, {499, 495}}));
  EXPECT_TRUE(has(all, {Ink::Axis, true, {85, 5}, {85, 494}}));
  EXPECT_TRUE(has(all, {Ink::Axis, true, {5, 415}, {494, 415}}));
  EXPECT_TRUE(has(all, {Ink::Point, false, {163, 335}, {167, 335}}));
  EXPECT_TRUE(has(all, {Ink::Point, false, {165, 333}, {165, 337}}));
  EXPECT_TRUE(has(all, {Ink::Curve, false, {5, 495}, {5, 495}}));

  const auto plain = plotStrokes(p, {false, false, false});
  EXPECT_TRUE(has(plain, {Ink::Axis, false, {85, 492}, {85, 496}}));  // 3 above, 2 below, end left out
  EXPECT_TRUE(has(plain, {Ink::Axis, false, {2, 415}, {6, 415}}));
  EXPECT_TRUE(has(plain, {Ink::Point, false, {165, 335}, {165, 335}}));
  EXPECT_TRUE(std::none_of(plain.begin(), plain.end(), [](const Stroke& s) { return s.ink == Ink::Curve; }));
}

TEST(GraphPlot, ExtremeDataGivesAGraphOrTheMessage) {
  auto rows = [](const std::string& x, const std::string& y, int n) {
    return std::vector<std::pair<std::string, std::string>>(static_cast<std::size_t>(n), {x, y});
  };
  struct Case {
    std::vector<std::pair<std::string, std::string>> rows;
    bool plottable;
  };
  const Case cases[] = {
      {rows("3,4E+38", "3,4E+38", 100), true},
      {rows("1E-38", "1E-38", 100), true},
      {rows("1E-45", "-3,4E+38", 100), true},
      {{{"-3,4E+38", "1"}, {"3,4E+38", "2"}}, true},
      {{{"2", "3"}}, true},
      {rows("2", "5", 3), true},
      {{{"abc", "1"}, {"1E+39", "2"}}, false},
  };
  for (const Case& c : cases) {
    const Plot p = computePlot(twoColumns(c.rows), 0, 1);
    ASSERT_EQ(p.plottable, c.plottable) << c.rows[0].first;
    if (!p.plottable) continue;
    for (const PlottedPoint& q : p.points) {
      EXPECT_TRUE(q.at.x >= 5 && q.at.x <= 485 && q.at.y >= 15 && q.at.y <= 495) << q.at.x << "," << q.at.y;
    }
    for (const AxisScale* a : {&p.abscissa, &p.ordinate}) {
      EXPECT_TRUE(std::isfinite(a->scale) && a->scale > 0 && a->step > 0);
      EXPECT_NE(stepText(a->step).find_first_of("123456789"), std::string::npos);
    }
    for (const auto* marks : {&p.marksX, &p.marksY}) {
      EXPECT_TRUE(marks->size() >= 6 && marks->size() <= 25) << marks->size();
      for (int m : *marks) EXPECT_TRUE(m > -100 && m < 700) << m;
    }
  }
}
