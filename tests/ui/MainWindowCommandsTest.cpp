// SPDX-License-Identifier: GPL-3.0-or-later
// The windows the main window opens: the calculator, the calculator for a
// column, the graph, the help, the open and save windows.
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <functional>

#include "files/ui/FileChooser.h"
#include "files/ui/SaveWindow.h"
#include "tests/ui/WindowFixture.h"
#include "ui/KnobWidget.h"
#include "ui/help/HelpWindow.h"

namespace velmira::ui::testing {
namespace {

class CommandsTest : public WindowTest {
 protected:
  // The modal window a command opens: its object name and title, closed.
  std::pair<QString, QString> opened(const std::function<void()>& command) {
    std::pair<QString, QString> seen;
    QTimer::singleShot(0, [&seen] {
      QWidget* w = QApplication::activeModalWidget();
      if (!w) return;
      seen = {w->objectName(), w->windowTitle()};
      if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
    });
    command();
    return seen;
  }
};

TEST_F(CommandsTest, EachCommandOpensItsWindow) {
  EXPECT_EQ(opened([&] { QTest::mouseClick(commandButton(*window, Command::Calculator), Qt::LeftButton); }),
            std::pair(QStringLiteral("calculatorWindow"), QStringLiteral("Machine à calculer")));
  EXPECT_EQ(opened([&] { QTest::mouseClick(commandButton(*window, Command::Save), Qt::LeftButton); }).first,
            "saveWindow");
  EXPECT_EQ(opened([&] { QTest::mouseClick(commandButton(*window, Command::Open), Qt::LeftButton); }).first,
            "openWindow");

  table::ui::TableFrame* frame = window->tableFrame();
  frame->updateColumnMenu(2);
  EXPECT_EQ(opened([&] { frame->columnMenu()->actions().at(0)->trigger(); }).second, "Calculer: C3 =");
  // Titled by its job, inside a window that scrolls: the offscreen screen
  // is smaller than the graph window's design.
  EXPECT_EQ(opened([&] { emit frame->graphRequested(); }),
            std::pair(QStringLiteral("graphWindowScrolled"), QStringLiteral("Représentation graphique — Velmira")));

  window->table().setFormula(1, "1000 * C1");
  emit frame->formulaRequested(1);
  ASSERT_FALSE(messages.shown.empty());
  EXPECT_EQ(messages.shown.back().text, "C2 = 1000 * C1");

  // The help is looked up in the application folder: missing here.
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  knob(*window, 0)->setFocus();
  QTest::keyClick(knob(*window, 0), Qt::Key_F1);
  EXPECT_EQ(messages.shown.back().title, "Aide");
}

TEST_F(CommandsTest, SavedAndReopenedThroughTheWindowsWithTheCaption) {
  QTest::mouseClick(commandButton(*window, Command::Table), Qt::LeftButton);
  window->table().setCell(1, 0, "1,00E+00");
  // The pupil's files lie outside the application folder.
  QTemporaryDir pupil;
  const QString folder = pupil.path();
  for (const char* earlier : {"kohlrausch.C07", "titrage.C07"}) {
    ASSERT_TRUE(window->saveConfiguration(QDir(folder).filePath(earlier).toStdString()));
  }
  QTimer::singleShot(0, [folder] {
    auto* w = qobject_cast<files::ui::SaveWindow*>(QApplication::activeModalWidget());
    ASSERT_TRUE(w);
    w->chooser()->setFolder(folder);
    w->fileNameField()->setText(" mesures.txt ");
    // With VELMIRA_SCREENSHOTS set to a folder: the save window, once the
    // folder's configurations are listed.
    const QString out = qEnvironmentVariable("VELMIRA_SCREENSHOTS");
    for (int i = 0; !out.isEmpty() && i < 40 && w->chooser()->fileNames().size() < 2; ++i) QTest::qWait(50);
    if (!out.isEmpty()) QTest::qWait(500);
    if (!out.isEmpty()) {
      EXPECT_TRUE(w->grab().save(QDir(out).filePath("screenshot-enregistrer.png")));
    }
    w->saveNamed();
  });
  QTest::mouseClick(commandButton(*window, Command::Save), Qt::LeftButton);
  const QString path = QDir(folder).filePath("mesures.C07");
  EXPECT_TRUE(QFileInfo::exists(path));
  EXPECT_EQ(window->windowTitle(), "Velmira - " + path);

  window->table().reset();
  ASSERT_TRUE(window->loadConfiguration(path.toStdString()));
  EXPECT_EQ(window->table().cell(1, 0), "1,00E+00");
}

}  // namespace
}  // namespace velmira::ui::testing
