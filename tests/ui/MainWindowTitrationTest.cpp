// SPDX-License-Identifier: GPL-3.0-or-later
// A titration in the main window: the mixture's record button, the burette
// on the volume entries (keys and wheel), Ctrl+Entrée, and the precipitate
// that hides the mixture's entries and button. (The step and record rules
// are tested in the core.)
#include <QDir>
#include <QWheelEvent>

#include "platform/qt/Beep.h"
#include "table/Table.h"
#include "tests/ui/WindowFixture.h"
#include "ui/drawing/BeakerPicture.h"
#include "ui/drawing/BeakerRule.h"
#include "ui/drawing/BenchLayout.h"

namespace velmira::ui::testing {
namespace {

class TitrationTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    QTest::mouseClick(commandButton(*window, Command::Table), Qt::LeftButton);
    clickTab(3);
    // V2 in C1, the mixture's conductimeter in C2.
    table::Table& t = window->table();
    t.setAutoEntry(0, table::kEntryVolume2);
    t.setAutoEntry(1, table::kEntryConductimeter);
  }
  // Potassium chloride in beaker 2: the mixture's readings depend on the volumes.
  void mixTwoSalts() {
    window->workbench().setSoluteTag(1, "9");
    window->workbench().updateMeters();
    window->benches().updateControls();
  }
  const table::Table& table() { return window->table(); }
  void wheel(QWidget* w, int angle, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QWheelEvent e(at, w->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton, modifiers, Qt::NoScrollPhase,
                  false);
    QApplication::sendEvent(w, &e);
  }
};

TEST_F(TitrationTest, MixtureRecordButtonWithTheOthersAndItsHint) {
  QToolButton* b = recordButton(*window, Bench::Mixture);
  EXPECT_TRUE(b->isVisible());
  EXPECT_EQ(b->text(), recordButton(*window, Bench::Solution1)->text());
  QTest::mouseMove(b, QPoint(5, 5));
  EXPECT_EQ(window->hintLine()->hint(),
            "Pour ajouter cette mesure dans le tableau suivant les paramètres de saisie automatique (Ctrl+Entrée)");
  QTest::mouseClick(b, Qt::LeftButton);
  EXPECT_EQ(table().cell(1, 0), "5,00E+01");
  EXPECT_EQ(table().cell(1, 1), "2,98E+02");
  QTest::mouseClick(commandButton(*window, Command::Table), Qt::LeftButton);
  EXPECT_FALSE(b->isVisible());
}

