// SPDX-License-Identifier: GPL-3.0-or-later
// The solute list: opening from the box or its button, the row marker,
// choosing by a release, closing on loss of focus; the precipitate overlay.
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>

#include "tests/ui/WindowFixture.h"
#include "ui/FormulaBox.h"
#include "ui/SolutePickerWidget.h"

namespace velmira::ui::testing {
namespace {

class PickerTest : public WindowTest {
 protected:
  SolutePickerWidget* list() { return window->benches().solutePicker(); }
  void openFor(int solution) { QTest::mouseClick(formulaBox(*window, solution), Qt::LeftButton, {}, QPoint(20, 10)); }
  // Chooses solute n of solution `solution` by a release on its row.
  void choose(int solution, int n) {
    openFor(solution);
    const QPoint at(30, 20 * (n - 1) + 10);
    QTest::mousePress(list(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list(), Qt::LeftButton, {}, at);
  }
};

TEST_F(PickerTest, OpensInThePageOfItsSolutionAtTheBoxWithTheMarkerOnTheSolute) {
  clickTab(2);
  openFor(1);
  ASSERT_TRUE(list()->isVisible());
  EXPECT_EQ(list()->parentWidget(), page(*window, 2));
  EXPECT_EQ(list()->pos(), formulaBox(*window, 1)->pos());
  EXPECT_TRUE(list()->hasFocus());
  EXPECT_EQ(list()->picker().markerTop(), -2);
  EXPECT_EQ(list()->height(), 420);
}

TEST_F(PickerTest, TheButtonBesideTheBoxOpensItToo) {
  QTest::mouseClick(soluteListButton(*window, 0), Qt::LeftButton);
  ASSERT_TRUE(list()->isVisible());
  EXPECT_EQ(list()->parentWidget(), page(*window, 1));
}

TEST_F(PickerTest, HoverMovesTheMarkerAndShowsTheHint) {
  openFor(0);
  QTest::mouseMove(list(), QPoint(30, 419));
  EXPECT_EQ(list()->picker().markerTop(), 398);
  EXPECT_EQ(window->hintLine()->hint(), "Choisir les ions en solution dans la liste");
  QTest::mouseMove(list(), QPoint(30, 0));
  EXPECT_EQ(list()->picker().markerTop(), -2);
}

TEST_F(PickerTest, AReleaseBelowTheListPicksTheLastSolute) {
  const QImage box = formulaBox(*window, 0)->grab().toImage();
  const QString before = display(0);
  openFor(0);
  QTest::mousePress(list(), Qt::LeftButton, {}, QPoint(30, 100));
  QTest::mouseRelease(list(), Qt::LeftButton, {}, QPoint(30, 600));
  EXPECT_FALSE(list()->isVisible());
  EXPECT_EQ(window->workbench().soluteTag(0), "21");
  EXPECT_NE(display(0), before);
  EXPECT_NE(formulaBox(*window, 0)->grab().toImage(), box);
  // Solution 2 is untouched.
  EXPECT_EQ(window->workbench().soluteTag(1), "1");
  EXPECT_EQ(display(1), before);
}

TEST_F(PickerTest, TheBoxShowsTheSolutesAfterTheClassicOnes) {
  const QImage blank = [&] {
    window->workbench().setSoluteTag(0, "0");
    window->benches().updateFormulaBoxes();
    return formulaBox(*window, 0)->grab().toImage();
  }();
  QImage last;
  for (int n = model::kSoluteCount; n > model::kClassicSoluteCount; --n) {
    window->workbench().setSoluteTag(0, std::to_string(n));
    window->benches().updateFormulaBoxes();
    const QImage shown = formulaBox(*window, 0)->grab().toImage();
    EXPECT_NE(shown, blank) << n;
    EXPECT_NE(shown, last) << n;
    last = shown;
  }
}

TEST_F(PickerTest, TheRowsAfterTheBoxAreReachedByKeysWheelAndScrollBar) {
  // By keys: End marks the last solute and scrolls it into view.
  openFor(0);
  QTest::keyClick(list(), Qt::Key_End);
  EXPECT_EQ(list()->picker().markerTop(), 398);
  EXPECT_EQ(list()->scrollBar()->value(), model::kSoluteCount - model::kPickerVisibleRows);
  QTest::keyClick(list(), Qt::Key_Return);
  EXPECT_EQ(window->workbench().soluteOf(1), model::kSoluteCount);

  // Reopened on it, the list shows it; the wheel brings the top back, and
  // the pointer picks what it is over.
  openFor(0);
  const QImage scrolled = list()->grab().toImage();
  QWheelEvent up(QPointF(30, 100), list()->mapToGlobal(QPointF(30, 100)), {}, QPoint(0, 120 * 3), Qt::NoButton, {},
                 Qt::NoScrollPhase, false);
  QApplication::sendEvent(list(), &up);
  EXPECT_EQ(list()->scrollBar()->value(), 0);
  EXPECT_NE(list()->grab().toImage(), scrolled);
  QTest::mousePress(list(), Qt::LeftButton, {}, QPoint(30, 50));
  QTest::mouseRelease(list(), Qt::LeftButton, {}, QPoint(30, 50));
  EXPECT_EQ(window->workbench().soluteOf(1), 3);

  // The scroll bar moves the rows and keeps the list open and focused.
  openFor(0);
  QTest::mouseClick(list()->scrollBar(), Qt::LeftButton, {},
                    QPoint(list()->scrollBar()->width() / 2, list()->scrollBar()->height() - 5));
  ASSERT_GT(list()->scrollBar()->value(), 0);
  EXPECT_TRUE(list()->isVisible());
  EXPECT_TRUE(list()->hasFocus());
  const int first = list()->scrollBar()->value();
  const QPoint row(30, 10);
  QTest::mousePress(list(), Qt::LeftButton, {}, row);
  QTest::mouseRelease(list(), Qt::LeftButton, {}, row);
  EXPECT_EQ(window->workbench().soluteOf(1), first + 1);
}

TEST_F(PickerTest, AReleaseBesideTheListOrWithTheRightButtonChangesNothing) {
  openFor(0);
  QTest::mousePress(list(), Qt::LeftButton, {}, QPoint(30, 100));
  QTest::mouseRelease(list(), Qt::LeftButton, {}, QPoint(list()->width() + 5, 100));
  EXPECT_TRUE(list()->isVisible());
  QTest::mouseClick(list(), Qt::RightButton, {}, QPoint(30, 100));
  EXPECT_TRUE(list()->isVisible());
  EXPECT_EQ(window->workbench().soluteTag(0), "1");
}

TEST_F(PickerTest, LosingTheFocusClosesTheListWithoutAChoice) {
  openFor(0);
  entryField(*window, 0)->setFocus(Qt::MouseFocusReason);
  QApplication::processEvents();
  EXPECT_FALSE(list()->isVisible());
  EXPECT_EQ(window->workbench().soluteTag(0), "1");
}

TEST_F(PickerTest, APrecipitatingPairBlanksTheMixturePage) {
  clickTab(3);
  const QImage studied = pageImage(3);
  clickTab(2);
  choose(1, 18);  // aluminium chloride with sodium hydroxide
  ASSERT_EQ(window->workbench().soluteTag(1), "18");
  clickTab(3);
  QApplication::processEvents();
  EXPECT_TRUE(precipitateFrame(*window)->isVisible());
  EXPECT_EQ(precipitateLabel(*window)->text().toStdString(), std::string(model::kPrecipitateNotice));
  EXPECT_FALSE(entryField(*window, 4)->isVisible());
  EXPECT_FALSE(entryField(*window, 5)->isVisible());
  EXPECT_EQ(display(2), "");
  // Only the notice is left on the page.
  const QImage refused = pageImage(3).convertToFormat(QImage::Format_RGB32);
  const QRect notice = precipitateLabel(*window)->geometry();
  const double dpr = refused.devicePixelRatio();
  int others = 0;
  for (int y = 0; y < refused.height(); ++y)
    for (int x = 0; x < refused.width(); ++x)
      if (!notice.contains(static_cast<int>(x / dpr), static_cast<int>(y / dpr)) &&
          refused.pixel(x, y) != QColor(240, 235, 230).rgb())
        ++others;
  EXPECT_EQ(others, 0);

  // A studiable pair brings the page back as it was.
  clickTab(2);
  choose(1, 1);
  clickTab(3);
  QApplication::processEvents();
  EXPECT_FALSE(precipitateFrame(*window)->isVisible());
  EXPECT_TRUE(entryField(*window, 4)->isVisible());
  EXPECT_TRUE(entryField(*window, 5)->isVisible());
  EXPECT_EQ(differingPixels(pageImage(3), studied), QRect());
}

}  // namespace
}  // namespace velmira::ui::testing
