// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator window: opening it to its first paint, and a 100-line
// column fill with the progress window shown.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "GuiBenchmark.h"
#include "expr/Evaluator.h"
#include "expr/ui/CalculatorWindow.h"
#include "expr/ui/ProgressWindow.h"
#include "platform/core/NumberText.h"
#include "table/Table.h"

namespace {

void BM_OpenCalculatorToPainted(benchmark::State& state) {
  double memory = 0;
  velmira::bench::openToPainted(state, [&] { return std::make_unique<velmira::expr::ui::CalculatorWindow>(memory); });
}
BENCHMARK(BM_OpenCalculatorToPainted)->Unit(benchmark::kMillisecond);

void BM_FillColumn100LinesWithProgressWindow(benchmark::State& state) {
  velmira::table::Table table = velmira::bench::hundredLineTable();
  for (auto _ : state) {
    const int failures = velmira::expr::ui::fillColumnWithProgress(nullptr, table, 2, "C2 / C1 * 1000",
                                                                   velmira::expr::Angle::Degrees, false);
    benchmark::DoNotOptimize(failures);
  }
}
BENCHMARK(BM_FillColumn100LinesWithProgressWindow)->Unit(benchmark::kMillisecond);

}  // namespace

VELMIRA_GUI_BENCHMARK_MAIN()
