// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "model/Knob.h"
#include "model/Workbench.h"

using namespace velmira;
using model::Workbench;

TEST(Knob, PointerAngleAndEnd) {
  EXPECT_DOUBLE_EQ(model::knobAngle(0), 1.6);
  EXPECT_DOUBLE_EQ(model::knobAngle(0.6), 7.6 - 6.28);
  EXPECT_EQ(model::knobPointerEnd(0), std::make_pair(20, 37));  // just past straight down
  auto [x, y] = model::knobPointerEnd(0.3);                     // θ = 4.6: up and slightly left
  EXPECT_LT(x, 20);
  EXPECT_LT(y, 5);
}

TEST(Knob, GeneratorValuesAtTheEnds) {
  EXPECT_DOUBLE_EQ(model::amplitudeVolts(0.6), 1.0);
  EXPECT_DOUBLE_EQ(model::amplitudeVolts(0), 0);
  EXPECT_NEAR(model::frequencyHertz(0.6), 1200, 1e-6);
  EXPECT_NEAR(model::frequencyHertz(0), 400, 1e-6);
}

TEST(Knob, ArrowKeysStepAndStopAtTheEnds) {
  Workbench wb;
  wb.startupDefaults();
  wb.setKnobTag(0, "0");
  for (int n = 0; n < 1000; ++n) EXPECT_TRUE(model::knobKey(wb, 0, model::kKeyRight));
  EXPECT_DOUBLE_EQ(wb.knobValue(0), 0.6);
  EXPECT_EQ(wb.knobTag(0), " .6");
  EXPECT_EQ(wb.display(model::Meter::Voltmeter, 1), "1,000");
  EXPECT_TRUE(model::knobKey(wb, 0, model::kKeyUp));
  EXPECT_DOUBLE_EQ(wb.knobValue(0), 0.6);
  for (int n = 0; n < 2000; ++n) model::knobKey(wb, 0, model::kKeyDown);
  EXPECT_EQ(wb.knobTag(0), " 0");
  EXPECT_FALSE(model::knobKey(wb, 0, 'A'));

  // One press changes U by 1 mV on an amplitude knob, f by 1 Hz on a frequency knob.
  wb.setKnobTag(0, "0.12");
  model::knobKey(wb, 0, model::kKeyRight);
  EXPECT_EQ(wb.knobTag(0), " .1206");
  EXPECT_EQ(wb.display(model::Meter::Voltmeter, 1), "0,201");
  model::knobKey(wb, 1, model::kKeyLeft);
  EXPECT_EQ(wb.knobTag(1), " .29925");
  EXPECT_EQ(wb.generatorText(1), "\xC6\x92 =  799 Hz");
}

TEST(Knob, DragFollowsThePointerButSnapsAcrossTheDeadZone) {
  Workbench wb;
  wb.startupDefaults();
  // Straight up from the centre: θ = -1.57 + 6.28 → v = (4.71 - 1.6)/10.
  wb.setKnobTag(0, "0.3");
  model::knobDrag(wb, 0, 20, 0);
  EXPECT_NEAR(wb.knobValue(0), 0.311, 1e-12);
  // Left of straight down is the start of travel, right of it the end.
  // From the top end, a drag across the gap to the start snaps to 0.6 and stays.
  wb.setKnobTag(0, "0.59");
  model::knobDrag(wb, 0, 18, 38);
  EXPECT_EQ(wb.knobTag(0), "0.6");
  model::knobDrag(wb, 0, 17, 38);
  EXPECT_EQ(wb.knobTag(0), "0.6");
  // Near the start, a jump to the far end snaps to 0.
  wb.setKnobTag(0, "0.05");
  model::knobDrag(wb, 0, 21, 38);
  EXPECT_EQ(wb.knobTag(0), "0");
  // In the middle, a far jump leaves the knob unchanged.
  wb.setKnobTag(0, "0.2");
  model::knobDrag(wb, 0, 21, 38);
  EXPECT_EQ(wb.knobTag(0), "0.2");
  // Every drag refreshes the meters.
  wb.setKnobTag(0, "0.59");
  model::knobDrag(wb, 0, 21, 38);
  EXPECT_EQ(wb.display(model::Meter::Voltmeter, 1), "1,000");
}
