// SPDX-License-Identifier: GPL-3.0-or-later
// The tab strip: a release on a caption shows its page; below the captions
// or beside the tabs it does not.
#include "tests/ui/WindowFixture.h"

namespace velmira::ui::testing {
namespace {

using TabsTest = WindowTest;

void expectShown(MainWindow& w, int tab) {
  EXPECT_EQ(w.benches().tabStrip()->currentTab(), tab);
  for (int b = 1; b <= 3; ++b) EXPECT_EQ(page(w, b)->isVisible(), b == tab) << "page " << b;
  EXPECT_EQ(page(w, tab)->geometry(), w.benches().tabStrip()->layout().page);
}

TEST_F(TabsTest, StartsOnSolution1AndEachTabShowsItsPage) {
  expectShown(*window, 1);
  for (int t : {2, 3, 1, 3, 2}) {
    clickTab(t);
    expectShown(*window, t);
  }
}

TEST_F(TabsTest, TheBoldCaptionOfTheShownTabWidensIt) {
  const auto first = window->benches().tabStrip()->layout().tabEdges;
  clickTab(3);
  const auto third = window->benches().tabStrip()->layout().tabEdges;
  EXPECT_GT(first[1] - first[0], third[1] - third[0]);
  EXPECT_LT(first[3] - first[2], third[3] - third[2]);
}

TEST_F(TabsTest, AReleaseBelowTheCaptionsSelectsNothing) {
  const auto& b = window->benches().tabStrip()->layout().tabEdges;
  const int x = (b[1] + b[2]) / 2;  // under "Solution 2"
  QTest::mouseClick(window->benches().tabStrip(), Qt::LeftButton, {}, QPoint(x, 16));
  expectShown(*window, 1);
  QTest::mouseClick(window->benches().tabStrip(), Qt::LeftButton, {}, QPoint(x, 200));
  expectShown(*window, 1);
  QTest::mouseClick(window->benches().tabStrip(), Qt::LeftButton, {}, QPoint(x, 15));
  expectShown(*window, 2);
}

TEST_F(TabsTest, AReleaseRightOfTheTabsFallsBackToSolution1) {
  clickTab(3);
  TabStrip* strip = window->benches().tabStrip();
  QTest::mousePress(strip, Qt::LeftButton, {}, QPoint(strip->width() - 3, 5));
  QTest::mouseRelease(strip, Qt::LeftButton, {}, QPoint(strip->width() + 20, 5));
  expectShown(*window, 1);
}

TEST_F(TabsTest, ClickingTheShownTabDoesNotRepaint) {
  clickTab(2);
  const int painted = window->benches().tabStrip()->paintCount();
  clickTab(2);
  EXPECT_EQ(window->benches().tabStrip()->paintCount(), painted);
  clickTab(1);
  EXPECT_EQ(window->benches().tabStrip()->paintCount(), painted + 1);
}

}  // namespace
}  // namespace velmira::ui::testing
