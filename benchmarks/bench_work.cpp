// SPDX-License-Identifier: GPL-3.0-or-later
// The work's history and recovery copy: one undo step over a full table,
// and the composing of the recovery copy (no disk).
#include <benchmark/benchmark.h>

#include "BenchmarkSupport.h"
#include "files/WorkHistory.h"
#include "model/Workbench.h"
#include "table/Table.h"

using namespace velmira;

namespace {

// 100 measured lines and a formula in each column.
void fillFullTable(table::Table& t) {
  t.setRows(table::kMaxRows);
  for (int r = 1; r < t.rows(); ++r)
    for (int c = 0; c < table::kCols; ++c) t.setCell(r, c, "1,23E-02");
  for (int c = 0; c < table::kCols; ++c) t.setFormula(c, "C1*2+C2/3");
}

void UndoStep(benchmark::State& state) {
  model::Workbench wb;
  wb.startupDefaults();
  table::Table t;
  fillFullTable(t);
  bench::SilentMessages messages;
  files::ExtensionItems extension;
  files::WorkHistory history;
  history.reset(*files::workSnapshot(wb, t), true);
  t.setCell(50, 2, "9");
  history.record(*files::workSnapshot(wb, t), "Saisie");
  for (auto _ : state) {
    const std::string* s = history.canUndo() ? history.undo() : history.redo();
    files::restoreWork(*s, wb, t, extension, messages);
    benchmark::DoNotOptimize(t.cell(50, 2));
  }
}
BENCHMARK(UndoStep)->Unit(benchmark::kMicrosecond);

// What is done after every change: the snapshot and its comparison.
void RecoveryCopyComposed(benchmark::State& state) {
  model::Workbench wb;
  wb.startupDefaults();
  table::Table t;
  fillFullTable(t);
  for (auto _ : state) benchmark::DoNotOptimize(files::workSnapshot(wb, t));
}
BENCHMARK(RecoveryCopyComposed)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
