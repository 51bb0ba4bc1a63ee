#pragma once
// The least-squares line through the plotted points ("Modéliser"): through
// the origin or affine, its equation text, and the segment that draws it
// across the plot.
//
// Values are the cells as 32-bit floats; sums are 64-bit.
//  - through the origin: a = Σxy / Σx², r² = 1 - Σ(y - ax)² / Σy² (r² = 1
//    when every y is 0); impossible when every x is 0;
//  - affine: a = Σ(x - x̄)(y - ȳ) / Σ(x - x̄)², b = ȳ - a·x̄,
//    r² = 1 - Σ(y - ax - b)² / Σ(y - ȳ)² (r² = 1 when every y is equal);
//    impossible when every x is equal.
// Both need at least two points.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "graph/GraphPlot.h"

namespace velmira::graph {

enum class FitKind { ThroughOrigin, Affine };

struct LineFit {
  FitKind kind = FitKind::ThroughOrigin;
  bool possible = false;
  double a = 0, b = 0, r2 = 0;
  double sse = 0;         // residual sum of squares
  double x0 = 0, y0 = 0;  // a point of the line: the origin, or the mean point
};

inline constexpr const char* kFitImpossible = "impossible";

// Fewer than two points: the model cannot be asked for.
inline bool canFit(const Plot& plot) { return plot.points.size() >= 2; }

LineFit fitLine(std::span<const PlottedPoint> points, FitKind kind);

// "y = a·x ; a = A ; r² = R" or "y = a·x + b ; a = A ; b = B ; r² = R", A
// and B with the table's mask, R with "0.0000"; kFitImpossible when the fit
// is not possible.
std::string equationText(const LineFit& fit, std::string_view mask);

// The line across the plot, clipped to the plot square; none when it
// misses the plot or the fit is not possible.
std::optional<Stroke> lineStroke(const Plot& plot, const LineFit& fit);

// The line's stroke put among `strokes` under the points (after the axes
// and the grid), when it crosses the plot.
void addLineStroke(std::vector<Stroke>& strokes, const Plot& plot, const LineFit& fit);

}  // namespace velmira::graph
