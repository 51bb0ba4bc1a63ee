// SPDX-License-Identifier: GPL-3.0-or-later
// The graph window: redrawPlot of 100 points with grid, crosses and curve,
// drawn and repainted, then with its line and texts; the copied figure; and
// opening the window to its first paint.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <cmath>
#include <memory>
#include <string>

#include "GuiBenchmark.h"
#include "graph/GraphLabels.h"
#include "graph/ui/GraphFigure.h"
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
  if (window.plot().points.size() != 100 || !window.joinPoints()->isEnabled() || !window.joinPoints()->isChecked())
    state.SkipWithError("not 100 points with their curve");
  for (auto _ : state) {
    window.redrawPlot();
    window.plotArea()->repaint();
  }
}
BENCHMARK(BM_Majgraf100Points)->Unit(benchmark::kMillisecond);

// The same with the fitted line and the texts around the plot: the whole
// window repainted (target: 16 ms).
void BM_Majgraf100PointsWithLabels(benchmark::State& state) {
  const auto table = hundredPoints();
  SilentMessages messages;
  velmira::graph::ui::GraphWindow window(table, messages);
  window.show();
  window.fitBox()->setChecked(true);
  QCoreApplication::processEvents();
  for (auto _ : state) {
    window.redrawPlot();
    window.repaint();
  }
}
BENCHMARK(BM_Majgraf100PointsWithLabels)->Unit(benchmark::kMillisecond);

// "Copier": the whole figure of 100 points, its labels and its line drawn
// as vectors into a picture at ratio 2.
void BM_CopyFigure100Points(benchmark::State& state) {
  const auto table = hundredPoints();
  const auto figure = velmira::graph::graphFigure(table, 0, 1, {}, velmira::graph::FitKind::Affine);
  for (auto _ : state) {
    const QImage image = velmira::graph::ui::figureImage(figure, velmira::graph::kPlotSize, 2);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_CopyFigure100Points)->Unit(benchmark::kMillisecond);

void BM_OpenGraphWindow(benchmark::State& state) {
  const auto table = hundredPoints();
  SilentMessages messages;
  velmira::bench::openToPainted(state,
                                [&] { return std::make_unique<velmira::graph::ui::GraphWindow>(table, messages); });
}
BENCHMARK(BM_OpenGraphWindow)->Unit(benchmark::kMillisecond);

}  // namespace

VELMIRA_GUI_BENCHMARK_MAIN()
