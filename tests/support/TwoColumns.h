// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A table whose columns C1 and C2 hold the given cell texts, one data line
// per pair.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "table/Table.h"

namespace velmira::test {

inline table::Table twoColumns(const std::vector<std::pair<std::string, std::string>>& rows) {
  table::Table t;
  t.setRows(std::max<int>(static_cast<int>(rows.size()) + 1, table::kMinRows));
  for (std::size_t i = 0; i < rows.size(); ++i) {
    t.setCell(static_cast<int>(i) + 1, 0, rows[i].first);
    t.setCell(static_cast<int>(i) + 1, 1, rows[i].second);
  }
  return t;
}

}  // namespace velmira::test
