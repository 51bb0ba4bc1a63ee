// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph/TwoLineFit.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/core/Messages.h"
#include "platform/core/NumberText.h"

namespace velmira::graph {

namespace {

constexpr int kPlotLast = kPlotSize - 1;

int rounded(double v) { return static_cast<int>(num::roundHalfEven(v)); }

bool onPlot(double p) { return p >= 0 && p <= kPlotLast; }

// The pixels of a stroke from its start, `from` to `to` units along its
// longer axis.
Stroke piece(const Stroke& whole, int length, int from, int to) {
  const auto at = [&](int t) {
    const double f = static_cast<double>(t) / length;
    return PixelPoint{rounded(whole.a.x + f * (whole.b.x - whole.a.x)),
                      rounded(whole.a.y + f * (whole.b.y - whole.a.y))};
  };
  return {whole.ink, false, at(from), at(to)};
}

std::vector<Stroke> dashes(const Stroke& whole) {
  const int length = std::max(std::abs(whole.b.x - whole.a.x), std::abs(whole.b.y - whole.a.y));
  if (length == 0) return {whole};
  std::vector<Stroke> out;
  for (int t = 0; t <= length; t += kDashOn + kDashOff)
    out.push_back(piece(whole, length, t, std::min(t + kDashOn - 1, length)));
  return out;
}

}  // namespace

TwoLineFit fitTwoLines(std::span<const PlottedPoint> points) {
  TwoLineFit best;
  const std::size_t n = points.size();
  if (n < kTwoLinesMinPoints) return best;
  std::vector<PlottedPoint> sorted(points.begin(), points.end());
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const PlottedPoint& p, const PlottedPoint& q) { return p.x < q.x; });
  const std::span<const PlottedPoint> all(sorted);
  double bestSum = 0;
  for (std::size_t k = 2; k + 2 <= n; ++k) {
    // A side whose abscissas are all equal has no affine line: fitLine says so.
    const LineFit first = fitLine(all.first(k), FitKind::Affine);
    if (!first.possible) continue;
    const LineFit second = fitLine(all.subspan(k), FitKind::Affine);
    if (!second.possible) continue;
    const double sum = first.sse + second.sse;
    if (!std::isfinite(sum)) continue;
    if (best.possible && !(sum < bestSum)) continue;
    best.possible = true;
    best.first = first;
    best.second = second;
    best.split = static_cast<int>(k);
    bestSum = sum;
  }
  if (!best.possible) return best;
  const LineFit& l1 = best.first;
  const LineFit& l2 = best.second;
  if (l1.a != l2.a) {
    best.x = (l2.b - l1.b) / (l1.a - l2.a);
    best.y = l1.a * best.x + l1.b;
    best.crossing = std::isfinite(best.x) && std::isfinite(best.y);
  }
  if (!best.crossing) {
    best.x = best.y = 0;
    return best;
  }
  if (l1.u && l2.u) {
    const double x = best.x, da = l1.a - l2.a;
    const auto part = [x](const FitUncertainty& u) { return u.b * u.b + x * x * u.a * u.a + 2 * x * u.ab; };
    const double v = (part(*l1.u) + part(*l2.u)) / (da * da);
    if (std::isfinite(v)) best.ux = std::sqrt(std::max(v, 0.0));
  }
  return best;
}

std::string intersectionText(const TwoLineFit& fit, std::string_view mask) {
  if (!fit.possible || !fit.crossing) return msg::shown(kFitImpossible);
  return "x = " + num::format(fit.x, mask) + " ; y = " + num::format(fit.y, mask);
}

std::string intersectionUncertaintyText(const TwoLineFit& fit) {
  if (!fit.possible || !fit.crossing || !fit.ux) return msg::shown(kUncertaintyUnknown);
  return "u(x) = " + num::format(*fit.ux, kUncertaintyMask);
}

std::string twoLinesText(const TwoLineFit& fit, std::string_view mask) {
  return msg::shownFormat(VELMIRA_TEXT("velmira::msg", "Droite 1 : %1"), {equationText(fit.first, mask)}) + "\n" +
         msg::shownFormat(VELMIRA_TEXT("velmira::msg", "Droite 2 : %1"), {equationText(fit.second, mask)}) + "\n" +
         msg::shown(kIntersectionCaption) + intersectionText(fit, mask);
}

TwoLineStrokes twoLineStrokes(const Plot& plot, const TwoLineFit& fit) {
  TwoLineStrokes out;
  if (!plot.plottable || !fit.possible) return out;
  if (const auto s = lineStroke(plot, fit.first)) out.first.push_back(*s);
  if (auto s = lineStroke(plot, fit.second)) {
    s->ink = Ink::SecondLine;
    out.second = dashes(*s);
  }
  if (fit.crossing) {
    // Rounded only once known to lie on the plot.
    const double px = plot.abscissa.position(fit.x);
    const double py = plot.ordinate.arith(kPlotSize - plot.ordinate.position(fit.y));
    if (onPlot(px) && onPlot(py)) {
      const PixelPoint c{rounded(px), rounded(py)};
      out.crossShown = true;
      out.crossAt = c;
      out.cross.push_back({Ink::Mark, false, {c.x - kCrossArm, c.y - kCrossArm}, {c.x + kCrossArm, c.y + kCrossArm}});
      out.cross.push_back({Ink::Mark, false, {c.x - kCrossArm, c.y + kCrossArm}, {c.x + kCrossArm, c.y - kCrossArm}});
    }
  }
  return out;
}

void addTwoLineStrokes(std::vector<Stroke>& strokes, const TwoLineStrokes& lines) {
  const auto at = std::find_if(strokes.begin(), strokes.end(), [](const Stroke& s) { return s.ink != Ink::Axis; });
  const auto second = strokes.insert(at, lines.second.begin(), lines.second.end());
  strokes.insert(second, lines.first.begin(), lines.first.end());
  strokes.insert(strokes.end(), lines.cross.begin(), lines.cross.end());
}

PixelPoint intersectionLabelAt(PixelPoint cross, int textWidth, int textHeight) {
  constexpr int gap = kCrossArm + 3;
  int x = cross.x + gap;
  if (x + textWidth > kPlotLast) x = cross.x - gap - textWidth;
  int y = cross.y - gap - textHeight;
  if (y < 0) y = cross.y + gap;
  return {std::clamp(x, 0, std::max(0, kPlotLast - textWidth)), std::clamp(y, 0, std::max(0, kPlotLast - textHeight))};
}

}  // namespace velmira::graph
