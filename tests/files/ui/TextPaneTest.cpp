// The text pane of the main window: the welcome text read-only, changes
// tracked once a file's text is shown.
#include <QDir>
#include <QTextBlock>

#include "files/rtf/RtfFile.h"
#include "files/ui/TextPane.h"
#include "tests/ui/WindowFixture.h"

namespace velmira::ui::testing {
namespace {

using TextPaneTest = WindowTest;

TEST_F(TextPaneTest, WelcomeIsReadOnlyAndAFileTextTracksChanges) {
  files::ui::TextPane* pane = window->textPane();
  QTextEdit* text = window->textEditor();
  const QTextBlock first = text->document()->firstBlock();
  EXPECT_EQ(first.text(), "Velmira");
  EXPECT_EQ(first.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  EXPECT_EQ(first.begin().fragment().charFormat().foreground().color(), QColor(0, 0, 200));
  EXPECT_TRUE(text->isReadOnly());
  QTest::keyClicks(text, "abc");
  EXPECT_EQ(first.text(), "Velmira");
  EXPECT_EQ(window->textModified(), 0);

  rtf::RichDocument doc;
  doc.paragraphs.resize(1);
  rtf::appendText(doc.paragraphs[0], "Énoncé", {});
  const std::string path = QDir(folder.path()).filePath("enonce.rtf").toStdString();
  ASSERT_TRUE(rtf::saveRtfFile(path, doc));
  ASSERT_TRUE(pane->loadText(path));
  pane->setFich(QString::fromStdString(path));
  pane->setReadOnly(false);
  pane->setTextModified(0);
  EXPECT_EQ(window->fileNameField()->toolTip().toStdString(), path);
  EXPECT_EQ(window->fileNameField()->cursorPosition(), window->fileNameField()->text().size());
  text->setFocus();
  QTest::keyClick(text, Qt::Key_X);
  EXPECT_EQ(window->textModified(), 1);
  std::string cause;
  EXPECT_FALSE(pane->loadText(path + ".absent", &cause));
  EXPECT_FALSE(cause.empty());
  pane->showWelcome();
  EXPECT_TRUE(window->fileNameField()->text().isEmpty());
}

}  // namespace
}  // namespace velmira::ui::testing
