// SPDX-License-Identifier: GPL-3.0-or-later
// Montage switch: drawBench on page 1, its picture to the mixture page, then
// the mixture level (the page on screen; the others take it when shown).
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "GuiBenchmark.h"
#include "platform/qt/Surface.h"
#include "ui/drawing/BeakerRule.h"
#include "ui/drawing/BenchDrawing.h"
#include "ui/drawing/SolutionPanels.h"

namespace {

void montageSwitch(benchmark::State& state, double dpr) {
  velmira::qtp::Surface p1(401, 462, dpr), p3(401, 462, dpr);
  bool conductimeter = false;
  for (auto _ : state) {
    conductimeter = !conductimeter;
    const auto pl = velmira::ui::benchPlacement(conductimeter);
    velmira::ui::drawBench(p1, pl);
    velmira::ui::takeBenchPicture(p3, p1.image());
    velmira::ui::updateBeakerLevel(p3, conductimeter, 100);
    benchmark::DoNotOptimize(pl);
    benchmark::DoNotOptimize(p3.image().constBits());
  }
}

void BM_MontageSwitch(benchmark::State& state) { montageSwitch(state, 1.0); }
void BM_MontageSwitchHighRatio(benchmark::State& state) { montageSwitch(state, 2.0); }
BENCHMARK(BM_MontageSwitch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MontageSwitchHighRatio)->Unit(benchmark::kMillisecond);

// Repaint of a solution page's texts over its picture.
void BM_SolutionPagePaint(benchmark::State& state) {
  velmira::qtp::Surface p1(401, 462);
  velmira::ui::drawBench(p1, velmira::ui::benchPlacement(false));
  for (auto _ : state) {
    p1.beginTransient();
    benchmark::DoNotOptimize(velmira::ui::paintSolutionPage(p1, 1));
  }
}
BENCHMARK(BM_SolutionPagePaint)->Unit(benchmark::kMicrosecond);

}  // namespace

VELMIRA_GUI_BENCHMARK_MAIN()
