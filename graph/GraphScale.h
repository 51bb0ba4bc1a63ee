// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Scales of the graph's two axes: the range scan of a column, the scale and
// offset that put the range on plot units 5..485, the graduation step
// (`uniteur`) and the graduations.
//
// Every quantity is computed in single precision (each operation rounded to
// a 32-bit float). An axis whose single-precision arithmetic would overflow
// or never settle (extents near the ends of the float range: a range wider
// than the largest float, an extent below about 3E-38, graduations past
// the largest float) is computed in 64-bit instead, with the same formulas.
#include <cmath>
#include <limits>
#include <vector>

namespace velmira::table {
class Table;
}

namespace velmira::graph {

// Plot units: the data range spans 5..485 on both axes.
inline constexpr int kPlotSize = 500;
inline constexpr float kDataSpan = 480;
inline constexpr float kDataStart = 5;

// Minimum and maximum of a column, both starting at 0.
struct Range {
  float min = 0;
  float max = 0;
  // Both ends 0: the column cannot be plotted.
  bool flat() const { return min == 0 && max == 0; }
};

// Data rows 1..Rows-1 of column `col`; a cell that is not a number counts as 0.
Range scanColumn(const table::Table& table, int col);

// Rounds each operation's result to a 32-bit float, or keeps 64 bits.
struct Arithmetic {
  bool single = true;
  double operator()(double v) const {
    if (!single) return v;
    // From the largest float plus half its last place on, a value rounds to
    // infinity (a plain conversion would be undefined there).
    constexpr double kRoundsToInfinity = 0x1.ffffffp127;
    if (std::fabs(v) >= kRoundsToInfinity) return std::copysign(std::numeric_limits<double>::infinity(), v);
    return static_cast<double>(static_cast<float>(v));
  }
};

struct AxisScale {
  Arithmetic arith;
  double scale = 0;   // plot units per data unit
  double offset = 0;  // plot coordinate of the data value 0 (y: above the bottom edge)
  double step = 0;    // graduation step
  double first = 0;   // ⌊min / step⌋ × step
  double last = 0;    // ⌊max / step + 1.5⌋ × step

  // value × scale + offset, unrounded.
  double position(double value) const { return arith(arith(value * scale) + offset); }
  // (position - offset) / scale: the data value at a plot coordinate.
  double value(double position) const { return arith(arith(position - offset) / scale); }
};

// The axis of a range that is not flat.
AxisScale axisScale(Range range);

// `uniteur`: the graduation step of a positive extent, so that
// 5 <= extent / step <= 10 (7 → 1, 3 → 0,5, 100 → 10, 12 → 1,25).
// Returns 0 when single precision cannot hold it (then use single = false).
// A non-positive or non-finite extent gives 1.
double graduationStep(double extent, bool single = true);

// The graduation values from first to last by step, as a counter of the
// axis precision advances; at most kMaxGraduations.
inline constexpr int kMaxGraduations = 64;
std::vector<double> graduations(const AxisScale& axis);

}  // namespace velmira::graph
