// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the window benchmarks share: opening a window to its first paint,
// and their main.
#include <QApplication>
#include <QWidget>
#include <ctime>
#include <memory>

#include "BenchmarkSupport.h"

namespace velmira::bench {

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

// The calling thread's processor time, in seconds: a pass of the event loop
// timed by it leaves out the time the thread waits or another takes the core.
inline double threadSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// Each iteration: a window made by `make`, shown, events processed until it
// is painted; closing it is not timed.
template <class Make>
void openToPainted(benchmark::State& state, Make make) {
  for (auto _ : state) {
    auto window = make();
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

}  // namespace velmira::bench

// The main of a window benchmark: an application on the offscreen platform
// unless told otherwise, then every registered benchmark.
#define VELMIRA_GUI_BENCHMARK_MAIN()                                                             \
  int main(int argc, char** argv) {                                                              \
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen"); \
    QApplication app(argc, argv);                                                                \
    benchmark::Initialize(&argc, argv);                                                          \
    benchmark::RunSpecifiedBenchmarks();                                                         \
    benchmark::Shutdown();                                                                       \
    return 0;                                                                                    \
  }
