// The file windows on screen: the save window opened to painted, a shipped
// exercise opened (statement and configuration) to painted, and the exercise
// window listing a folder of 500 exercises with the first one's preview.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextEdit>

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

void BM_FiveHundredExercisesListed(benchmark::State& state) {
  QTemporaryDir folder;
  velmira::files::Exercise e;
  e.statement = "enonce.rtf";
  e.difficulty = " 2";
  e.notions = {"Conductivité, ", "loi de Kohlrausch", "", ""};
  for (int i = 0; i < 500; ++i) {
    e.title = "Exercice " + std::to_string(i);
    velmira::files::writeExercise(
        QDir(folder.path()).filePath(QStringLiteral("exo%1.E24").arg(i, 3, 10, QLatin1Char('0'))).toStdString(), e);
  }
  SilentMessages messages;
  for (auto _ : state) {
    velmira::files::ui::ExerciseWindow w(
        folder.path(), messages, [](const std::string&) { return false; }, nullptr);
    w.show();
    QElapsedTimer t;
    t.start();
    while (w.fileField()->text().isEmpty() && t.elapsed() < 5000) QCoreApplication::processEvents();
    w.repaint();
    if (w.chooser()->fileNames().size() != 500) state.SkipWithError("not every file is listed");
  }
}
BENCHMARK(BM_FiveHundredExercisesListed)->Unit(benchmark::kMillisecond);

}  // namespace

VELMIRA_GUI_BENCHMARK_MAIN()
