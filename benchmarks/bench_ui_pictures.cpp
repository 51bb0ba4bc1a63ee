// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the benches: composing one (at twice the screen's ratio, the
// bench drawn again; at the screen's ratio, the page's band copied; the first
// one of a run, its surfaces made), and the print window's OK with the three
// pictures, two copies, into a PDF file.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QPrinter>
#include <QSpinBox>
#include <QTemporaryDir>

#include "GuiBenchmark.h"
#include "platform/core/Messages.h"
#include "platform/qt/AllocatorTuning.h"
#include "platform/qt/Printing.h"
#include "ui/BenchPicture.h"
#include "ui/MainWindow.h"
#include "ui/PrintWindow.h"

namespace {

using SilentMessages = velmira::bench::SilentMessages;

struct Bench {
  QTemporaryDir folder;
  SilentMessages messages;
  velmira::ui::MainWindow window{messages, folder.path()};
};

Bench& bench() {
  static Bench b;
  return b;
}

void compose(benchmark::State& state, double ratio) {
  velmira::ui::BenchPicture picture(bench().window, ratio);
  const int b = static_cast<int>(state.range(0));
  for (auto _ : state) {
    picture.compose(b);
    benchmark::DoNotOptimize(picture.image().constBits());
  }
}

void BM_ComposeTwiceScreenRatio(benchmark::State& state) { compose(state, 2.0); }
void BM_ComposeScreenRatio(benchmark::State& state) { compose(state, 1.0); }
BENCHMARK(BM_ComposeTwiceScreenRatio)->DenseRange(1, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ComposeScreenRatio)->DenseRange(1, 3)->Unit(benchmark::kMillisecond);

void BM_ComposeFirstPicture(benchmark::State& state) {
  for (auto _ : state) {
    velmira::ui::BenchPicture picture(bench().window, 2.0);
    picture.compose(1);
    benchmark::DoNotOptimize(picture.image().constBits());
  }
}
BENCHMARK(BM_ComposeFirstPicture)->Unit(benchmark::kMillisecond);

void BM_PrintThreePicturesTwoCopies(benchmark::State& state) {
  QTemporaryDir dir;
  auto printer = velmira::qtp::pdfPrinter(dir.filePath(QStringLiteral("bancs.pdf")));
  for (auto _ : state) {
    velmira::ui::PrintWindow confimp(bench().window, bench().messages, *printer);
    for (int i = 0; i < 3; ++i) confimp.benchBox(i)->setChecked(true);
    confimp.copiesBox()->setValue(2);
    confimp.onOk();
    if (confimp.result() != QDialog::Accepted) state.SkipWithError("not printed");
  }
}
BENCHMARK(BM_PrintThreePicturesTwoCopies)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  velmira::qtp::keepPictureMemory();  // as the program does
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
