// SPDX-License-Identifier: GPL-3.0-or-later
// The text pane's part of loading a statement: a 1 MB RTF statement read
// and put into a QTextDocument, then laid out at the pane's width; and the
// document taken back for saving. A key typed in a long statement. Then hostile statements (a long word,
// many one-character runs, a long text), as given and within the pane's
// limits: what chose those limits.
#include <benchmark/benchmark.h>

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include "GuiBenchmark.h"
#include "RtfStatement.h"
#include "files/rtf/RichDocument.h"
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

// Hostile statements the reader accepts, put into the pane's document and
// laid out at its width, as given (`raw`) or within the pane's limits.
velmira::rtf::RichDocument longWord(std::size_t n) {
  return {{{velmira::rtf::Alignment::Left, 0, {{std::string(n, 'a'), {}}}}}};
}
velmira::rtf::RichDocument manyRuns(std::size_t n) {
  velmira::rtf::Paragraph p;
  velmira::rtf::RunFormat bold;
  bold.bold = true;
  for (std::size_t i = 0; i < n; ++i) p.runs.push_back({"a", i % 2 ? bold : velmira::rtf::RunFormat{}});
  return {{p}};
}
// The same runs between blanks: what the runs cost without a long word.
velmira::rtf::RichDocument manySpacedRuns(std::size_t n) {
  velmira::rtf::RichDocument d = manyRuns(n);
  for (velmira::rtf::Run& r : d.paragraphs[0].runs) r.text += ' ';
  return d;
}
// Many runs each in its paragraph.
velmira::rtf::RichDocument manyParagraphs(std::size_t n) {
  velmira::rtf::RichDocument d;
  d.paragraphs.resize(n, {velmira::rtf::Alignment::Left, 0, {{"a b", {}}}});
  return d;
}
velmira::rtf::RichDocument longText(std::size_t n) {
  velmira::rtf::RichDocument d;
  std::string words;
  while (words.size() < 4000) words += "conductance de la cellule ";
  for (std::size_t k = 0; k < n; k += words.size())
    d.paragraphs.push_back({velmira::rtf::Alignment::Left, 0, {{words, {}}}});
  return d;
}

template <velmira::rtf::RichDocument (*Make)(std::size_t), bool kLimited>
void BM_PaneLayout(benchmark::State& state) {
  velmira::rtf::RichDocument given = Make(static_cast<std::size_t>(state.range(0)));
  if (kLimited) velmira::rtf::limitForDisplay(given);
  for (auto _ : state) {
    QTextDocument doc;
    velmira::files::ui::fillTextDocument(doc, given);
    doc.setTextWidth(361);
    benchmark::DoNotOptimize(doc.documentLayout()->documentSize());
  }
}
BENCHMARK(BM_PaneLayout<longWord, false>)
    ->Name("PaneLayout/longWord/raw")
    ->RangeMultiplier(4)
    ->Range(4 << 10, 64 << 10)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaneLayout<longWord, true>)
    ->Name("PaneLayout/longWord/limited")
    ->Arg(1 << 20)
    ->Arg(16 << 20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaneLayout<manyRuns, false>)
    ->Name("PaneLayout/manyRuns/raw")
    ->RangeMultiplier(4)
    ->Range(1 << 10, 16 << 10)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaneLayout<manyRuns, true>)
    ->Name("PaneLayout/manyRuns/limited")
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaneLayout<manySpacedRuns, false>)
    ->Name("PaneLayout/manySpacedRuns/raw")
    ->RangeMultiplier(4)
    ->Range(16 << 10, 256 << 10)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaneLayout<manySpacedRuns, true>)
    ->Name("PaneLayout/manySpacedRuns/limited")
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaneLayout<manyParagraphs, false>)
    ->Name("PaneLayout/manyParagraphs/raw")
    ->RangeMultiplier(4)
    ->Range(16 << 10, 64 << 10)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaneLayout<manyParagraphs, true>)
    ->Name("PaneLayout/manyParagraphs/limited")
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaneLayout<longText, false>)
    ->Name("PaneLayout/longText/raw")
    ->RangeMultiplier(4)
    ->Range(256 << 10, 4 << 20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaneLayout<longText, true>)
    ->Name("PaneLayout/longText/limited")
    ->Arg(16 << 20)
    ->Unit(benchmark::kMillisecond);

