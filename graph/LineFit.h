// SPDX-License-Identifier: GPL-3.0-or-later
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
//
// Standard uncertainties of the parameters, from the residuals:
//  - through the origin: u(a) = √( Σ(y - a·x)² / (n - 1) / Σx² ), n ≥ 2;
//  - affine: s² = Σ(y - a·x - b)² / (n - 2), u(a) = s / √Sxx with
//    Sxx = Σ(x - x̄)², u(b) = s·√(1/n + x̄²/Sxx), cov(a, b) = -x̄·s²/Sxx,
//    n ≥ 3.
// With fewer points there is no uncertainty ("u non calculable").
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "graph/GraphPlot.h"

namespace velmira::graph {

enum class FitKind { ThroughOrigin, Affine };

struct FitUncertainty {
  double a = 0, b = 0;  // u(a), u(b); u(b) is 0 through the origin
  double ab = 0;        // cov(a, b)
};

struct LineFit {
  FitKind kind = FitKind::ThroughOrigin;
  bool possible = false;
  double a = 0, b = 0, r2 = 0;
  double sse = 0;                                  // residual sum of squares
  double x0 = 0, y0 = 0;                           // a point of the line: the origin, or the mean point
  int n = 0;                                       // points fitted
  std::optional<FitUncertainty> u = std::nullopt;  // none: too few points, or no line
};

inline constexpr const char* kFitImpossible = VELMIRA_TEXT("velmira::msg", "impossible");
inline constexpr const char* kUncertaintyUnknown = VELMIRA_TEXT("velmira::msg", "u non calculable");
// Uncertainties are written with 3 significant digits: "4,12E+01".
inline constexpr std::string_view kUncertaintyMask = "0.00E+00";

// Fewer than two points: the model cannot be asked for.
inline bool canFit(const Plot& plot) { return plot.points.size() >= 2; }

LineFit fitLine(std::span<const PlottedPoint> points, FitKind kind);

// "y = a·x ; a = A ; r² = R" or "y = a·x + b ; a = A ; b = B ; r² = R", A
// and B with the table's mask, R with "0.0000"; kFitImpossible when the fit
// is not possible.
std::string equationText(const LineFit& fit, std::string_view mask);

// "u(a) = X" through the origin, "u(a) = X ; u(b) = Y" affine
// (kUncertaintyMask), or kUncertaintyUnknown.
std::string uncertaintyText(const LineFit& fit);

// Reading the line ("Lire sur la droite"): the abscissa of ordinate y on the
// model, x = y / a or x = (y - b) / a, and its uncertainty to first order
// from u(y) and the fit's:
//   through the origin  u(x)² = [u(y)² + x²·u(a)²] / a²,
//   affine              u(x)² = [u(y)² + u(b)² + x²·u(a)² + 2·x·cov(a, b)] / a².
// Impossible without a line or with a = 0; no u(x) when the fit has none.
struct LineReading {
  bool possible = false;
  double x = 0;
  std::optional<double> u;
};
LineReading readLine(const LineFit& fit, double y, double uy = 0);

// "x = X ; u(x) = UX" (kUncertaintyMask), "x = X ; u non calculable", or
// kFitImpossible.
std::string readingText(const LineReading& reading);

// The line across the plot, clipped to the plot square; none when it
// misses the plot or the fit is not possible.
std::optional<Stroke> lineStroke(const Plot& plot, const LineFit& fit);

// The line's stroke put among `strokes` under the points (after the axes
// and the grid), when it crosses the plot.
void addLineStroke(std::vector<Stroke>& strokes, const Plot& plot, const LineFit& fit);

}  // namespace velmira::graph
