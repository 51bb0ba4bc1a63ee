// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The graph of one table column against another (`majgraf`): axes through
// the data origin, graduations, the plotted points, the curve-point list,
// the scale text, and the strokes that draw them on the 500 × 500 plot.
//
// Plot x = x × horizontal scale + horizontal offset, plot y = 500 - (y ×
// vertical scale + vertical offset), each rounded half to even.
#include <string>
#include <vector>

#include "graph/GraphCurve.h"
#include "graph/GraphScale.h"
#include "platform/core/TextMark.h"

namespace velmira::table {
class Table;
}

namespace velmira::graph {

inline constexpr const char* kNotPlottable =
    VELMIRA_TEXT("velmira::msg", "Choisir des grandeurs valides pour l'abscisse et l'ordonnée");

// The three check boxes of the window, and how points are joined.
struct PlotOptions {
  bool join = true;       // "Lier les points"
  bool grid = true;       // "Afficher la grille"
  bool crosses = true;    // "Représenter un point par une croix"
  bool straight = false;  // joined by straight segments, not the smooth curve (a model is shown)
  bool operator==(const PlotOptions&) const = default;
};

// A row whose two cells are numbers.
struct PlottedPoint {
  int row = 0;
  float x = 0, y = 0;  // the cells as 32-bit floats
  PixelPoint at;       // plot position
};

struct Plot {
  bool plottable = false;  // false: show kNotPlottable instead
  AxisScale abscissa, ordinate;
  int axisX = 0;                     // plot x of the ordinate axis
  int axisY = 0;                     // plot y of the abscissa axis
  std::vector<int> marksX;           // plot x of each abscissa graduation, in drawing order
  std::vector<int> marksY;           // plot y of each ordinate graduation
  std::vector<PlottedPoint> points;  // in row order
  std::vector<CurvePoint> curve;     // the curve-point list, not closed
  std::string scaleText;             // lines separated by "\n"

  bool canJoin() const { return graph::canJoin(curve); }
  // Plot position of a data point.
  int plotX(double x) const;
  int plotY(double y) const;
};

// The computation of `majgraf` for columns xCol and yCol (0..4).
Plot computePlot(const table::Table& table, int xCol, int yCol);

// The steps written in general number format with the decimal comma.
std::string stepText(double step);

// Pointer position over the plot at (X, Y): "x = …" and "y = …", to a tenth
// of the step's leading digit (readoutText).
std::string pointerXText(const Plot& plot, double X);
std::string pointerYText(const Plot& plot, double Y);

// What is drawn: a segment with both end pixels drawn (a point when both
// ends meet), in one of the graph's inks (SecondLine and Mark: the second
// of two fitted lines and the cross where they meet).
enum class Ink { Axis, Point, Curve, Line, SecondLine, Mark };
struct Stroke {
  Ink ink = Ink::Axis;
  bool dotted = false;
  PixelPoint a, b;
  bool operator==(const Stroke&) const = default;
};

// Axes with their arrow heads, grid or marks, points as dots or crosses, and
// when joined the curve (four points at least) or the segments from point to
// point in row order (two at least); in drawing order. `inFit`, one per
// point when given: a point the model leaves out is drawn hollow, a square
// of side 2·kHollowArm.
inline constexpr int kHollowArm = 2;
std::vector<Stroke> plotStrokes(const Plot& plot, const PlotOptions& options, const std::vector<bool>& inFit = {});

}  // namespace velmira::graph
