// SPDX-License-Identifier: GPL-3.0-or-later
// The bench from the keyboard: the focus mark on knobs and the solute box,
// choosing a solute without the mouse, switching benches.
#include <QApplication>

#include "tests/ui/WindowFixture.h"
#include "ui/FormulaBox.h"
#include "ui/KnobWidget.h"
#include "ui/SolutePickerWidget.h"

namespace velmira::ui::testing {
namespace {

class KeyboardTest : public WindowTest {};

TEST_F(KeyboardTest, TheFocusedKnobAndSoluteBoxCarryAVisibleMark) {
  for (QWidget* w : {static_cast<QWidget*>(knob(*window, 1)), static_cast<QWidget*>(formulaBox(*window, 0))}) {
    entryField(*window, 0)->setFocus(Qt::TabFocusReason);
    const QImage before = w->grab().toImage();
    w->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(w->hasFocus());
    EXPECT_FALSE(differingPixels(before, w->grab().toImage()).isEmpty()) << w->objectName().toStdString();
  }
}

TEST_F(KeyboardTest, ASoluteIsChosenWithTheKeysAndTheFocusStaysOnItsBox) {
  FormulaBox* box = formulaBox(*window, 0);
  box->setFocus(Qt::TabFocusReason);
  QTest::keyClick(box, Qt::Key_Down, Qt::AltModifier);
  SolutePickerWidget* list = window->benches().solutePicker();
  ASSERT_TRUE(list->isVisible());
  ASSERT_TRUE(list->hasFocus());
  for (int i = 0; i < 8; ++i) QTest::keyClick(list, Qt::Key_Down);
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_FALSE(list->isVisible());
  EXPECT_EQ(window->workbench().soluteOf(1), 9);
  EXPECT_TRUE(box->hasFocus());
  EXPECT_EQ(display(0), "141,0");  // K+ + Cl- at 0,01 mol/L

  // Escape closes without a change; Up stops at the first row.
  QTest::keyClick(box, Qt::Key_Space);
  ASSERT_TRUE(list->isVisible());
  for (int i = 0; i < 30; ++i) QTest::keyClick(list, Qt::Key_Up);
  EXPECT_EQ(list->picker().markerTop(), -2);
  QTest::keyClick(list, Qt::Key_Escape);
  EXPECT_FALSE(list->isVisible());
  EXPECT_EQ(window->workbench().soluteOf(1), 9);
  EXPECT_TRUE(box->hasFocus());
}

TEST_F(KeyboardTest, ControlTabAndControlPageSwitchTheBench) {
  knob(*window, 0)->setFocus(Qt::TabFocusReason);
  QWidget* focus = QApplication::focusWidget();
  QTest::keyClick(focus, Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(window->benches().tabStrip()->currentTab(), 2);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(window->benches().tabStrip()->currentTab(), 3);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(window->benches().tabStrip()->currentTab(), 1);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(window->benches().tabStrip()->currentTab(), 3);
  EXPECT_TRUE(page(*window, 3)->isVisible());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
  EXPECT_EQ(window->benches().tabStrip()->currentTab(), 2);
}

}  // namespace
}  // namespace velmira::ui::testing
