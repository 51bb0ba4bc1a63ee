// The graph window: `majgraf` of 100 points with grid, crosses and curve,
// drawn and repainted; and opening the window to its first paint.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <cmath>
#include <memory>
#include <string>

#include "graph/ui/GraphWindow.h"
#include "platform/core/Messages.h"
#include "platform/core/NumberText.h"
#include "table/Table.h"
#include "ui/SurfaceWidget.h"

namespace {

class SilentMessages : public velmira::MessageService {
 public:
  velmira::Answer show(const velmira::Message&) override { return velmira::Answer::Ok; }
};

// 100 lines: C1 = 0,1·i, C2 a wave across the whole plot.
velmira::table::Table hundredPoints() {
  velmira::table::Table t;
  t.setRows(velmira::table::kMaxRows);
  for (int i = 1; i < t.rows(); ++i) {
    t.setCell(i, 0, velmira::num::format(0.1 * i, t.mask()));
    t.setCell(i, 1, velmira::num::format(5 + 4 * std::sin(0.3 * i), t.mask()));
  }
  return t;
}

// Seen when the window itself has been painted.
class PaintWatch : public QObject {
 public:
  bool painted = false;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) painted = true;
    return false;
  }
};

void BM_Majgraf100Points(benchmark::State& state) {
  const auto table = hundredPoints();
  SilentMessages messages;
  velmira::ui::GraphWindow window(table, messages);
  window.show();
  QCoreApplication::processEvents();
  if (window.plot().points.size() != 100 || !window.check1()->isEnabled() || !window.check1()->isChecked())
    state.SkipWithError("not 100 points with their curve");
  for (auto _ : state) {
    window.majgraf();
    window.picture1()->repaint();
  }
}
BENCHMARK(BM_Majgraf100Points)->Unit(benchmark::kMillisecond);

void BM_OpenGraphWindow(benchmark::State& state) {
  const auto table = hundredPoints();
  SilentMessages messages;
  for (auto _ : state) {
    auto window = std::make_unique<velmira::ui::GraphWindow>(table, messages);
    PaintWatch watch;
    window->installEventFilter(&watch);
    window->show();
    while (!watch.painted) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
    state.PauseTiming();
    window->removeEventFilter(&watch);
    window->hide();
    window.reset();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenGraphWindow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
