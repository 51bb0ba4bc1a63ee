// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph/GraphCurve.h"

#include <algorithm>
#include <cmath>

#include "platform/core/NumberText.h"

namespace velmira::graph {

namespace {

CurvePoint midpoint(CurvePoint a, CurvePoint b) { return {(a.x + b.x) / 2, (a.y + b.y) / 2}; }

int rounded(double v) { return static_cast<int>(num::roundHalfEven(v)); }

}  // namespace

void appendCurvePoint(std::vector<CurvePoint>& list, CurvePoint p) {
  // n counts from 1: the new point's number, and a midpoint first at
  // n = 4, 7, 10, ...
  const std::size_t n = list.size() + 1;
  if (n >= 2 && (n - 1) % 3 == 0) list.push_back(midpoint(list.back(), p));
  list.push_back(p);
}

std::vector<CurvePoint> closedCurve(std::vector<CurvePoint> list) {
  const std::size_t n = list.size();
  if (n < 3) return list;
  if ((n - 2) % 3 == 0) {
    // The last midpoint gives way to the last data point.
    list[n - 2] = list[n - 1];
    list.pop_back();
  } else {
    list.push_back(list[n - 1]);
    list[n - 1] = midpoint(list[n - 2], list[n]);
  }
  return list;
}

std::vector<std::vector<PixelPoint>> bezierPieces(const std::vector<CurvePoint>& closed) {
  std::vector<std::vector<PixelPoint>> pieces;
  for (std::size_t i = 0; i + 3 < closed.size(); i += 3) {
    const double x0 = closed[i].x, y0 = closed[i].y;
    const double x1 = closed[i + 1].x, y1 = closed[i + 1].y;
    const double x2 = closed[i + 2].x, y2 = closed[i + 2].y;
    const double x3 = closed[i + 3].x, y3 = closed[i + 3].y;
    const double m = std::max({std::fabs(x3 - x0), std::fabs(y3 - y0), 2.0});
    std::vector<PixelPoint> piece;
    auto add = [&](double t) {
      const double s = 1 - t;
      const double a = s * s * s, b = 3 * t * s * s, c = 3 * t * t * s, d = t * t * t;
      const PixelPoint p{rounded(a * x0 + b * x1 + c * x2 + d * x3), rounded(a * y0 + b * y1 + c * y2 + d * y3)};
      if (piece.empty() || piece.back() != p) piece.push_back(p);
    };
    // The steps of 1/m counted in whole steps, so that no rounding of t can
    // stop the piece short of P3.
    const auto steps = static_cast<long>(std::floor(m));
    for (long k = 0; k <= steps; ++k) add(static_cast<double>(k) / m);
    if (static_cast<double>(steps) < m) add(1.0);
    pieces.push_back(std::move(piece));
  }
  return pieces;
}

}  // namespace velmira::graph
