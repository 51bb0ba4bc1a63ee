// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the main window to its first complete paint, beside a minimal
// window started the same way: a fresh process of this program (program
// start, application, window, show, events until painted), and the same
// inside an already running application.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <string_view>

#include "GuiBenchmark.h"
#include "app/ProgramStart.h"
#include "platform/core/Messages.h"
#include "platform/qt/AllocatorTuning.h"
#include "ui/MainWindow.h"

namespace {

using SilentMessages = velmira::bench::SilentMessages;

using velmira::bench::PaintWatch;

std::unique_ptr<QWidget> minimalWindow();

void BM_MinimalWindowStartup(benchmark::State& state) {
  velmira::bench::openToPainted(state, [] { return minimalWindow(); });
}
BENCHMARK(BM_MinimalWindowStartup)->Unit(benchmark::kMillisecond);

void BM_MainWindowStartup(benchmark::State& state) {
  QTemporaryDir folder;
  SilentMessages messages;
  velmira::bench::openToPainted(state,
                                [&] { return std::make_unique<velmira::ui::MainWindow>(messages, folder.path()); });
}
BENCHMARK(BM_MainWindowStartup)->Unit(benchmark::kMillisecond);

std::unique_ptr<QWidget> minimalWindow() {
  auto w = std::make_unique<QWidget>();
  w->resize(800, 600);
  auto* l = new QLabel(QStringLiteral("Velmira"), w.get());
  l->move(10, 10);
  return w;
}

// The child process: one window, shown and painted, then "peint" on stdout.
// The main window starts as the program starts it (names, icon,
// translations, flag file), its folders in a temporary folder. With an
// image file named, the painted window is also written there, to compare
// the pixels of two builds.
int runChild(int argc, char** argv, bool mainWindow, const QString& image) {
  velmira::qtp::keepPictureMemory();
  QApplication app(argc, argv);
  if (mainWindow) velmira::app::prepareProgram(app);
  QTemporaryDir folder;
  SilentMessages messages;
  std::unique_ptr<QWidget> window;
  if (mainWindow) {
    window = std::make_unique<velmira::ui::MainWindow>(messages, folder.path());
  } else {
    window = minimalWindow();
  }
  PaintWatch watch;
  window->installEventFilter(&watch);
  window->show();
  while (!watch.painted) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  QCoreApplication::processEvents();
  if (!image.isEmpty() && !window->grab().save(image)) return 1;
  std::fputs("peint\n", stdout);
  std::fflush(stdout);
  return 0;
}

QString self;

void processStartup(benchmark::State& state, const char* which) {
  for (auto _ : state) {
    QProcess child;
    QElapsedTimer t;
    t.start();
    child.start(self, {QStringLiteral("--enfant"), QString::fromUtf8(which)});
    while (!child.readAllStandardOutput().contains("peint")) {
      if (!child.waitForReadyRead(10000)) {
        state.SkipWithError("the child never painted");
        return;
      }
    }
    state.SetIterationTime(static_cast<double>(t.nsecsElapsed()) / 1e9);
    child.waitForFinished();
  }
}

void BM_MinimalWindowProcessStartup(benchmark::State& state) { processStartup(state, "minimale"); }
void BM_MainWindowProcessStartup(benchmark::State& state) { processStartup(state, "principale"); }
BENCHMARK(BM_MinimalWindowProcessStartup)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_MainWindowProcessStartup)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if ((argc == 3 || argc == 5) && std::string_view(argv[1]) == "--enfant") {
    const bool image = argc == 5 && std::string_view(argv[3]) == "--image";
    return runChild(argc, argv, std::string_view(argv[2]) == "principale",
                    image ? QString::fromLocal8Bit(argv[4]) : QString());
  }
  self = QString::fromLocal8Bit(argv[0]);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
