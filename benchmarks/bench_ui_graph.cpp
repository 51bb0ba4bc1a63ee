// The graph window: `majgraf` of 100 points with grid, crosses and curve,
// drawn and repainted; and opening the window to its first paint.
#include <benchmark/benchmark.h>

#include "GuiBenchmark.h"

#include <QApplication>
#include <QCheckBox>
#include <cmath>
#include <memory>
#include <string>

#include "graph/ui/GraphWindow.h"
#include "platform/core/Messages.h"
#include "platform/core/NumberText.h"
#include "table/Table.h"
#include "widgets/SurfaceWidget.h"

namespace {

using SilentMessages = velmira::bench::SilentMessages;

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


void BM_Majgraf100Points(benchmark::State& state) {
  const auto table = hundredPoints();
  SilentMessages messages;
  velmira::graph::ui::GraphWindow window(table, messages);
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
  velmira::bench::openToPainted(state, [&] { return std::make_unique<velmira::graph::ui::GraphWindow>(table, messages); });
}
BENCHMARK(BM_OpenGraphWindow)->Unit(benchmark::kMillisecond);

}  // namespace

VELMIRA_GUI_BENCHMARK_MAIN()
