// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The points a model uses: those of a range of table lines, both ends
// included ("de … à …", velmira-outil graphe --points A-B). The points
// outside it stay on the plot, drawn hollow, and every fit leaves them out;
// the two-line split is chosen among the points of the range.
#include <optional>
#include <string_view>
#include <vector>

#include "graph/GraphPlot.h"

namespace velmira::graph {

struct RowRange {
  int first = 1, last = 1;  // table lines, first ≤ last
  bool contains(int row) const { return row >= first && row <= last; }
  bool operator==(const RowRange&) const = default;
};

// "A-B", A and B whole numbers with 1 ≤ A ≤ B ≤ 100, blanks around each
// allowed; none for anything else.
std::optional<RowRange> readRowRange(std::string_view text);

struct FitPoints {
  std::vector<PlottedPoint> used;  // in row order
  std::vector<bool> inFit;         // one per plot.points: the fits use it
};
// Every plotted point when there is no range.
FitPoints fitPoints(const Plot& plot, const std::optional<RowRange>& range);

}  // namespace velmira::graph
