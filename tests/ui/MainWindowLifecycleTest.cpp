// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, activation and closing: the flag file in the application
// folder, the exercise asked for by the launcher, the closing questions and
// the window size rule.
#include <QDir>
#include <QTextEdit>

#include "files/ui/TextPane.h"
#include "model/FlagFile.h"
#include "platform/core/RecordFile.h"
#include "table/ui/TableFrame.h"
#include "table/ui/TableGrid.h"
#include "tests/ui/WindowFixture.h"
#include "ui/Benches.h"
#include "ui/TabStrip.h"

namespace velmira::ui::testing {
namespace {

std::string record(const QTemporaryDir& dir, std::size_t n) {
  return records::readRecord(model::flagFilePath(dir.path().toStdString()), n).value_or("<none>");
}
void writeRecord(const QTemporaryDir& dir, std::size_t n, const std::string& text) {
  ASSERT_TRUE(records::writeRecord(model::flagFilePath(dir.path().toStdString()), n, text));
}

// The main window with the exercise hook observed.
class ObservedWindow : public MainWindow {
 public:
  using MainWindow::MainWindow;
  std::vector<std::string> requested;

 protected:
  void openRequestedExercise(const std::string& name) override { requested.push_back(name); }
};

using LifecycleTest = WindowTest;

TEST_F(LifecycleTest, StartingMarksTheModuleRunningInANewFlagFile) {
  EXPECT_TRUE(QFile::exists(QDir(folder.path()).filePath("TEMPQZ.TMP")));
  EXPECT_EQ(record(folder, 2), "OUI");
  EXPECT_EQ(window->windowTitle(), "Velmira");
  EXPECT_EQ(window->hintLine()->hint().toStdString(),
            "Vous pouvez modifier les param\xC3\xA8tres,\r\nouvrir une configuration ou un exercice");
}

TEST_F(LifecycleTest, CancellingTheTextQuestionKeepsTheWindowWithoutAskingMore) {
  window->textPane()->setTextModified(1);
  messages.answers = {Answer::Cancel};
  EXPECT_FALSE(window->close());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Attention\u00A0: perte des modifications du texte.");
  EXPECT_EQ(messages.shown[0].title,
            "Abandon des donn\xC3\xA9"
            "es\u00A0?");
  EXPECT_EQ(messages.shown[0].icon, Icon::Question);
  EXPECT_EQ(messages.shown[0].buttons, Buttons::OkCancel);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(record(folder, 2), "OUI");
}

TEST_F(LifecycleTest, CancellingTheQuitQuestionKeepsTheWindow) {
  window->textPane()->setTextModified(1);
  messages.answers = {Answer::Ok, Answer::Cancel};
  EXPECT_FALSE(window->close());
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].text, "Quitter vraiment cette application ?");
  EXPECT_EQ(messages.shown[1].title, "Fermer");
  EXPECT_EQ(record(folder, 2), "OUI");
}

TEST_F(LifecycleTest, TheCloseButtonAsksOnceWithoutTextChangesAndMarksTheModuleStopped) {
  messages.answers = {Answer::Ok};
  QTest::mouseClick(commandButton(*window, Command::Close), Qt::LeftButton);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Fermer");
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(record(folder, 2), "NON");
}

TEST(LifecycleActivation, TheLauncherRequestIsTakenOnceAndBlanksOpenNothing) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  velmira::test::RecordingMessages messages;
  ObservedWindow w(messages, dir.path());
  writeRecord(dir, 31, "   ");
  w.takeLauncherRequest();
  EXPECT_TRUE(w.requested.empty());
  EXPECT_EQ(record(dir, 31), "");

  writeRecord(dir, 31, "EXERCICES\\EXO1.E24");
  // A real activation: another window, then back to the main window.
  w.show();
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  ASSERT_EQ(w.requested.size(), 1u);
  EXPECT_EQ(w.requested[0], "EXERCICES\\EXO1.E24");
  EXPECT_EQ(record(dir, 31), "");
  w.takeLauncherRequest();
  EXPECT_EQ(w.requested.size(), 1u);
  EXPECT_EQ(record(dir, 2), "OUI");
  w.hide();
}

TEST_F(LifecycleTest, OnAWideScreenTheWindowStartsAtItsSizeCentredAndMayGrow) {
  window->findChild<DesignSize*>()->apply(QSize(1280, 1024));
  EXPECT_EQ(window->frameGeometry().size(), QSize(800, 600));
  EXPECT_EQ(window->frameGeometry().topLeft(), QPoint(240, 212));
  EXPECT_EQ(window->minimumSize(), window->size());
  EXPECT_EQ(window->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
  // Grown, the table and the text pane take the room; the benches stay.
  const QRect bench = window->benches().tabStrip()->geometry();
  const QRect text = window->textPane()->textEditor()->geometry();
  table::ui::TableFrame* table = window->tableFrame();
  const QSize tableSize = table->size();
  window->resize(window->width() + 300, window->height() + 200);
  EXPECT_EQ(window->benches().tabStrip()->geometry(), bench);
  EXPECT_EQ(table->size(), tableSize + QSize(300, 100));
  EXPECT_EQ(window->textPane()->textEditor()->width(), text.width() + 300);
  EXPECT_EQ(window->textPane()->textEditor()->height(), text.height() + 100);
  table->show();
  EXPECT_EQ(table->grid()->width(), table->width() - 2);
  // Maximised, it stays so.
  window->showMaximized();
  window->findChild<DesignSize*>()->apply(QSize(1280, 1024));
  EXPECT_TRUE(window->isMaximized());
}

TEST_F(LifecycleTest, OnANarrowScreenTheWindowKeepsItsSize) {
  // Whatever the test screen did at start-up.
  window->setMinimumSize(0, 0);
  window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  window->resize(700, 500);
  window->findChild<DesignSize*>()->apply(QSize(800, 600));
  EXPECT_EQ(window->size(), QSize(700, 500));
  window->findChild<DesignSize*>()->apply(QSize(850, 700));
  EXPECT_EQ(window->size(), QSize(700, 500));
}

}  // namespace
}  // namespace velmira::ui::testing
