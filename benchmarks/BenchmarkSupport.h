// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the benchmarks share: a message service that answers every message
// with its first button, and a table to compute on.
#include <benchmark/benchmark.h>

#include "platform/core/Messages.h"
#include "platform/core/NumberText.h"
#include "table/Table.h"

namespace velmira::bench {

class SilentMessages : public MessageService {
 public:
  Answer show(const Message& m) override { return m.buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok; }
};

// A table of 100 data lines whose C1 and C2 hold numbers, for the column
// formula C2 / C1 * 1000.
inline table::Table hundredLineTable() {
  table::Table t;
  t.setRows(table::kMaxRows);
  for (int r = 1; r < t.rows(); ++r) {
    t.setCell(r, 0, num::format(0.45 + r * 0.01, t.mask()));
    t.setCell(r, 1, num::format(1.23e-2 * r, t.mask()));
  }
  return t;
}

}  // namespace velmira::bench
