// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph/GraphPlot.h"

#include "graph/GraphLabels.h"
#include "platform/core/Messages.h"
#include "platform/core/NumberText.h"
#include "table/Table.h"

namespace velmira::graph {

namespace {

int rounded(double v) { return static_cast<int>(num::roundHalfEven(v)); }

// A line as the platform draws it: from a, its end pixel left out. A
// diagonal keeps its end (a pixel of difference at most).
Stroke line(Ink ink, PixelPoint a, PixelPoint b, bool dotted = false) {
  if (a.x == b.x && a.y != b.y)
    b.y += b.y > a.y ? -1 : 1;
  else if (a.y == b.y && a.x != b.x)
    b.x += b.x > a.x ? -1 : 1;
  return {ink, dotted, a, b};
}

Stroke dot(Ink ink, PixelPoint p) { return {ink, false, p, p}; }

}  // namespace

int Plot::plotX(double x) const { return rounded(abscissa.position(x)); }

int Plot::plotY(double y) const { return rounded(ordinate.arith(kPlotSize - ordinate.position(y))); }

std::string stepText(double step) { return num::general(step, num::kSingleDigits); }

Plot computePlot(const table::Table& table, int xCol, int yCol) {
  Plot plot;
  const Range rx = scanColumn(table, xCol), ry = scanColumn(table, yCol);
  if (rx.flat() || ry.flat()) return plot;
  plot.plottable = true;
  plot.abscissa = axisScale(rx);
  plot.ordinate = axisScale(ry);
  const AxisScale& h = plot.abscissa;
  const AxisScale& v = plot.ordinate;
  plot.axisX = rounded(h.offset);
  plot.axisY = rounded(v.arith(kPlotSize - v.offset));
  for (double t : graduations(h)) plot.marksX.push_back(plot.plotX(t));
  for (double t : graduations(v)) plot.marksY.push_back(plot.plotY(t));
  plot.scaleText = msg::shownFormat(VELMIRA_TEXT("velmira::msg",
                                                 "En abscisse, une division correspond à\n%1 unités.\n\n"
                                                 "En ordonnée, une division correspond à\n%2 unités."),
                                    {stepText(h.step), stepText(v.step)});
  for (int row = 1; row < table.rows(); ++row) {
    const auto x = num::readSingle(table.cell(row, xCol));
    const auto y = num::readSingle(table.cell(row, yCol));
    if (!x || !y) continue;
    const PixelPoint at{plot.plotX(*x), plot.plotY(*y)};
    plot.points.push_back({row, *x, *y, at});
    appendCurvePoint(plot.curve, {static_cast<float>(at.x), static_cast<float>(at.y)});
  }
  return plot;
}

std::string pointerXText(const Plot& plot, double X) {
  return "x = " + readoutText(plot.abscissa.value(X), plot.abscissa.step);
}

std::string pointerYText(const Plot& plot, double Y) {
  const AxisScale& v = plot.ordinate;
  return "y = " + readoutText(v.value(v.arith(kPlotSize - Y)), v.step);
}

std::vector<Stroke> plotStrokes(const Plot& plot, const PlotOptions& options, const std::vector<bool>& inFit) {
  std::vector<Stroke> s;
  if (!plot.plottable) return s;
  const AxisScale& h = plot.abscissa;
  const AxisScale& v = plot.ordinate;
  const Arithmetic rh = h.arith, rv = v.arith;
  const int ax = plot.axisX, ay = plot.axisY;
  const double axisY = rv(kPlotSize - v.offset);

  // Axes with their arrow heads.
  s.push_back(line(Ink::Axis, {ax, 0}, {ax, 495}));
  s.push_back(line(Ink::Axis, {ax, 0}, {rounded(rh(h.offset - 3)), 5}));
  s.push_back(line(Ink::Axis, {ax, 0}, {rounded(rh(h.offset + 3)), 5}));
  s.push_back(line(Ink::Axis, {5, ay}, {500, ay}));
  s.push_back(line(Ink::Axis, {495, rounded(rv(axisY - 3))}, {500, ay}));
  s.push_back(line(Ink::Axis, {495, rounded(rv(axisY + 3))}, {500, ay}));

  // Grid lines (dotted) or marks across the axis.
  const int markTop = rounded(rv(kPlotSize - rv(v.offset + 3)));
  const int markBottom = rounded(rv(kPlotSize - rv(v.offset - 2)));
  for (int x : plot.marksX)
    s.push_back(options.grid ? line(Ink::Axis, {x, 5}, {x, 495}, true)
                             : line(Ink::Axis, {x, markTop}, {x, markBottom}));
  const int markLeft = rounded(rh(h.offset - 3)), markRight = rounded(rh(h.offset + 2));
  for (int y : plot.marksY)
    s.push_back(options.grid ? line(Ink::Axis, {5, y}, {495, y}, true)
                             : line(Ink::Axis, {markLeft, y}, {markRight, y}));

  // Points.
  for (std::size_t i = 0; i < plot.points.size(); ++i) {
    const PlottedPoint& p = plot.points[i];
    const int X = p.at.x, Y = p.at.y;
    if (i < inFit.size() && !inFit[i]) {
      const int k = kHollowArm;
      s.push_back(line(Ink::Point, {X - k, Y - k}, {X + k, Y - k}));
      s.push_back(line(Ink::Point, {X + k, Y - k}, {X + k, Y + k}));
      s.push_back(line(Ink::Point, {X + k, Y + k}, {X - k, Y + k}));
      s.push_back(line(Ink::Point, {X - k, Y + k}, {X - k, Y - k}));
    } else if (options.crosses) {
      s.push_back(line(Ink::Point, {X - 2, Y}, {X + 3, Y}));
      s.push_back(line(Ink::Point, {X, Y - 2}, {X, Y + 3}));
    } else {
      s.push_back(dot(Ink::Point, p.at));
    }
  }

  // The segments, or the curve.
  if (options.join && options.straight) {
    for (std::size_t k = 1; k < plot.points.size(); ++k)
      s.push_back({Ink::Curve, false, plot.points[k - 1].at, plot.points[k].at});
  } else if (options.join && plot.canJoin()) {
    for (const auto& piece : bezierPieces(closedCurve(plot.curve))) {
      s.push_back(dot(Ink::Curve, piece.front()));
      for (std::size_t k = 1; k < piece.size(); ++k) s.push_back({Ink::Curve, false, piece[k - 1], piece[k]});
    }
  }
  return s;
}

}  // namespace velmira::graph
