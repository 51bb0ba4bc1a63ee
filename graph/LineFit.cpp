// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph/LineFit.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/core/Messages.h"
#include "platform/core/NumberText.h"

namespace velmira::graph {

LineFit fitLine(std::span<const PlottedPoint> points, FitKind kind) {
  LineFit fit;
  fit.kind = kind;
  fit.n = static_cast<int>(points.size());
  if (points.size() < 2) return fit;
  const double n = static_cast<double>(points.size());
  if (kind == FitKind::ThroughOrigin) {
    double sxx = 0, sxy = 0, syy = 0;
    for (const PlottedPoint& p : points) {
      const double x = p.x, y = p.y;
      sxx += x * x;
      sxy += x * y;
      syy += y * y;
    }
    if (!(sxx > 0)) return fit;  // every x is 0
    fit.a = sxy / sxx;
    double sse = 0;
    for (const PlottedPoint& p : points) {
      const double r = static_cast<double>(p.y) - fit.a * p.x;
      sse += r * r;
    }
    fit.sse = sse;
    fit.r2 = syy > 0 ? 1 - sse / syy : 1;
    fit.u = FitUncertainty{std::sqrt(sse / (n - 1) / sxx), 0, 0};
  } else {
    const float firstX = points.front().x;
    if (std::all_of(points.begin(), points.end(), [&](const PlottedPoint& p) { return p.x == firstX; })) return fit;
    double sx = 0, sy = 0;
    for (const PlottedPoint& p : points) {
      sx += p.x;
      sy += p.y;
    }
    const double mx = sx / n, my = sy / n;
    double sxx = 0, sxy = 0, syy = 0;
    for (const PlottedPoint& p : points) {
      const double dx = p.x - mx, dy = p.y - my;
      sxx += dx * dx;
      sxy += dx * dy;
      syy += dy * dy;
    }
    if (!(sxx > 0)) return fit;
    fit.a = sxy / sxx;
    fit.b = my - fit.a * mx;
    double sse = 0;
    for (const PlottedPoint& p : points) {
      const double r = static_cast<double>(p.y) - fit.a * p.x - fit.b;
      sse += r * r;
    }
    fit.sse = sse;
    fit.r2 = syy > 0 ? 1 - sse / syy : 1;
    fit.x0 = mx;
    fit.y0 = my;
    if (n >= 3) {
      const double s2 = sse / (n - 2);
      fit.u = FitUncertainty{std::sqrt(s2 / sxx), std::sqrt(s2 * (1 / n + mx * mx / sxx)), -mx * s2 / sxx};
    }
  }
  fit.possible = std::isfinite(fit.a) && std::isfinite(fit.b) && std::isfinite(fit.r2);
  if (fit.u && !(fit.possible && std::isfinite(fit.u->a) && std::isfinite(fit.u->b) && std::isfinite(fit.u->ab)))
    fit.u.reset();
  return fit;
}

std::string uncertaintyText(const LineFit& fit) {
  if (!fit.possible || !fit.u) return msg::shown(kUncertaintyUnknown);
  const std::string ua = "u(a) = " + num::format(fit.u->a, kUncertaintyMask);
  if (fit.kind == FitKind::ThroughOrigin) return ua;
  return ua + " ; u(b) = " + num::format(fit.u->b, kUncertaintyMask);
}

LineReading readLine(const LineFit& fit, double y, double uy) {
  LineReading r;
  if (!fit.possible || fit.a == 0) return r;
  const double b = fit.kind == FitKind::Affine ? fit.b : 0;
  r.x = (y - b) / fit.a;
  r.possible = std::isfinite(r.x);
  if (!r.possible || !fit.u) return r;
  // u(b) and cov(a, b) are 0 through the origin. The variance of a linear
  // combination: never below 0 but for rounding.
  const FitUncertainty& u = *fit.u;
  const double v = (uy * uy + u.b * u.b + r.x * r.x * u.a * u.a + 2 * r.x * u.ab) / (fit.a * fit.a);
  if (std::isfinite(v)) r.u = std::sqrt(std::max(v, 0.0));
  return r;
}

std::string readingText(const LineReading& reading) {
  if (!reading.possible) return msg::shown(kFitImpossible);
  const std::string x = "x = " + num::format(reading.x, kUncertaintyMask);
  if (!reading.u) return x + " ; " + msg::shown(kUncertaintyUnknown);
  return x + " ; u(x) = " + num::format(*reading.u, kUncertaintyMask);
}

std::string equationText(const LineFit& fit, std::string_view mask) {
  if (!fit.possible) return msg::shown(kFitImpossible);
  const std::string r2 = " ; r² = " + num::format(fit.r2, "0.0000");
  const std::string a = num::format(fit.a, mask);
  if (fit.kind == FitKind::ThroughOrigin) return "y = a·x ; a = " + a + r2;
  return "y = a·x + b ; a = " + a + " ; b = " + num::format(fit.b, mask) + r2;
}

std::optional<Stroke> lineStroke(const Plot& plot, const LineFit& fit) {
  if (!plot.plottable || !fit.possible) return std::nullopt;
  const AxisScale& h = plot.abscissa;
  const AxisScale& v = plot.ordinate;
  // The line through P in direction d, in plot units.
  const double px = fit.x0 * h.scale + h.offset;
  const double py = kPlotSize - (fit.y0 * v.scale + v.offset);
  double dx = h.scale, dy = -fit.a * v.scale;
  const double norm = std::max(std::fabs(dx), std::fabs(dy));
  if (!std::isfinite(px) || !std::isfinite(py) || !std::isfinite(norm) || !(norm > 0)) return std::nullopt;
  dx /= norm;
  dy /= norm;
  // Clipped to the pixels 0..499 of both axes.
  constexpr double lo = 0, hi = kPlotSize - 1;
  double t0 = -std::numeric_limits<double>::infinity(), t1 = std::numeric_limits<double>::infinity();
  for (auto [p, d] : {std::pair{px, dx}, std::pair{py, dy}}) {
    if (d == 0) {
      if (p < lo || p > hi) return std::nullopt;
      continue;
    }
    double ta = (lo - p) / d, tb = (hi - p) / d;
    if (ta > tb) std::swap(ta, tb);
    t0 = std::max(t0, ta);
    t1 = std::min(t1, tb);
  }
  if (!(t0 <= t1)) return std::nullopt;
  auto at = [&](double t) {
    const auto clamp = [&](double c) { return static_cast<int>(num::roundHalfEven(std::clamp(c, lo, hi))); };
    return PixelPoint{clamp(px + t * dx), clamp(py + t * dy)};
  };
  return Stroke{Ink::Line, false, at(t0), at(t1)};
}

void addLineStroke(std::vector<Stroke>& strokes, const Plot& plot, const LineFit& fit) {
  const auto line = lineStroke(plot, fit);
  if (!line) return;
  const auto at = std::find_if(strokes.begin(), strokes.end(), [](const Stroke& s) { return s.ink != Ink::Axis; });
  strokes.insert(at, *line);
}

}  // namespace velmira::graph
