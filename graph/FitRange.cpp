// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph/FitRange.h"

#include "platform/core/NumberText.h"
#include "table/Table.h"

namespace velmira::graph {

namespace {

// A table line number: digits only, 1..100.
std::optional<int> lineNumber(std::string_view text) {
  const std::string t = num::trim(text);
  if (t.empty() || t.size() > 3) return std::nullopt;
  int n = 0;
  for (char c : t) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + (c - '0');
  }
  if (n < 1 || n > table::kMaxRows - 1) return std::nullopt;
  return n;
}

}  // namespace

std::optional<RowRange> readRowRange(std::string_view text) {
  const auto dash = text.find('-');
  if (dash == std::string_view::npos) return std::nullopt;
  const auto first = lineNumber(text.substr(0, dash));
  const auto last = lineNumber(text.substr(dash + 1));
  if (!first || !last || *first > *last) return std::nullopt;
  return RowRange{*first, *last};
}

FitPoints fitPoints(const Plot& plot, const std::optional<RowRange>& range) {
  FitPoints out;
  out.inFit.reserve(plot.points.size());
  for (const PlottedPoint& p : plot.points) {
    const bool in = !range || range->contains(p.row);
    out.inFit.push_back(in);
    if (in) out.used.push_back(p);
  }
  return out;
}

}  // namespace velmira::graph