TEST_F(TitrationTest, BuretteKeysAndWheelThenControlEnterRecords) {
  mixTwoSalts();
  EntryField* v2 = entryField(*window, 5);
  QTest::mouseMove(v2, QPoint(5, 5));
  EXPECT_EQ(window->hintLine()->hint(), "Burette : flèches haut et bas ou molette, 1 mL (0,1 mL avec Maj)");
  v2->setFocus(Qt::MouseFocusReason);
  const QString before = display(2);
  QTest::keyClick(v2, Qt::Key_Up);
  EXPECT_EQ(v2->text(), "51,0");
  EXPECT_NE(display(2), before);  // the readings follow
  QTest::keyClick(v2, Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(v2->text(), "50,9");
  wheel(v2, 2 * 120);
  EXPECT_EQ(v2->text(), "52,9");
  wheel(v2, -60, Qt::ShiftModifier);
  EXPECT_EQ(v2->text(), "52,9");  // half a notch waits for the other half
  wheel(v2, -60, Qt::ShiftModifier);
  EXPECT_EQ(v2->text(), "52,8");
  // The other entries are no burettes.
  entryField(*window, 0)->setFocus(Qt::MouseFocusReason);
  QTest::keyClick(entryField(*window, 0), Qt::Key_Up);
  EXPECT_EQ(entryField(*window, 0)->text(), "0,01");

  // Ctrl+Entrée records the bench shown, what is typed validated first.
  typeEntry(5, "10", false);
  QTest::keyClick(v2, Qt::Key_Return, Qt::ControlModifier);
  EXPECT_EQ(table().cell(1, 0), "1,00E+01");
  EXPECT_EQ(v2->text(), "10,0");
  for (int i = 0; i < 3; ++i) {
    QTest::keyClick(v2, Qt::Key_Up);
    QTest::keyClick(v2, Qt::Key_Enter, Qt::ControlModifier);
  }
  EXPECT_EQ(table().cell(4, 0), "1,30E+01");
  // Where the keyboard stays, Ctrl+Z and Ctrl+Y undo and redo the work, not
  // the field's typing, and the keyboard stays there.
  QTest::keyClick(v2, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(table().cell(4, 0), "");
  EXPECT_EQ(v2->text(), "13,0");
  EXPECT_EQ(QApplication::focusWidget(), v2);
  QTest::keyClick(v2, Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(table().cell(4, 0), "1,30E+01");
  EXPECT_TRUE(messages.shown.empty());
  clickTab(1);
  QTest::keyClick(entryField(*window, 0), Qt::Key_Return, Qt::ControlModifier);
  EXPECT_EQ(table().cell(5, 0), "1,30E+01");  // the volume codes copy on any bench
}

TEST_F(TitrationTest, BuretteBeepsAtTheBeakerInsteadOfTheMessage) {
  typeEntry(4, "200");
  typeEntry(5, "49,5");
  const int beeps = qtp::beepCount();
  EntryField* v2 = entryField(*window, 5);
  QTest::keyClick(v2, Qt::Key_Up);
  EXPECT_EQ(v2->text(), "50,0");
  EXPECT_EQ(qtp::beepCount(), beeps + 1);
  QTest::keyClick(v2, Qt::Key_Down);
  EXPECT_EQ(qtp::beepCount(), beeps + 1);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(TitrationTest, APrecipitateHidesTheMixtureButtonWithItsEntries) {
  model::Workbench& wb = window->workbench();
  wb.setSoluteTag(1, "18");  // aluminium chloride with sodium hydroxide
  wb.updateMeters();
  window->benches().updateControls();
  QApplication::processEvents();
  EXPECT_FALSE(entryField(*window, 4)->isVisible());
  EXPECT_FALSE(recordButton(*window, Bench::Mixture)->isVisible());
  QTest::keyClick(window->benches().tabStrip(), Qt::Key_Return, Qt::ControlModifier);
  EXPECT_TRUE(table().rowEmpty(1));
  wb.setSoluteTag(1, "1");
  wb.updateMeters();
  window->benches().updateControls();
  QApplication::processEvents();
  EXPECT_TRUE(recordButton(*window, Bench::Mixture)->isVisible());
  EXPECT_TRUE(entryField(*window, 4)->isVisible());
}

TEST_F(TitrationTest, APrecipitateCloudsTheBeakerAndIsSaid) {
  model::Workbench& wb = window->workbench();
  wb.setSoluteTag(0, "17");  // sodium chloride, then silver nitrate from the burette
  wb.setSoluteTag(1, "26");
  wb.updateMeters();
  window->benches().updateControls();
  const QImage clear = pageImage(3);
  // With VELMIRA_SCREENSHOTS set to a folder: the mixture bench with its precipitate.
  if (const QString out = qEnvironmentVariable("VELMIRA_SCREENSHOTS"); !out.isEmpty()) {
    EXPECT_TRUE(window->grab().save(QDir(out).filePath(QStringLiteral("screenshot-precipite.png"))));
  }
  EXPECT_TRUE(wb.mixtureHoldsPrecipitate());
  EXPECT_EQ(page(*window, 3)->accessibleDescription(),
            QStringLiteral("Un précipité de chlorure d'argent se forme dans le bécher."));
  // Without silver the beaker is as before, and nothing is said.
  wb.setSoluteTag(1, "9");
  wb.updateMeters();
  window->benches().updateControls();
  EXPECT_FALSE(wb.mixtureHoldsPrecipitate());
  EXPECT_TRUE(page(*window, 3)->accessibleDescription().isEmpty());
  // The grains are in the beaker.
  const QRect beaker(QPoint(63, layout::beakerTop(wb.conductimeterMontage())), kBeakerSize);
  EXPECT_FALSE(differingPixels(clear.copy(beaker), pageImage(3).copy(beaker)).isEmpty());
}

}  // namespace
}  // namespace velmira::ui::testing
