// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The smooth curve through the plotted points ("Lier les points"): the
// curve-point list with its midpoints, its closing on the last data point,
// and the cubic Bézier pieces drawn through it.
//
// The list reads D1, D2, D3, M34, D4, D5, M56, D6, D7, M78, D8, ... (Mij the
// midpoint of data points i and j). Closed, every fourth point from the first
// starts a piece whose two inner points act as control points, so the curve
// passes through the first point, the midpoints and the last point.
#include <vector>

namespace velmira::graph {

struct CurvePoint {
  float x = 0;
  float y = 0;
  bool operator==(const CurvePoint&) const = default;
};

struct PixelPoint {
  int x = 0;
  int y = 0;
  bool operator==(const PixelPoint&) const = default;
};

// At most 100 data points make 149 curve points, and the closing one more.
inline constexpr int kMaxCurvePoints = 200;

// Appends a data point (plot units), first the midpoint it calls for.
void appendCurvePoint(std::vector<CurvePoint>& list, CurvePoint p);

// The curve needs at least four data points (five list entries).
inline bool canJoin(const std::vector<CurvePoint>& list) { return list.size() >= 5; }

// The list made to end on its last data point.
std::vector<CurvePoint> closedCurve(std::vector<CurvePoint> list);

// The pieces of the curve through a closed list: each a polyline of pixels,
// its first point where the pen is set (drawn as a point), then the line
// ends. Piece P0 P1 P2 P3 is sampled at t = k/m (m the larger of its
// horizontal and vertical spans, at least 2) and ends at t = 1 on P3.
std::vector<std::vector<PixelPoint>> bezierPieces(const std::vector<CurvePoint>& closed);

}  // namespace velmira::graph
