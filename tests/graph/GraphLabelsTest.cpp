// SPDX-License-Identifier: GPL-3.0-or-later
// The texts that go with the plot: graduation numbers that never overlap,
// axis names, the readout's digits and the fit's note.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "graph/GraphLabels.h"
#include "table/Table.h"
#include "tests/support/TwoColumns.h"

using namespace velmira;
using namespace velmira::graph;

namespace {

using test::twoColumns;

std::vector<std::string> texts(const std::vector<TickLabel>& labels) {
  std::vector<std::string> out;
  for (const TickLabel& l : labels) out.push_back(l.text);
  return out;
}

// A width of `perChar` plot units a character (UTF-8 bytes are close enough here).
TextExtent charWidth(double perChar) {
  return [perChar](std::string_view t) { return perChar * static_cast<double>(t.size()); };
}

}  // namespace

TEST(GraphLabels, GraduationTextsHaveTheStepsDecimals) {
  EXPECT_EQ(stepDecimals(0.5), 1);
  EXPECT_EQ(stepDecimals(1.25), 2);
  EXPECT_EQ(stepDecimals(10), 0);
  EXPECT_EQ(stepDecimals(static_cast<float>(0.0005)), 4);
  // Single-precision multiples lose their noise.
  EXPECT_EQ(graduationText(static_cast<float>(0.1f * 3), 0.1f), "0,3");
  EXPECT_EQ(graduationText(2.5, 1.25), "2,5");
  EXPECT_EQ(graduationText(-1e-9, 0.5), "0");
  EXPECT_EQ(graduationText(0.0015, static_cast<float>(0.0005)), "0,0015");
}

TEST(GraphLabels, NumbersOnThePlotOnlyAsManyAsFitFirstAndLastAlways) {
  // x 0..3 by 0,5 at plot 5..485 (565 lies off the plot); y 0..6 by 1.
  const Plot p = computePlot(twoColumns({{"0", "0"}, {"1", "2"}, {"2", "4"}, {"3", "6"}}), 0, 1);
  const auto ticks = axisTicks(p, false);
  EXPECT_EQ(texts(ticks), (std::vector<std::string>{"0", "0,5", "1", "1,5", "2", "2,5", "3"}));
  EXPECT_EQ(ticks.front().at, 5);
  EXPECT_EQ(ticks.back().at, 485);
  EXPECT_EQ(texts(axisTicks(p, true)), (std::vector<std::string>{"0", "1", "2", "3", "4", "5", "6"}));

  // Narrow texts: every one. Wide ones: every other, then the last two
  // would touch, so the one before the last gives way.
  EXPECT_EQ(abscissaLabels(p, charWidth(5)).size(), 7u);
  EXPECT_EQ(texts(spacedLabels(ticks, charWidth(60))), (std::vector<std::string>{"0", "1", "2", "3"}));
  const std::vector<TickLabel> four = {{0, "a"}, {10, "b"}, {20, "c"}, {30, "d"}};
  EXPECT_EQ(texts(spacedLabels(four, charWidth(12), 0)), (std::vector<std::string>{"a", "d"}));
  const std::vector<TickLabel> five = {{0, "a"}, {10, "b"}, {20, "c"}, {30, "d"}, {40, "e"}};
  EXPECT_EQ(texts(spacedLabels(five, charWidth(12), 0)), (std::vector<std::string>{"a", "c", "e"}));
  // Far too wide for the axis: still the first and the last.
  EXPECT_EQ(texts(spacedLabels(ticks, charWidth(1000))), (std::vector<std::string>{"0", "3"}));
  // No two shown numbers overlap, whatever the width.
  for (double w : {3.0, 9.0, 17.0, 41.0, 77.0}) {
    const auto shown = spacedLabels(ticks, charWidth(w));
    for (std::size_t i = 1; i < shown.size(); ++i)
      EXPECT_GE(shown[i].at - shown[i - 1].at, w * (shown[i].text.size() + shown[i - 1].text.size()) / 2 + kLabelGap);
  }
}

TEST(GraphLabels, ReadoutToATenthOfTheStep) {
  EXPECT_EQ(readoutText(0.006041666, 0.001), "0,006");
  EXPECT_EQ(readoutText(0.50625, 0.5), "0,51");
  EXPECT_EQ(readoutText(1234.5678, 100), "1230");
  EXPECT_EQ(readoutText(-0.0001, 0.5), "0");
  const Plot p = computePlot(twoColumns({{"0", "0"}, {"1", "2"}, {"2", "4"}, {"3", "6"}}), 0, 1);
  EXPECT_EQ(pointerXText(p, 86), "x = 0,51");
  EXPECT_EQ(pointerYText(p, 420), "y = 0,9");  // 0,9375 to a tenth of the step 1
}

