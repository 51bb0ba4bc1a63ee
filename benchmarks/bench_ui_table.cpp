// SPDX-License-Identifier: GPL-3.0-or-later
// The table of values on screen: recording a line, a full reformat, a sort,
// each with the grid's repaint; showing the table.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QToolButton>

#include "GuiBenchmark.h"
#include "platform/core/Messages.h"
#include "table/Recording.h"
#include "table/TableCommands.h"
#include "table/ui/TableFrame.h"
#include "table/ui/TableGrid.h"
#include "tests/ui/MainWindowControls.h"
#include "ui/BenchPanel.h"
#include "ui/Benches.h"
#include "ui/MainWindow.h"

namespace {

using SilentMessages = velmira::bench::SilentMessages;
using velmira::ui::testing::commandButton;

using velmira::ui::Command;

// The main window with its table shown, 100 lines filled.
struct TableShown {
  QTemporaryDir folder;
  SilentMessages messages;
  velmira::ui::MainWindow window{messages, folder.path()};
  explicit TableShown(bool fill = true) {
    window.show();
    commandButton(window, Command::Table)->click();
    if (fill) {
      velmira::table::setLineCount(window.table(), 100);
      for (int r = 1; r <= 100; ++r)
        for (int c = 0; c < 5; ++c)
          window.table().setCell(r, c,
                                 velmira::table::Table::checkedText(std::to_string((r * 37 + c * 11) % 101) + ",5",
                                                                    window.table().mask()));
    }
    QCoreApplication::processEvents();
  }
  void repaintGrid() { window.tableFrame()->grid()->viewport()->repaint(); }
};

void BM_RecordLine(benchmark::State& state) {
  TableShown shown(false);
  velmira::table::setLineCount(shown.window.table(), 100);
  for (auto _ : state) {
    shown.window.benches().panel(velmira::ui::Bench::Solution1).recordButton()->click();
    shown.repaintGrid();
    state.PauseTiming();
    if (velmira::table::firstFreeLine(shown.window.table()) == 0)
      shown.window.table().reset(), velmira::table::setLineCount(shown.window.table(), 100);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_RecordLine)->Unit(benchmark::kMicrosecond);

void BM_Reformate100x5(benchmark::State& state) {
  TableShown shown;
  bool flip = false;
  for (auto _ : state) {
    flip = !flip;
    velmira::table::applyMask(shown.window.table(), flip ? "0.000E+00" : "########0.00");
    shown.repaintGrid();
  }
}
BENCHMARK(BM_Reformate100x5)->Unit(benchmark::kMicrosecond);

void BM_Sort100(benchmark::State& state) {
  TableShown shown;
  bool flip = false;
  for (auto _ : state) {
    flip = !flip;
    shown.window.table().sort(1, flip);
    shown.repaintGrid();
  }
}
BENCHMARK(BM_Sort100)->Unit(benchmark::kMicrosecond);

// A click on "&Tableau" to the table painted (alternately shown and hidden).
void BM_ShowTable(benchmark::State& state) {
  TableShown shown;
  QToolButton* check1 = commandButton(shown.window, Command::Table);
  for (auto _ : state) {
    check1->click();
    shown.window.repaint();
  }
}
BENCHMARK(BM_ShowTable)->Unit(benchmark::kMicrosecond);

}  // namespace

VELMIRA_GUI_BENCHMARK_MAIN()
