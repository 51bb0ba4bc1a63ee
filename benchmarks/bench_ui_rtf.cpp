// The text pane's part of loading a statement: a 1 MB RTF statement read
// and put into a QTextDocument, then laid out at the pane's width; and the
// document taken back for saving.
#include <benchmark/benchmark.h>

#include "GuiBenchmark.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QTextDocument>

#include "RtfStatement.h"
#include "files/rtf/RtfReader.h"
#include "files/ui/RichTextDocument.h"

namespace {

const std::string& statement() {
  static const std::string s = velmira::bench::rtfStatement(1u << 20);
  return s;
}

void BM_ReadIntoTextDocument1MB(benchmark::State& state) {
  for (auto _ : state) {
    QTextDocument doc;
    velmira::files::ui::fillTextDocument(doc, *velmira::rtf::readRtf(statement()));
    benchmark::DoNotOptimize(doc.characterCount());
  }
}
BENCHMARK(BM_ReadIntoTextDocument1MB)->Unit(benchmark::kMillisecond);

void BM_ReadIntoTextDocumentAndLayOut1MB(benchmark::State& state) {
  for (auto _ : state) {
    QTextDocument doc;
    velmira::files::ui::fillTextDocument(doc, *velmira::rtf::readRtf(statement()));
    doc.setTextWidth(361);
    benchmark::DoNotOptimize(doc.documentLayout()->documentSize());
  }
}
BENCHMARK(BM_ReadIntoTextDocumentAndLayOut1MB)->Unit(benchmark::kMillisecond);

void BM_RichDocumentOfTextDocument1MB(benchmark::State& state) {
  QTextDocument doc;
  velmira::files::ui::fillTextDocument(doc, *velmira::rtf::readRtf(statement()));
  for (auto _ : state) benchmark::DoNotOptimize(velmira::files::ui::richDocumentOf(doc));
}
BENCHMARK(BM_RichDocumentOfTextDocument1MB)->Unit(benchmark::kMillisecond);

}  // namespace

VELMIRA_GUI_BENCHMARK_MAIN()
