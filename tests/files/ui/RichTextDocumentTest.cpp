// SPDX-License-Identifier: GPL-3.0-or-later
// The text pane's document: a rich document put into a QTextDocument and
// taken back.
#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "RichDocumentPrint.h"
#include "files/ui/RichTextDocument.h"
#include "platform/qt/Fonts.h"

namespace velmira::files::ui {
namespace {

TEST(RichTextDocument, FormattingSurvivesTheRoundTrip) {
  rtf::RunFormat title;
  title.halfPoints = 36;
  title.colour = {0, 0, 200};
  title.bold = true;
  rtf::RunFormat body;
  body.font = "Times New Roman";
  body.halfPoints = 17;  // 8.5 pt: 11 px, as 8.25 pt is
  body.italic = true;
  body.underline = true;
  rtf::RunFormat low = body;
  low.position = rtf::VerticalPosition::Lowered;
  rtf::RichDocument d;
  d.paragraphs.push_back({rtf::Alignment::Centre, 0, {{"Velmira", title}}});
  d.paragraphs.push_back({rtf::Alignment::Right, 300, {{"H", body}, {"3", low}, {"O\tx\ny", body}}});
  d.paragraphs.push_back({rtf::Alignment::Left, 0, {}});

  QTextDocument doc;
  fillTextDocument(doc, d);
  ASSERT_EQ(doc.blockCount(), 3);
  const QTextBlock first = doc.firstBlock();
  EXPECT_EQ(first.next().text(), QString("H3O\tx") + QChar(QChar::LineSeparator) + "y");
  EXPECT_EQ(first.blockFormat().alignment(), Qt::AlignHCenter);
  const QTextCharFormat t = first.begin().fragment().charFormat();
  EXPECT_EQ(t.font().family(), qtp::mappedFamily("Arial"));
  EXPECT_EQ(t.font().pixelSize(), 24);
  EXPECT_TRUE(t.font().bold());
  EXPECT_EQ(t.foreground().color(), QColor(0, 0, 200));
  EXPECT_DOUBLE_EQ(first.next().blockFormat().leftMargin(), 20.0);  // 300 twips
  EXPECT_EQ(richDocumentOf(doc), d);

  // Text typed after a run takes its format and is written with it.
  QTextCursor end(first);
  end.movePosition(QTextCursor::EndOfBlock);
  end.insertText(" 2");
  d.paragraphs[0].runs[0].text += " 2";
  EXPECT_EQ(richDocumentOf(doc), d);

  // Symbol-font text shows as the characters it stands for.
  rtf::RunFormat symbol;
  symbol.font = "Symbol";
  fillTextDocument(doc, {{{rtf::Alignment::Left, 0, {{"s = L\xEF\x82\xB7", symbol}}}}});
  EXPECT_EQ(doc.toPlainText(), QString::fromUtf8("σ = Λ•"));
  EXPECT_EQ(richDocumentOf(doc).paragraphs.at(0).runs.at(0).format.font, "Arial");
}

// The paragraphs read once and kept are read again wherever the text or its
// formats change: each snapshot holds what a fresh reading holds.
TEST(RichTextDocument, KeptSnapshotsFollowEveryChange) {
  rtf::RunFormat bold;
  bold.bold = true;
  rtf::RichDocument d;
  d.paragraphs.push_back({rtf::Alignment::Left, 0, {{"Un ", {}}, {"deux", bold}}});
  d.paragraphs.push_back({rtf::Alignment::Centre, 150, {{"trois quatre", {}}}});
  d.paragraphs.push_back({rtf::Alignment::Left, 0, {{"cinq", bold}}});
  QTextDocument doc;
  fillTextDocument(doc, d);
  auto* snapshots = new TextSnapshots(doc);
  EXPECT_EQ(richDocumentOf(snapshots->take()), d);

  QTextCursor c(&doc);
  const auto same = [&] { return richDocumentOf(snapshots->take()) == richDocumentOf(doc); };
  c.setPosition(doc.findBlockByNumber(1).position() + 5);
  c.insertText(QStringLiteral(" et"));  // typed
  EXPECT_TRUE(same());
  EXPECT_EQ(richDocumentOf(snapshots->take()).paragraphs[1].runs[0].text, "trois et quatre");
  c.setPosition(2);
  c.insertBlock();  // a paragraph split
  EXPECT_TRUE(same());
  c.setPosition(1);
  c.setPosition(doc.findBlockByNumber(2).position() + 3, QTextCursor::KeepAnchor);
  QTextCharFormat italic;
  italic.setFontItalic(true);
  c.mergeCharFormat(italic);  // a format over three paragraphs
  EXPECT_TRUE(same());
  c.setPosition(doc.findBlockByNumber(3).position() - 2);
  c.setPosition(doc.findBlockByNumber(3).position() + 2, QTextCursor::KeepAnchor);
  c.removeSelectedText();  // two paragraphs joined
  EXPECT_TRUE(same());
  QTextBlockFormat right;
  right.setAlignment(Qt::AlignRight);
  c.mergeBlockFormat(right);
  EXPECT_TRUE(same());
  for (int i = 0; i < 3; ++i) {
    doc.undo();
    EXPECT_TRUE(same());
  }
}

}  // namespace
}  // namespace velmira::files::ui
