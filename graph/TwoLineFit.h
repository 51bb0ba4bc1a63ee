// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Two fitted lines ("deux droites"), the model of a titration curve: the
// plotted points are cut in two, an affine line is fitted to each part (as
// fitLine does), and the lines cross at the equivalence point.
//
//  1. the points (cells as 32-bit floats, sums in 64 bits) sorted by
//     abscissa, equal abscissas keeping table order; fewer than 4: impossible;
//  2. for every split k = 2 … n-2, an affine line through the first k points
//     and one through the last n-k; a side whose abscissas are all equal is
//     not fitted and the split is skipped; the split whose two residual sums
//     of squares add up to the least wins (a later split only with a strictly
//     smaller sum); no split possible: impossible;
//  3. intersection x = (b2 - b1) / (a1 - a2), y = a1·x + b1; parallel lines or
//     a result that is not finite: impossible;
//  4. its uncertainty, each line's from its own points (fitLine):
//     u(x)² = [u(b1)² + x²·u(a1)² + 2·x·cov(a1, b1)
//              + u(b2)² + x²·u(a2)² + 2·x·cov(a2, b2)] / (a1 - a2)²;
//     none when a line has fewer than 3 points.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "graph/LineFit.h"

namespace velmira::graph {

inline constexpr std::size_t kTwoLinesMinPoints = 4;

struct TwoLineFit {
  bool possible = false;  // both lines found
  LineFit first, second;  // in abscissa order; not possible when the fit is not
  int split = 0;          // points of the first line
  bool crossing = false;  // the lines meet at (x, y)
  double x = 0, y = 0;
  std::optional<double> ux = std::nullopt;  // u(x) of the intersection
};

inline bool canFitTwoLines(const Plot& plot) { return plot.points.size() >= kTwoLinesMinPoints; }

TwoLineFit fitTwoLines(std::span<const PlottedPoint> points);

// "x = X ; y = Y" with the table's mask, or kFitImpossible; shown after
// kIntersectionCaption.
inline constexpr const char* kIntersectionCaption = VELMIRA_TEXT("velmira::msg", "Intersection : ");
std::string intersectionText(const TwoLineFit& fit, std::string_view mask);
// "u(x) = X" (kUncertaintyMask), or kUncertaintyUnknown.
std::string intersectionUncertaintyText(const TwoLineFit& fit);

// The window's text: "Droite 1 : …", "Droite 2 : …" (equationText) and
// "Intersection : …", one line each.
std::string twoLinesText(const TwoLineFit& fit, std::string_view mask);

// What draws the model on the plot: the first line solid (Ink::Line), the
// second in dashes (Ink::SecondLine), and a cross (Ink::Mark) on the
// intersection when it lies on the plot.
struct TwoLineStrokes {
  std::vector<Stroke> first, second, cross;
  bool crossShown = false;
  PixelPoint crossAt;
};
inline constexpr int kDashOn = 8, kDashOff = 5;  // dash and gap, in plot units along the longer axis
inline constexpr int kCrossArm = 5;              // the cross spans ±5 plot units diagonally
TwoLineStrokes twoLineStrokes(const Plot& plot, const TwoLineFit& fit);

// The lines put among `strokes` under the points (after the axes and the
// grid), the cross after everything, over the points.
void addTwoLineStrokes(std::vector<Stroke>& strokes, const TwoLineStrokes& lines);

// Top-left corner of a label of the given size beside the intersection's
// cross: above and to the right, or on the side where it stays on the plot.
PixelPoint intersectionLabelAt(PixelPoint cross, int textWidth, int textHeight);

}  // namespace velmira::graph
