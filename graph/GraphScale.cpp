// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph/GraphScale.h"

#include <cmath>

#include "platform/core/NumberText.h"
#include "table/Table.h"

namespace velmira::graph {

namespace {

// Far more rounds than any extent of a 64-bit float needs (each round
// brings u × extent at least a factor 2 closer to 5..10).
constexpr int kMaxStepRounds = 2000;

bool finite(double v) { return std::isfinite(v); }

AxisScale axisIn(Range range, bool single) {
  AxisScale a;
  a.arith.single = single;
  const Arithmetic r = a.arith;
  const double min = range.min, max = range.max;
  a.scale = r(kDataSpan / r(max - min));
  a.offset = r(kDataStart - r(min * a.scale));
  const double extent = std::fabs(min) >= max ? std::fabs(min) : max;
  a.step = graduationStep(extent, single);
  if (a.step > 0) {
    a.first = r(std::floor(r(min / a.step)) * a.step);
    a.last = r(std::floor(r(max / a.step) + 1.5) * a.step);
  }
  return a;
}

bool usable(const AxisScale& a) {
  return finite(a.scale) && a.scale > 0 && finite(a.offset) && a.step > 0 && finite(a.first) && finite(a.last);
}

}  // namespace

Range scanColumn(const table::Table& table, int col) {
  Range r;
  for (int row = 1; row < table.rows(); ++row) {
    const auto v = num::readSingle(table.cell(row, col));
    if (!v) continue;  // counts as 0, which the range already holds
    if (*v < r.min) r.min = *v;
    if (*v > r.max) r.max = *v;
  }
  return r;
}

double graduationStep(double extent, bool single) {
  if (!(extent > 0) || !finite(extent)) return 1;
  const Arithmetic r{single};
  const double e = r(extent);
  if (!(e > 0)) return 0;
  double u = 1;
  for (int round = 0; round < kMaxStepRounds; ++round) {
    if (r(u * e) < 2) u = r(u * 5);
    if (r(u * e) > 10) u = r(u / 5);
    if (r(u * e) < 5) u = r(u * 2);
    if (r(u * e) > 10) u = r(u / 2);
    if (!finite(u) || u == 0) return 0;
    const double p = r(u * e);
    if (p >= 5 && p <= 10) {
      const double step = r(1 / u);
      return finite(step) && step > 0 ? step : 0;
    }
  }
  return 0;
}

AxisScale axisScale(Range range) {
  AxisScale a = axisIn(range, true);
  if (!usable(a)) a = axisIn(range, false);
  return a;
}

std::vector<double> graduations(const AxisScale& axis) {
  std::vector<double> out;
  if (!(axis.step > 0) || !finite(axis.first) || !finite(axis.last)) return out;
  double t = axis.first;
  while (t <= axis.last && out.size() < static_cast<std::size_t>(kMaxGraduations)) {
    out.push_back(t);
    const double next = axis.arith(t + axis.step);
    if (!(next > t)) break;
    t = next;
  }
  return out;
}

}  // namespace velmira::graph