// A key typed in the middle of a long statement in the pane (a QTextEdit of
// the pane's width, shown): what the edited text's limit is chosen by.
// The statement is one paragraph (a file without paragraph marks) or
// paragraphs of 4,000 characters.
velmira::rtf::RichDocument oneParagraph(std::size_t n) {
  velmira::rtf::RichDocument d = longText(n);
  for (std::size_t p = 1; p < d.paragraphs.size(); ++p) d.paragraphs[0].runs[0].text += d.paragraphs[p].runs[0].text;
  d.paragraphs.resize(1);
  return d;
}
// As given, or split as the pane splits what it is given to edit.
velmira::rtf::RichDocument splitParagraph(std::size_t n) {
  velmira::rtf::RichDocument d = oneParagraph(n);
  velmira::rtf::splitLongParagraphs(d);
  return d;
}
// A statement of paragraphs as the pane shows it: within its limits, long
// paragraphs split.
velmira::rtf::RichDocument shownText(std::size_t n) {
  velmira::rtf::RichDocument d = longText(n);
  velmira::rtf::limitForDisplay(d);
  velmira::rtf::splitLongParagraphs(d);
  return d;
}
template <velmira::rtf::RichDocument (*Make)(std::size_t)>
void BM_KeyInPane(benchmark::State& state) {
  QTextEdit edit;
  edit.resize(361, 190);
  velmira::files::ui::fillTextDocument(*edit.document(), Make(static_cast<std::size_t>(state.range(0))));
  edit.show();
  QCoreApplication::processEvents();
  QTextCursor c(edit.document());
  c.setPosition(edit.document()->characterCount() / 2);
  edit.setTextCursor(c);
  edit.setFocus();
  for (auto _ : state) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QCoreApplication::sendEvent(&edit, &press);
    QCoreApplication::processEvents();
    benchmark::DoNotOptimize(edit.document()->documentLayout()->documentSize());
  }
}
BENCHMARK(BM_KeyInPane<longText>)
    ->Name("KeyInPane/paragraphs")
    ->Arg(1 << 20)
    ->Arg(2 << 20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeyInPane<shownText>)
    ->Name("KeyInPane/shown")
    ->Arg(1 << 20)
    ->Arg(2 << 20)
    ->Arg(4 << 20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeyInPane<splitParagraph>)
    ->Name("KeyInPane/oneParagraph/split")
    ->Arg(2 << 20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeyInPane<oneParagraph>)
    ->Name("KeyInPane/oneParagraph")
    ->Arg(64 << 10)
    ->Arg(256 << 10)
    ->Arg(1 << 20)
    ->Arg(2 << 20)
    ->Unit(benchmark::kMillisecond);

// The worst the reader accepts, whole: a 64 MB file read (16 MiB of text:
// one word, or one-character runs), limited, put into the pane's document
// and laid out.
std::string hostileRtf(bool runs) {
  std::string s = "{\\rtf1 ";
  if (runs) {
    while (s.size() < (63u << 20)) s += "{\\b a}{\\i b}";
  } else {
    s += std::string(16u << 20, 'a');
  }
  return s + "}";
}
template <bool kRuns>
void BM_HostileStatementShown(benchmark::State& state) {
  const std::string bytes = hostileRtf(kRuns);
  for (auto _ : state) {
    velmira::rtf::RichDocument d = *velmira::rtf::readRtf(bytes);
    velmira::rtf::limitForDisplay(d);
    QTextDocument doc;
    velmira::files::ui::fillTextDocument(doc, d);
    doc.setTextWidth(361);
    benchmark::DoNotOptimize(doc.documentLayout()->documentSize());
  }
}
BENCHMARK(BM_HostileStatementShown<false>)->Name("HostileStatementShown/word16MiB")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HostileStatementShown<true>)->Name("HostileStatementShown/runs64MB")->Unit(benchmark::kMillisecond);

}  // namespace

VELMIRA_GUI_BENCHMARK_MAIN()
