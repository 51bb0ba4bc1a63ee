// SPDX-License-Identifier: GPL-3.0-or-later
// The text pane of the main window: the welcome text read-only, changes
// tracked once a file's text is shown.
#include <QDir>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>

#include "files/rtf/RtfFile.h"
#include "files/ui/TextPane.h"
#include "platform/core/SafeFile.h"
#include "platform/qt/Printing.h"
#include "tests/support/PdfPages.h"
#include "tests/ui/WindowFixture.h"

namespace velmira::ui::testing {
namespace {

using TextPaneTest = WindowTest;

TEST_F(TextPaneTest, WelcomeIsReadOnlyAndAFileTextTracksChanges) {
  files::ui::TextPane* pane = window->textPane();
  QTextEdit* text = textEditor(*window);
  const QTextBlock first = text->document()->firstBlock();
  EXPECT_EQ(first.text(), "Velmira");
  EXPECT_EQ(first.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  EXPECT_EQ(first.begin().fragment().charFormat().foreground().color(), QColor(0, 0, 200));
  EXPECT_TRUE(text->isReadOnly());
  QTest::keyClicks(text, "abc");
  EXPECT_EQ(first.text(), "Velmira");
  EXPECT_EQ(window->textPane()->textModified(), 0);

  rtf::RichDocument doc;
  doc.paragraphs.resize(1);
  rtf::appendText(doc.paragraphs[0], "Énoncé", {});
  const std::string path = QDir(folder.path()).filePath("enonce.rtf").toStdString();
  ASSERT_TRUE(rtf::saveRtfFile(path, doc));
  ASSERT_TRUE(pane->loadText(path));
  pane->setFileName(path);
  pane->setReadOnly(false);
  pane->setTextModified(0);
  EXPECT_EQ(fileNameField(*window)->toolTip().toStdString(), path);
  EXPECT_EQ(fileNameField(*window)->cursorPosition(), fileNameField(*window)->text().size());
  text->setFocus();
  QTest::keyClick(text, Qt::Key_X);
  EXPECT_EQ(window->textPane()->textModified(), 1);
  QTest::keyClick(text, Qt::Key_Tab);  // leaves the pane, types nothing
  EXPECT_FALSE(text->toPlainText().contains(QLatin1Char('\t')));
  EXPECT_FALSE(text->hasFocus());
  std::string cause;
  EXPECT_FALSE(pane->loadText(path + ".absent", &cause));
  EXPECT_FALSE(cause.empty());
  pane->showWelcome();
  EXPECT_TRUE(fileNameField(*window)->text().isEmpty());
}

TEST_F(TextPaneTest, PrintsTheWholeTextOrTheSelectionEnlargedWithItsTitle) {
  if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
    GTEST_SKIP() << "pdftotext is not installed";
  files::ui::TextPane* pane = window->textPane();
  rtf::RichDocument doc;
  doc.paragraphs.resize(2);
  rtf::appendText(doc.paragraphs[0], "Loi de Kohlrausch", {});
  rtf::appendText(doc.paragraphs[1], "Mesurer la conductance.", {});  // 10 pt
  pane->showDocument(doc);
  pane->setFileName("/tmp/3-kohlrausch.E24");
  const QString pdf = QDir(folder.path()).filePath("texte.pdf");
  auto printer = qtp::pdfPrinter(pdf);
  ASSERT_TRUE(pane->print(*printer));
  EXPECT_EQ(velmira::test::pdfInfo(pdf, QStringLiteral("Title")), "Loi de Kohlrausch");
  const auto words = velmira::test::pdfWords(pdf);
  const auto measure = velmira::test::wordsOf(words, QStringLiteral("Mesurer"));
  ASSERT_EQ(measure.size(), 1u);
  EXPECT_NEAR(measure[0].box.height() / 1.15, 11.5, 0.6);  // 10 pt printed at 11,5 pt

  // A selection prints alone.
  QTextCursor c = textEditor(*window)->textCursor();
  c.setPosition(doc.paragraphs[0].runs[0].text.size() + 1);
  c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  textEditor(*window)->setTextCursor(c);
  auto again = qtp::pdfPrinter(pdf);
  ASSERT_TRUE(pane->print(*again));
  EXPECT_TRUE(velmira::test::wordsOf(velmira::test::pdfWords(pdf), QStringLiteral("Kohlrausch")).empty());
  EXPECT_EQ(velmira::test::pdfInfo(pdf, QStringLiteral("Title")), "Mesurer la conductance.");
}

TEST_F(TextPaneTest, AStatementTooLongToShowShowsItsBeginningAndSaysSo) {
  // A long word (one of 256 KB took 11 s to show), then 200,000 formatted runs.
  std::string bytes = "{\\rtf1 D\\'e9but " + std::string(rtf::kShownText / 2, 'a') + "\\par ";
  for (int i = 0; i < 100'000; ++i) bytes += "{\\b x}{\\i y}";
  bytes += "}";
  const std::string path = QDir(folder.path()).filePath("long.rtf").toStdString();
  ASSERT_TRUE(fileio::replaceFile(path, bytes));
  messages.shown.clear();
  ASSERT_TRUE(window->textPane()->loadText(path));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Texte trop long : seul le début est affiché.");
  const QTextDocument* shown = textEditor(*window)->document();
  EXPECT_TRUE(shown->firstBlock().text().startsWith(QStringLiteral("Début aaaa")));
  EXPECT_EQ(shown->lastBlock().text().left(4), QStringLiteral("xyxy"));
  // The long word's paragraph comes in pieces a key can lay out again at once.
  for (QTextBlock b = shown->firstBlock(); b.isValid(); b = b.next())
    EXPECT_LE(b.text().toUtf8().size(), static_cast<qsizetype>(rtf::kEditedParagraph));
  EXPECT_LE(static_cast<std::size_t>(shown->characterCount()), rtf::kShownText);
  // With VELMIRA_SCREENSHOTS set to a folder: the window showing the cut statement.
  if (const QString out = qEnvironmentVariable("VELMIRA_SCREENSHOTS"); !out.isEmpty())
    window->grab().save(out + QStringLiteral("/pane-texte-long.png"));
}

}  // namespace
}  // namespace velmira::ui::testing
