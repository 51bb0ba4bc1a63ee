// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery copy of a work with a long statement typed into: the window
// thread's time per copy (its processor time in the longest pass of the
// event loop from the copy's timer to the copy on disk), with the
// statement's RTF at 1 and 4 MiB (shown cut at the pane's limit).
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QWidget>
#include <algorithm>

#include "GuiBenchmark.h"
#include "RtfStatement.h"
#include "files/WorkHistory.h"
#include "files/rtf/RtfReader.h"
#include "files/ui/TextPane.h"
#include "model/Workbench.h"
#include "table/Table.h"
#include "ui/RecoveryKeeper.h"
#include "ui/WorkKeeper.h"

namespace {

void BM_RecoveryCopyWindowThread(benchmark::State& state) {
  velmira::bench::SilentMessages messages;
  velmira::model::Workbench wb;
  wb.startupDefaults();
  velmira::table::Table table = velmira::bench::hundredLineTable();
  QWidget window;
  velmira::files::ui::TextPane pane(&window);
  pane.showDocument(*velmira::rtf::readRtf(velmira::bench::rtfStatement(static_cast<std::size_t>(state.range(0)))));
  pane.setFileName("enonce.rtf");
  pane.setReadOnly(false);
  pane.setTextModified(1);
  window.show();
  // The pane lays its text out in the event loop: done before the copies are timed.
  QElapsedTimer settle;
  settle.start();
  while (settle.elapsed() < 2000) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
  QTemporaryDir folder;
  velmira::ui::WorkKeeper work(wb, table, messages, nullptr);
  work.keepRecovery(folder.path(), pane);
  work.restart(false);  // unsaved: the copy is kept
  velmira::ui::RecoveryKeeper& keeper = *work.recovery();
  keeper.writeNow();
  bool written = false;
  QObject::connect(&keeper, &velmira::ui::RecoveryKeeper::written, [&written](bool) { written = true; });
  for (auto _ : state) {
    written = false;
    keeper.schedule();
    QElapsedTimer t;
    t.start();
    double longest = 0;
    while (!written && t.elapsed() < 20000) {
      const double start = velmira::bench::threadSeconds();
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
      longest = std::max(longest, velmira::bench::threadSeconds() - start);
    }
    if (!written) state.SkipWithError("no copy written");
    state.SetIterationTime(longest);
  }
}
BENCHMARK(BM_RecoveryCopyWindowThread)
    ->Arg(1 << 20)
    ->Arg(4 << 20)
    ->UseManualTime()
    ->Iterations(7)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// What the window's thread takes of them: the pane's text after a key
// (the paragraph typed in read again), and the work.
void BM_TextSnapshot(benchmark::State& state) {
  QWidget window;
  velmira::files::ui::TextPane pane(&window);
  pane.showDocument(*velmira::rtf::readRtf(velmira::bench::rtfStatement(static_cast<std::size_t>(state.range(0)))));
  QTextCursor c(pane.textEditor()->document());
  c.setPosition(pane.textEditor()->document()->characterCount() / 2);
  benchmark::DoNotOptimize(pane.textSnapshot());
  for (auto _ : state) {
    state.PauseTiming();
    c.insertText(QStringLiteral("a"));
    state.ResumeTiming();
    benchmark::DoNotOptimize(pane.textSnapshot());
  }
}
BENCHMARK(BM_TextSnapshot)->Arg(1 << 20)->Arg(4 << 20)->Unit(benchmark::kMillisecond);

void BM_WorkSnapshot(benchmark::State& state) {
  velmira::model::Workbench wb;
  wb.startupDefaults();
  velmira::table::Table table = velmira::bench::hundredLineTable();
  for (auto _ : state) benchmark::DoNotOptimize(velmira::files::workSnapshot(wb, table));
}
BENCHMARK(BM_WorkSnapshot)->Unit(benchmark::kMicrosecond);

}  // namespace

VELMIRA_GUI_BENCHMARK_MAIN()
