// SPDX-License-Identifier: GPL-3.0-or-later
// The zoom keys and the help button's menu store the zoom and start the
// program again, or say when it applies.
#include <QDir>
#include <QMenu>
#include <QToolButton>

#include "platform/qt/ZoomSetting.h"
#include "tests/ui/WindowFixture.h"

namespace velmira::ui::testing {
namespace {

class ZoomTest : public WindowTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(settingsFolder.isValid());
    qputenv("XDG_CONFIG_HOME", settingsFolder.path().toLocal8Bit());
    WindowTest::SetUp();
  }
  void TearDown() override {
    WindowTest::TearDown();
    qunsetenv("XDG_CONFIG_HOME");
  }
  QTemporaryDir settingsFolder;
};

TEST_F(ZoomTest, KeysStepTheStoredZoomWhichAppliesAtOnceElseAtTheNextStart) {
  EXPECT_EQ(qtp::storedZoom(), 100);
  QTest::keyClick(window.get(), Qt::Key_Plus, Qt::ControlModifier);
  QTest::keyClick(window.get(), Qt::Key_Equal, Qt::ControlModifier);
  EXPECT_EQ(qtp::storedZoom(), 150);
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].title, "Zoom");
  EXPECT_NE(messages.shown[1].text.find("150 %"), std::string::npos);
  EXPECT_NE(messages.shown[1].text.find("prochain démarrage"), std::string::npos);
  QTest::keyClick(window.get(), Qt::Key_Minus, Qt::ControlModifier);
  EXPECT_EQ(qtp::storedZoom(), 125);
  QTest::keyClick(window.get(), Qt::Key_0, Qt::ControlModifier);
  EXPECT_EQ(qtp::storedZoom(), 100);
  // Already at the least: nothing changes, nothing is said.
  QTest::keyClick(window.get(), Qt::Key_Minus, Qt::ControlModifier);
  EXPECT_EQ(messages.shown.size(), 4u);
  // Started again at once: nothing to say.
  int restarts = 0;
  window->restartProgram = [&restarts] { return ++restarts > 0; };
  QTest::keyClick(window.get(), Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_EQ(restarts, 1);
  EXPECT_EQ(qtp::storedZoom(), 125);
  EXPECT_EQ(messages.shown.size(), 4u);
  // The file is the program's own settings file.
  EXPECT_TRUE(QFile::exists(settingsFolder.filePath(QStringLiteral("velmira/velmira.ini"))));
}

TEST_F(ZoomTest, TheHelpButtonsMenuHoldsTheZoomEntries) {
  QMenu* menu = commandButton(*window, Command::Help)->menu();
  ASSERT_NE(menu, nullptr);
  QStringList texts;
  for (QAction* a : menu->actions())
    if (!a->isSeparator()) texts << QString(a->text()).remove(QLatin1Char('&'));
  EXPECT_EQ(texts, QStringList({"Aide", "Agrandir", "Réduire", "Taille normale"}));
  menu->actions().at(2)->trigger();
  EXPECT_EQ(qtp::storedZoom(), 125);
}

TEST_F(ZoomTest, AZoomThatCannotBeKeptIsSaidSo) {
  ASSERT_TRUE(QDir().mkpath(settingsFolder.filePath(QStringLiteral("velmira/velmira.ini"))));  // a folder
  QTest::keyClick(window.get(), Qt::Key_Plus, Qt::ControlModifier);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Le zoom n'a pas pu être enregistré : c'est un dossier");
  EXPECT_EQ(qtp::storedZoom(), 100);
}

}  // namespace
}  // namespace velmira::ui::testing
