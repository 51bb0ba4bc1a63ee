// SPDX-License-Identifier: GPL-3.0-or-later
// Marking a result: deviation, z-score and verdict, against hand-computed cases.
#include <gtest/gtest.h>

#include "model/Marking.h"

using namespace velmira::model;

TEST(Marking, DeviationAndZAreComputedAndShownWithTwoDecimals) {
  // expected 0.0150, given 0.0156: +4 %; u 0.0003: z = 0.0006 / 0.0003 = 2.
  const Mark m = markResult(0.015, 0.0156, 0.0003, 5);
  ASSERT_TRUE(m.deviationPercent && m.z);
  EXPECT_EQ(markFigure(m.deviationPercent, true), "4,00");
  EXPECT_EQ(markFigure(m.z, false), "2.00");
  EXPECT_EQ(m.verdict, Verdict::Right);
  // Below the expected value the deviation is negative: 0.0141 is -6 %, out of 5 %.
  const Mark low = markResult(0.015, 0.0141, std::nullopt, 5);
  EXPECT_EQ(markFigure(low.deviationPercent, false), "-6.00");
  EXPECT_FALSE(low.z);
  EXPECT_EQ(markFigure(low.z, false), "");
  EXPECT_EQ(low.verdict, Verdict::Wrong);
  EXPECT_STREQ(verdictText(low.verdict), "faux");
}

TEST(Marking, BothBoundsOfTheToleranceAreRight) {
  // 0.1 ± 5 %: 0.095 and 0.105 are on the bounds, whatever the binary rounding.
  EXPECT_EQ(markResult(0.1, 0.095, std::nullopt, 5).verdict, Verdict::Right);
  EXPECT_EQ(markResult(0.1, 0.105, std::nullopt, 5).verdict, Verdict::Right);
  EXPECT_EQ(markResult(0.1, 0.0949, std::nullopt, 5).verdict, Verdict::Wrong);
  EXPECT_EQ(markResult(0.1, 0.1051, std::nullopt, 5).verdict, Verdict::Wrong);
  // A negative expected value: the tolerance is of its magnitude.
  EXPECT_EQ(markResult(-2, -2.1, std::nullopt, 5).verdict, Verdict::Right);
  EXPECT_EQ(markResult(-2, -1.8, std::nullopt, 5).verdict, Verdict::Wrong);
  EXPECT_STREQ(verdictText(Verdict::Right), "juste");
}

TEST(Marking, AnExpectedZeroIsOnlyMetByZeroAndNoResultHasNoMark) {
  EXPECT_EQ(markResult(0, 0.0, std::nullopt, 5).verdict, Verdict::Right);
  const Mark m = markResult(0, 1e-9, 1e-9, 5);
  EXPECT_EQ(m.verdict, Verdict::Wrong);
  EXPECT_FALSE(m.deviationPercent);
  EXPECT_EQ(markFigure(m.z, false), "1.00");
  // A zero uncertainty gives no z rather than a division by zero.
  EXPECT_FALSE(markResult(1, 1.01, 0.0, 5).z);
  const Mark none = markResult(0.01, std::nullopt, 0.001, 5);
  EXPECT_EQ(none.verdict, Verdict::None);
  EXPECT_FALSE(none.deviationPercent || none.z);
  EXPECT_STREQ(verdictText(none.verdict), "");
}
