// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph/GraphLabels.h"

#include <algorithm>
#include <cmath>

#include "graph/FitRange.h"
#include "platform/core/Messages.h"
#include "platform/core/NumberText.h"
#include "table/Table.h"
#include "table/TableText.h"

namespace velmira::graph {

namespace {

constexpr int kMaxDecimals = 15;
// A step is a 32-bit float: its decimal form is exact to about 1E-7.
constexpr double kStepTolerance = 1e-6;
// Significant digits of the numbers of the fit on the plot.
constexpr int kFitDigits = 4;

// `value` rounded to a multiple of `quantum`, as text; never "-0".
std::string roundedText(double value, double quantum) {
  if (!std::isfinite(value)) return {};
  double r = value;
  if (quantum > 0 && std::isfinite(quantum)) r = std::round(value / quantum) * quantum;
  if (r == 0) r = 0;
  return num::general(r, num::kSingleDigits);
}

bool overlaps(const TickLabel& a, const TickLabel& b, const TextExtent& extent, double gap) {
  return std::fabs(b.at - a.at) < (extent(a.text) + extent(b.text)) / 2 + gap;
}

}  // namespace

int stepDecimals(double step) {
  if (!(step > 0) || !std::isfinite(step)) return 0;
  double scaled = step;
  for (int d = 0; d < kMaxDecimals; ++d, scaled *= 10)
    if (std::fabs(scaled - std::round(scaled)) <= kStepTolerance * scaled) return d;
  return kMaxDecimals;
}

std::string graduationText(double value, double step) {
  return roundedText(value, std::pow(10.0, -stepDecimals(step)));
}

std::vector<TickLabel> axisTicks(const Plot& plot, bool vertical) {
  std::vector<TickLabel> ticks;
  if (!plot.plottable) return ticks;
  const AxisScale& axis = vertical ? plot.ordinate : plot.abscissa;
  for (double t : graduations(axis)) {
    const int at = vertical ? plot.plotY(t) : plot.plotX(t);
    if (at >= 0 && at <= kPlotSize) ticks.push_back({static_cast<double>(at), graduationText(t, axis.step)});
  }
  return ticks;
}

std::vector<TickLabel> spacedLabels(const std::vector<TickLabel>& ticks, const TextExtent& extent, double gap) {
  const std::size_t n = ticks.size();
  if (n <= 2) return ticks;
  for (std::size_t k = 1; k < n; ++k) {
    std::vector<TickLabel> picked;
    for (std::size_t i = 0; i < n - 1; i += k) picked.push_back(ticks[i]);
    // The last one always shows: the regular one before it gives way.
    if (picked.size() > 1 && overlaps(picked.back(), ticks[n - 1], extent, gap)) picked.pop_back();
    picked.push_back(ticks[n - 1]);
    bool clear = true;
    for (std::size_t i = 1; i < picked.size() && clear; ++i) clear = !overlaps(picked[i - 1], picked[i], extent, gap);
    if (clear) return picked;
  }
  return {ticks.front(), ticks.back()};
}

std::vector<TickLabel> abscissaLabels(const Plot& plot, const TextExtent& width) {
  return spacedLabels(axisTicks(plot, false), width);
}

std::vector<TickLabel> ordinateLabels(const Plot& plot, const TextExtent& height) {
  return spacedLabels(axisTicks(plot, true), height);
}

std::string readoutText(double value, double step) {
  if (!(step > 0) || !std::isfinite(step)) return num::general(value, num::kSingleDigits);
  return roundedText(value, std::pow(10.0, std::floor(std::log10(step)) - 1));
}

FitNote fitNote(const LineFit& fit) {
  FitNote note;
  if (!fit.possible) return note;
  std::string equation = "y = " + num::general(fit.a, kFitDigits) + "·x";
  if (fit.kind == FitKind::Affine) {
    const std::string b = num::general(std::fabs(fit.b), kFitDigits);
    if (b != "0") equation += (fit.b < 0 ? " - " : " + ") + b;
  }
  note.lines = {equation, "r² = " + num::format(fit.r2, "0.0000"), uncertaintyText(fit)};
  note.right = fit.a < 0;
  return note;
}

namespace {

// The segment a–b meets the box [x0, x1] × [y0, y1] (both ends included).
bool meets(const Stroke& s, int x0, int y0, int x1, int y1) {
  // Liang–Barsky clipping on the segment's parameter.
  const double dx = s.b.x - s.a.x, dy = s.b.y - s.a.y;
  double t0 = 0, t1 = 1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {s.a.x - static_cast<double>(x0), x1 - static_cast<double>(s.a.x),
                       s.a.y - static_cast<double>(y0), y1 - static_cast<double>(s.a.y)};
  for (int k = 0; k < 4; ++k) {
    if (p[k] == 0) {
      if (q[k] < 0) return false;
      continue;
    }
    const double t = q[k] / p[k];
    if (p[k] < 0)
      t0 = std::max(t0, t);
    else
      t1 = std::min(t1, t);
    if (t0 > t1) return false;
  }
  return true;
}

}  // namespace

PixelPoint notePlace(const std::vector<Stroke>& strokes, int w, int h, bool right) {
  const auto free = [&](int x, int y) {
    for (const Stroke& s : strokes)
      if (s.ink != Ink::Axis && meets(s, x, y, x + w, y + h)) return false;
    return true;
  };
  const int left = kNoteInset, top = kNoteInset, far = kPlotSize - kNoteInset - w, bottom = kPlotSize - kNoteInset - h;
  const PixelPoint corners[] = {{right ? far : left, top}, {right ? left : far, top}, {far, bottom}, {left, bottom}};
  for (const PixelPoint& c : corners)
    if (free(c.x, c.y)) return c;
  for (int y = top; y <= bottom; y += kNoteStep)
    for (int x = left; x <= far; x += kNoteStep)
      if (free(x, y)) return {x, y};
  return corners[0];
}

FitNote twoLinesNote(const TwoLineFit& fit, std::string_view mask) {
  FitNote note;
  const std::string text = twoLinesText(fit, mask);
  for (std::size_t from = 0;;) {
    const std::size_t end = text.find('\n', from);
    note.lines.push_back(text.substr(from, end - from));
    if (end == std::string::npos) break;
    from = end + 1;
  }
  if (fit.possible) note.lines.push_back(intersectionUncertaintyText(fit));
  note.inks = {Ink::Line, Ink::SecondLine, Ink::Mark, Ink::Mark};
  return note;
}

Figure graphFigure(const table::Table& table, int xCol, int yCol, const PlotOptions& options,
                   std::optional<FitKind> fit, bool twoLines, const std::optional<RowRange>& range) {
  Figure f;
  f.plot = computePlot(table, xCol, yCol);
  f.abscissaName = table::columnName(table, xCol);
  f.ordinateName = table::columnName(table, yCol);
  if (!f.plot.plottable) return f;
  const bool twoShown = twoLines && canFitTwoLines(f.plot), lineShown = !twoShown && fit && canFit(f.plot);
  PlotOptions shown = options;
  shown.straight = twoShown || lineShown;
  const FitPoints points = fitPoints(f.plot, range);
  f.strokes = plotStrokes(f.plot, shown, shown.straight ? points.inFit : std::vector<bool>{});
  if (twoShown) {
    f.twoLines = fitTwoLines(points.used);
    const TwoLineStrokes lines = twoLineStrokes(f.plot, *f.twoLines);
    addTwoLineStrokes(f.strokes, lines);
    if (lines.crossShown) {
      f.cross = lines.crossAt;
      f.intersectionLabel = msg::shown(kIntersectionCaption) + intersectionText(*f.twoLines, table.mask());
    }
    f.note = twoLinesNote(*f.twoLines, table.mask());
  } else if (lineShown) {
    f.fit = fitLine(points.used, *fit);
    addLineStroke(f.strokes, f.plot, *f.fit);
    f.note = fitNote(*f.fit);
  }
  return f;
}

std::string figureDescription(const Figure& figure) {
  const Plot& plot = figure.plot;
  if (!plot.plottable) return {};
  const std::size_t n = plot.points.size();
  std::string text = msg::shownFormat(n > 1 ? VELMIRA_TEXT("velmira::msg", "%1 en fonction de %2 : %3 points")
                                            : VELMIRA_TEXT("velmira::msg", "%1 en fonction de %2 : %3 point"),
                                      {figure.ordinateName, figure.abscissaName, std::to_string(n)});
  for (const PlottedPoint& p : plot.points)
    text += "\n" + msg::shownFormat(VELMIRA_TEXT("velmira::msg", "ligne %1 : %2 ; %3"),
                                    {std::to_string(p.row), num::general(p.x, num::kSingleDigits),
                                     num::general(p.y, num::kSingleDigits)});
  for (const std::string& line : figure.note.lines) text += "\n" + line;
  return text;
}

}  // namespace velmira::graph
