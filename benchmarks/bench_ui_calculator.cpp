// The calculator window: opening it to its first paint, and a 100-line
// column fill with the progress window shown.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "expr/Evaluator.h"
#include "expr/ui/Machine.h"
#include "expr/ui/ProgressWindow.h"
#include "platform/core/NumberText.h"
#include "table/Table.h"

namespace {

// Seen when the window itself has been painted; its children are painted
// in the same pass.
class PaintWatch : public QObject {
 public:
  bool painted = false;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) painted = true;
    return false;
  }
};

void BM_OpenCalculatorToPainted(benchmark::State& state) {
  double memoire = 0;
  for (auto _ : state) {
    auto machine = std::make_unique<velmira::ui::Machine>(memoire);
    PaintWatch watch;
    machine->installEventFilter(&watch);
    machine->show();
    while (!watch.painted) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    state.PauseTiming();
    machine->removeEventFilter(&watch);
    machine.reset();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenCalculatorToPainted)->Unit(benchmark::kMillisecond);

void BM_FillColumn100LinesWithProgressWindow(benchmark::State& state) {
  velmira::table::Table table;
  table.setRows(velmira::table::kMaxRows);
  for (int r = 1; r < table.rows(); ++r) {
    table.setCell(r, 0, velmira::num::format(0.45 + r * 0.01, table.mask()));
    table.setCell(r, 1, velmira::num::format(1.23e-2 * r, table.mask()));
  }
  for (auto _ : state) {
    const int failures = velmira::ui::fillColumnWithProgress(nullptr, table, 2, "C2 / C1 * 1000",
                                                            velmira::expr::kDegres, false);
    benchmark::DoNotOptimize(failures);
  }
}
BENCHMARK(BM_FillColumn100LinesWithProgressWindow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
