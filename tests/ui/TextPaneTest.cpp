// The text pane of the main window: the welcome text read-only, changes
// tracked once a file's text is shown.
#include <QDir>
#include <QTextBlock>

#include "files/rtf/RtfFile.h"
#include "platform/core/SafeFile.h"
#include "files/ui/TextPane.h"
#include "tests/ui/WindowFixture.h"

namespace velmira::ui::testing {
namespace {

using TextPaneTest = WindowTest;

TEST_F(TextPaneTest, WelcomeIsReadOnlyAndAFileTextTracksChanges) {
  files::ui::TextPane* pane = window->textPane();
  QTextEdit* text = window->supertext();
  const QTextBlock first = text->document()->firstBlock();
  EXPECT_EQ(first.text(), "Velmira");
  EXPECT_EQ(first.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  EXPECT_EQ(first.begin().fragment().charFormat().foreground().color(), QColor(0, 0, 200));
  EXPECT_TRUE(text->isReadOnly());
  QTest::keyClicks(text, "abc");
  EXPECT_EQ(first.text(), "Velmira");
  EXPECT_EQ(window->textemodifie(), 0);

  rtf::RichDocument doc;
  doc.paragraphs.resize(1);
  rtf::appendText(doc.paragraphs[0], "Énoncé", {});
  const std::string path = QDir(folder.path()).filePath("enonce.rtf").toStdString();
  ASSERT_TRUE(rtf::saveRtfFile(path, doc));
  ASSERT_TRUE(pane->loadText(path));
  pane->setFich(QString::fromStdString(path));
  pane->setReadOnly(false);
  pane->setTextemodifie(0);
  EXPECT_EQ(window->fich()->toolTip().toStdString(), path);
  EXPECT_EQ(window->fich()->cursorPosition(), window->fich()->text().size());
  text->setFocus();
  QTest::keyClick(text, Qt::Key_X);
  EXPECT_EQ(window->textemodifie(), 1);
  std::string cause;
  EXPECT_FALSE(pane->loadText(path + ".absent", &cause));
  EXPECT_FALSE(cause.empty());
  pane->showWelcome();
  EXPECT_TRUE(window->fich()->text().isEmpty());
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
  const QTextDocument* shown = window->supertext()->document();
  EXPECT_TRUE(shown->firstBlock().text().startsWith(QStringLiteral("Début aaaa")));
  EXPECT_EQ(shown->firstBlock().next().text().left(4), QStringLiteral("xyxy"));
  EXPECT_LE(static_cast<std::size_t>(shown->characterCount()), rtf::kShownText);
  // With VELMIRA_SCREENSHOTS set to a folder: the window showing the cut statement.
  if (const QString out = qEnvironmentVariable("VELMIRA_SCREENSHOTS"); !out.isEmpty())
    window->grab().save(out + QStringLiteral("/pane-texte-long.png"));
}

}  // namespace
}  // namespace velmira::ui::testing
