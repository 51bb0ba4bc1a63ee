// SPDX-License-Identifier: GPL-3.0-or-later
// The file windows on screen: the save window opened to painted, a shipped
// exercise opened (statement and configuration) to painted, and the exercise
// window listing folders of 50 to 5,000 exercises to the first one's preview.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextEdit>
#include <algorithm>

#include "GuiBenchmark.h"
#include "files/ExerciseFile.h"
#include "files/ui/ExerciseMenu.h"
#include "files/ui/ExerciseWindow.h"
#include "files/ui/FileChooser.h"
#include "files/ui/SaveWindow.h"
#include "platform/core/Messages.h"
#include "tests/ui/MainWindowControls.h"
#include "ui/MainWindow.h"

namespace {

using SilentMessages = velmira::bench::SilentMessages;
using velmira::ui::testing::exerciseMenu;

struct Shown {
  QTemporaryDir flags;
  SilentMessages messages;
  velmira::ui::MainWindow window{messages, QStringLiteral(VELMIRA_APP_DATA), flags.path()};
  Shown() {
    window.show();
    QCoreApplication::processEvents();
  }
};

void BM_SaveWindowOpened(benchmark::State& state) {
  Shown shown;
  for (auto _ : state) {
    velmira::files::ui::SaveWindow w(shown.window, shown.messages, QStringLiteral(VELMIRA_APP_DATA), &shown.window);
    w.show();
    w.repaint();
    state.PauseTiming();
    w.hide();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_SaveWindowOpened)->Unit(benchmark::kMillisecond);

void BM_ExerciseOpened(benchmark::State& state) {
  Shown shown;
  const std::string file = QDir(QStringLiteral(VELMIRA_APP_DATA)).filePath("exercices/3-kohlrausch.E24").toStdString();
  for (auto _ : state) {
    if (!exerciseMenu(shown.window)->openExercise(file)) state.SkipWithError("the exercise did not open");
    shown.window.repaint();
  }
}
BENCHMARK(BM_ExerciseOpened)->Unit(benchmark::kMillisecond);

// A folder of N exercises, each with its four companions as shipped
// (configuration, statement, corrected configuration and statement): the
// time to the whole list, to the first preview, and the window thread's
// longest stall on the way and for a second after (the longest pass of the
// event loop), in ms: its
// length, and the thread's processor time in it (what another program on
// the core cannot lengthen).
void BM_ExercisesListed(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  QTemporaryDir folder;
  velmira::files::Exercise e;
  e.statement = "enonce.rtf";
  e.difficulty = " 2";
  e.notions = {"Conductivité, ", "loi de Kohlrausch", "", ""};
  const QDir dir(folder.path());
  for (int i = 0; i < count; ++i) {
    const QString base = QStringLiteral("exo%1").arg(i, 4, 10, QLatin1Char('0'));
    e.title = "Exercice " + std::to_string(i);
    velmira::files::writeExercise(dir.filePath(base + QStringLiteral(".E24")).toStdString(), e);
    for (const char* companion : {".C07", ".rtf", "-corrige.C07", "-corrige.rtf"}) {
      QFile f(dir.filePath(base + QLatin1String(companion)));
      if (f.open(QIODevice::WriteOnly)) f.write("0\r\n");
    }
  }
  SilentMessages messages;
  double longest = 0, longestWork = 0, firstPreview = 0;
  for (auto _ : state) {
    velmira::files::ui::ExerciseWindow w(
        folder.path(), messages, [](const std::string&) { return false; }, nullptr);
    w.show();
    QElapsedTimer t, pass;
    t.start();
    bool previewed = false;
    qint64 listedAt = -1;
    while (t.elapsed() < 20000) {
      pass.start();
      const double start = velmira::bench::threadSeconds();
      QCoreApplication::processEvents();
      longest = std::max(longest, pass.nsecsElapsed() / 1e6);
      longestWork = std::max(longestWork, (velmira::bench::threadSeconds() - start) * 1e3);
      if (!previewed && !w.fileField()->text().isEmpty()) {
        previewed = true;
        firstPreview = std::max(firstPreview, t.nsecsElapsed() / 1e6);
      }
      // Listed to the end (the count is not part of the passes timed), and
      // a second more for what the folder tree loads.
      if (listedAt < 0 && previewed && static_cast<int>(w.chooser()->fileNames().size()) == count)
        listedAt = t.elapsed();
      if (listedAt >= 0 && t.elapsed() > listedAt + 1000) break;
    }
    if (!previewed || static_cast<int>(w.chooser()->fileNames().size()) != count)
      state.SkipWithError(
          ("listed " + std::to_string(w.chooser()->fileNames().size()) + (previewed ? " previewed" : "")).c_str());
  }
  state.counters["stall_ms"] = longest;
  state.counters["stall_cpu_ms"] = longestWork;
  state.counters["first_preview_ms"] = firstPreview;
}
BENCHMARK(BM_ExercisesListed)->Arg(50)->Arg(500)->Arg(5000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

VELMIRA_GUI_BENCHMARK_MAIN()
