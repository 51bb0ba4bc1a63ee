// SPDX-License-Identifier: GPL-3.0-or-later
// One knob drag step: a pointer move with the left button held on a knob,
// to the twelve displays rewritten.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <cmath>

#include "GuiBenchmark.h"
#include "platform/core/Messages.h"
#include "ui/BenchPanel.h"
#include "ui/Benches.h"
#include "ui/DisplayLabel.h"
#include "ui/KnobWidget.h"
#include "ui/MainWindow.h"

namespace {

using SilentMessages = velmira::bench::SilentMessages;

QPointF atValue(double v) {
  const double theta = 10 * v + 1.6;
  return {20 + 15 * std::cos(theta), 20 + 15 * std::sin(theta)};
}

// One pointer move with the left button held, alternating between two values.
void dragStep(QWidget* knob, bool& flip) {
  static const QPointF a = atValue(0.2), b = atValue(0.25);
  flip = !flip;
  const QPointF local = flip ? a : b;
  QMouseEvent move(QEvent::MouseMove, local, knob->mapToGlobal(local), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(knob, &move);
}

// The main window on screen, in a folder of its own.
struct ShownWindow {
  QTemporaryDir folder;
  SilentMessages messages;
  velmira::ui::MainWindow window{messages, folder.path()};
  ShownWindow() {
    window.show();
    QCoreApplication::processEvents();
  }
};

void BM_KnobDragStep(benchmark::State& state) {
  ShownWindow shown;
  velmira::ui::MainWindow& window = shown.window;
  velmira::ui::KnobWidget* knob = window.benches().panel(velmira::ui::Bench::Solution1).knob(0);
  bool flip = false;
  for (auto _ : state) {
    dragStep(knob, flip);
    benchmark::DoNotOptimize(
        window.benches().panel(velmira::ui::Bench::Solution1).display(velmira::model::Meter::Ammeter)->text().size());
  }
  // Every step really turned the knob.
  if (std::abs(window.workbench().knobValue(0) - 0.25) > 0.02 && std::abs(window.workbench().knobValue(0) - 0.2) > 0.02)
    state.SkipWithError("the knob did not follow the pointer");
}
BENCHMARK(BM_KnobDragStep)->Unit(benchmark::kMicrosecond);

// The same step with the repaint it schedules carried out.
void BM_KnobDragStepPainted(benchmark::State& state) {
  ShownWindow shown;
  velmira::ui::MainWindow& window = shown.window;
  velmira::ui::KnobWidget* knob = window.benches().panel(velmira::ui::Bench::Solution1).knob(0);
  bool flip = false;
  for (auto _ : state) {
    dragStep(knob, flip);
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_KnobDragStepPainted)->Unit(benchmark::kMicrosecond);

}  // namespace

VELMIRA_GUI_BENCHMARK_MAIN()