TEST(GraphLabels, FitNoteWithItsNumbersWhereTheLineLeavesRoom) {
  LineFit rising{FitKind::ThroughOrigin, true, 2.0512, 0, 0.99871};
  FitNote n = fitNote(rising);
  // The third line is the fit's uncertainty (none without its points).
  EXPECT_EQ(n.lines, (std::vector<std::string>{"y = 2,051·x", "r² = 0,9987", uncertaintyText(rising)}));
  EXPECT_FALSE(n.right);
  LineFit falling{FitKind::Affine, true, -1.5, -0.25, 1};
  n = fitNote(falling);
  EXPECT_EQ(n.lines, (std::vector<std::string>{"y = -1,5·x - 0,25", "r² = 1,0000", uncertaintyText(falling)}));
  EXPECT_TRUE(n.right);
  falling.b = 0;
  EXPECT_EQ(fitNote(falling).lines.front(), "y = -1,5·x");
  EXPECT_TRUE(fitNote(LineFit{}).lines.empty());
}

TEST(GraphLabels, FigureCarriesTheTwoLinesTheirCrossAndNote) {
  // A V through (3, 4).
  table::Table t = twoColumns({{"0", "10"}, {"1", "8"}, {"2", "6"}, {"3", "4"}, {"4", "6"}, {"5", "8"}, {"6", "10"}});
  t.setMask("");
  const Figure f = graphFigure(t, 0, 1, {}, FitKind::Affine, true);
  ASSERT_TRUE(f.twoLines && f.twoLines->crossing);
  EXPECT_FALSE(f.fit);  // the two lines instead of the one
  ASSERT_TRUE(f.cross);
  EXPECT_EQ(*f.cross, (PixelPoint{f.plot.plotX(3), f.plot.plotY(4)}));
  EXPECT_EQ(f.intersectionLabel, "Intersection : x = 3 ; y = 4");
  EXPECT_EQ(f.note.lines,
            (std::vector<std::string>{"Droite 1 : y = a·x + b ; a = -2 ; b = 10 ; r² = 1,0000",
                                      "Droite 2 : y = a·x + b ; a = 2 ; b = -2 ; r² = 1,0000",
                                      "Intersection : x = 3 ; y = 4", intersectionUncertaintyText(*f.twoLines)}));
  EXPECT_EQ(f.note.inks, (std::vector<Ink>{Ink::Line, Ink::SecondLine, Ink::Mark, Ink::Mark}));
  // In words: the axes, every point with its line, the note.
  const std::string words = figureDescription(f);
  EXPECT_EQ(words.substr(0, words.find('\n')), f.ordinateName + " en fonction de " + f.abscissaName + " : 7 points");
  EXPECT_NE(words.find("\nligne 4 : 3 ; 4\nligne 5 : 4 ; 6\n"), std::string::npos) << words;
  EXPECT_NE(words.find("\n" + f.note.lines[1] + "\n"), std::string::npos) << words;

  // Axes and grid, then the first line and the second's dashes under the
  // points and their joining curve, the cross last.
  std::vector<Ink> order;
  for (const Stroke& s : f.strokes)
    if (order.empty() || order.back() != s.ink) order.push_back(s.ink);
  EXPECT_EQ(order, (std::vector<Ink>{Ink::Axis, Ink::Line, Ink::SecondLine, Ink::Point, Ink::Curve, Ink::Mark}));
  EXPECT_GT(std::count_if(f.strokes.begin(), f.strokes.end(), [](const Stroke& s) { return s.ink == Ink::SecondLine; }),
            5);

  // Not asked for, or too few points: no model, no cross, no note.
  EXPECT_FALSE(graphFigure(t, 0, 1, {}, std::nullopt, false).twoLines);
  const Figure few = graphFigure(twoColumns({{"0", "1"}, {"1", "2"}, {"2", "1"}}), 0, 1, {}, std::nullopt, true);
  EXPECT_FALSE(few.twoLines);
  EXPECT_FALSE(few.cross);
  EXPECT_TRUE(few.note.lines.empty());
}

TEST(GraphLabels, TheNoteGoesWhereItCoversNoPointAndNoLine) {
  using graph::Ink;
  using graph::Stroke;
  const int w = 120, h = 40, inset = graph::kNoteInset, far = graph::kPlotSize - inset - w;
  // Axes and grid may pass under it; a rising line leaves the top left.
  std::vector<Stroke> strokes = {{Ink::Axis, false, {0, 20}, {500, 20}}, {Ink::Line, false, {0, 500}, {500, 0}}};
  EXPECT_EQ(graph::notePlace(strokes, w, h, false), (graph::PixelPoint{inset, inset}));
  // A measured point there; the line crosses the top right: the bottom right.
  strokes.push_back({Ink::Point, false, {30, 30}, {30, 30}});
  EXPECT_EQ(graph::notePlace(strokes, w, h, false), (graph::PixelPoint{far, graph::kPlotSize - inset - h}));
  // Points everywhere on the grid of places: the first corner, as before.
  for (int y = 0; y <= 500; y += 9)
    for (int x = 0; x <= 500; x += 9) strokes.push_back({Ink::Point, false, {x, y}, {x, y}});
  EXPECT_EQ(graph::notePlace(strokes, w, h, false), (graph::PixelPoint{inset, inset}));
  EXPECT_EQ(graph::notePlace({}, w, h, true), (graph::PixelPoint{far, inset}));
}
