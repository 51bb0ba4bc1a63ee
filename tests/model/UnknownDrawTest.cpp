// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing an unknown concentration within a range, from a seed.
#include <gtest/gtest.h>

#include "model/UnknownDraw.h"
#include "platform/core/NumberText.h"

using namespace velmira::model;

TEST(UnknownDraw, DrawsRepeatWithTheSeedAndStayWithinTheRangeWithThreeDigits) {
  const DrawRange range = *readDrawRange("0,005..0,02").range;
  UnknownDraw a(42), b(42), c(43);
  bool differs = false;
  for (int i = 0; i < 200; ++i) {
    const std::string t = a.draw(range);
    EXPECT_EQ(t, b.draw(range));
    differs = differs || t != c.draw(range);
    const double v = *velmira::num::readDouble(t);
    EXPECT_GE(v, 0.005) << t;
    EXPECT_LE(v, 0.02) << t;
    EXPECT_DOUBLE_EQ(*velmira::num::readDouble(velmira::num::format(v, "0.00E+00")), v) << t;
  }
  EXPECT_TRUE(differs);
  // Rounding that would leave the range rounds toward it.
  EXPECT_DOUBLE_EQ(roundedWithin(0.019996, {0.01, 0.01999}), 0.0199);
  EXPECT_DOUBLE_EQ(roundedWithin(0.0100004, {0.010001, 0.02}), 0.0101);
}

TEST(UnknownDraw, RangesOutsideTheEntryOrReversedAreRefused) {
  EXPECT_EQ(readDrawRange("0,02..0,005").problem, RangeProblem::Reversed);
  EXPECT_EQ(readDrawRange("0,000001..0,01").problem, RangeProblem::OutOfEntry);
  EXPECT_EQ(readDrawRange("0,01..0,2").problem, RangeProblem::OutOfEntry);
  EXPECT_EQ(readDrawRange("0,01").problem, RangeProblem::Unreadable);
  EXPECT_TRUE(readDrawRange("0,01..0,01").range);
}
