// SPDX-License-Identifier: GPL-3.0-or-later
// The generator knobs: dragging (with the dead zone between the two ends),
// arrow keys, the redrawn picture and the meters that follow.
#include <cmath>

#include "model/Knob.h"
#include "tests/ui/WindowFixture.h"
#include "ui/KnobWidget.h"

namespace velmira::ui::testing {
namespace {

class KnobTest : public WindowTest {
 protected:
  KnobWidget* knob(int i) { return testing::knob(*window, i); }
  double value(int i) { return window->workbench().knobValue(i); }
  // The point of the knob at pointer angle θ (clockwise from +x), 15 px out.
  static QPoint at(double theta) {
    return QPoint(static_cast<int>(std::lround(20 + 15 * std::cos(theta))),
                  static_cast<int>(std::lround(20 + 15 * std::sin(theta))));
  }
  static QPoint atValue(double v) { return at(10 * v + 1.6); }
  void pressKey(int i, Qt::Key key, int times) {
    for (int n = 0; n < times; ++n) QTest::keyClick(knob(i), key);
  }
};

TEST_F(KnobTest, DraggingTurnsTheKnobAndTheMetersFollow) {
  const QImage before = knob(0)->grab().toImage();
  QTest::mousePress(knob(0), Qt::LeftButton, {}, atValue(0.12));
  for (double v = 0.15; v <= 0.301; v += 0.05) QTest::mouseMove(knob(0), atValue(v));
  QTest::mouseRelease(knob(0), Qt::LeftButton, {}, atValue(0.3));
  EXPECT_NEAR(value(0), 0.3, 0.02);
  EXPECT_NE(knob(0)->grab().toImage(), before);
  // U = v × 5/3 on the 2 V calibre, "0.000" mask.
  EXPECT_EQ(display(4), QString::fromStdString(window->workbench().display(model::Meter::Voltmeter, 1)));
  EXPECT_NE(display(4), "0,200");
  EXPECT_NE(display(3), "0,6");
  EXPECT_EQ(window->hintLine()->hint(), "Pour tourner, maintenir le bouton gauche de la souris enfonc\xC3\xA9");
}

TEST_F(KnobTest, CrossingTheDeadZoneFromTheTopEndSnapsToTheTop) {
  QTest::mousePress(knob(0), Qt::LeftButton, {}, atValue(0.12));
  for (double v = 0.15; v <= 0.58; v += 0.04) QTest::mouseMove(knob(0), atValue(v));
  QTest::mouseMove(knob(0), atValue(0.58));
  ASSERT_NEAR(value(0), 0.58, 0.02);
  // Through the gap at the bottom to the start of the scale.
  QTest::mouseMove(knob(0), at(1.45));
  QTest::mouseMove(knob(0), atValue(0.02));
  EXPECT_EQ(window->workbench().knobTag(0), "0.6");
  QTest::mouseRelease(knob(0), Qt::LeftButton, {}, atValue(0.02));
  EXPECT_EQ(display(4), "1,000");
}

TEST_F(KnobTest, AMoveWithoutTheButtonOnlyShowsTheHint) {
  QTest::mouseMove(knob(1), atValue(0.5));
  EXPECT_EQ(window->workbench().knobTag(1), "0.3");
  EXPECT_EQ(window->hintLine()->hint(), "Pour tourner, maintenir le bouton gauche de la souris enfonc\xC3\xA9");
}

TEST_F(KnobTest, ArrowKeysStopAtBothEnds) {
  knob(0)->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(window->hintLine()->hint(),
            "Utiliser les touches fl\xC3\xA9"
            "ch\xC3\xA9"
            "es du clavier pour affiner le r\xC3\xA9glage");
  pressKey(0, Qt::Key_Left, 250);
  EXPECT_EQ(value(0), 0.0);
  EXPECT_EQ(display(4), "0,000");
  const QImage atZero = knob(0)->grab().toImage();
  pressKey(0, Qt::Key_Right, 1000);
  EXPECT_DOUBLE_EQ(value(0), 0.6);
  EXPECT_EQ(display(4), "1,000");
  EXPECT_NE(knob(0)->grab().toImage(), atZero);
  pressKey(0, Qt::Key_Up, 3);
  EXPECT_DOUBLE_EQ(value(0), 0.6);
}

TEST_F(KnobTest, OneStepOfTheFrequencyKnobIsOneHertz) {
  knob(1)->setFocus(Qt::TabFocusReason);
  QTest::keyClick(knob(1), Qt::Key_Right);
  EXPECT_TRUE(generatorScreen(*window, 0)->text().endsWith("801 Hz"));
  QTest::keyClick(knob(1), Qt::Key_Down);
  QTest::keyClick(knob(1), Qt::Key_Down);
  EXPECT_TRUE(generatorScreen(*window, 0)->text().endsWith("799 Hz"));
  // The other benches keep their own knobs.
  EXPECT_TRUE(generatorScreen(*window, 1)->text().endsWith("800 Hz"));
  // Other keys do nothing.
  QTest::keyClick(knob(1), Qt::Key_A);
  EXPECT_TRUE(generatorScreen(*window, 0)->text().endsWith("799 Hz"));
}

}  // namespace
}  // namespace velmira::ui::testing
