// SPDX-License-Identifier: GPL-3.0-or-later
// The scroll area a window too large for the screen sits in: title, closing
// both ways, the content handed back.
#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QScrollBar>
#include <QTest>

#include "ui/ScrolledWindow.h"

namespace velmira::ui {
namespace {

class Content : public QWidget {
 public:
  bool mayClose = false;
  int asked = 0;

 protected:
  void closeEvent(QCloseEvent* event) override {
    ++asked;
    mayClose ? event->accept() : event->ignore();
  }
};

TEST(ScrolledWindow, CarriesTheTitleScrollsAndClosesOnlyWhenTheContentAgrees) {
  Content content;
  content.resize(800, 600);
  content.setWindowTitle(QStringLiteral("Velmira"));
  {
    ScrolledWindow scrolled(content);
    scrolled.resize(400, 300);
    scrolled.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&scrolled));
    EXPECT_EQ(scrolled.windowTitle(), QStringLiteral("Velmira"));
    content.setWindowTitle(QStringLiteral("Velmira - essai.C07"));
    EXPECT_EQ(scrolled.windowTitle(), QStringLiteral("Velmira - essai.C07"));
    EXPECT_GT(scrolled.verticalScrollBar()->maximum(), 0);
    EXPECT_GT(scrolled.horizontalScrollBar()->maximum(), 0);

    // The content's question refuses: both stay.
    EXPECT_FALSE(scrolled.close());
    EXPECT_EQ(content.asked, 1);
    EXPECT_TRUE(scrolled.isVisible());
    EXPECT_TRUE(content.isVisible());
    // The content closes itself (its own command): the scroll area goes too,
    // without asking again.
    content.mayClose = true;
    EXPECT_TRUE(content.close());
    EXPECT_EQ(content.asked, 2);
    EXPECT_FALSE(scrolled.isVisible());
  }
  // The content outlives the scroll area.
  EXPECT_EQ(content.parentWidget(), nullptr);
}

}  // namespace
}  // namespace velmira::ui
