// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/core/ScreenFit.h"

using namespace velmira;

TEST(Zoom, StepsOfTwentyFiveBetweenOneAndThreeHundred) {
  EXPECT_EQ(zoomIn(100), 125);
  EXPECT_EQ(zoomIn(275), 300);
  EXPECT_EQ(zoomIn(300), 300);
  EXPECT_EQ(zoomOut(125), 100);
  EXPECT_EQ(zoomOut(100), 100);
  // A stored value that is not a step counts as 100 %.
  EXPECT_EQ(validZoom(150), 150);
  EXPECT_EQ(validZoom(130), 100);
  EXPECT_EQ(validZoom(325), 100);
  EXPECT_EQ(validZoom(-25), 100);
  EXPECT_EQ(zoomIn(130), 125);
}

TEST(ScreenFitRule, TheZoomWhereItFitsElseTheLargestGrainThatFits) {
  // 1024 x 600 free at factor 1: 800 x 600 fits at 100 %.
  ScreenFit f = fitScreen(100, 1, 1024, 600, 800, 600);
  EXPECT_DOUBLE_EQ(f.factor, 1);
  EXPECT_TRUE(f.fits);
  // A panel takes 40 px: not below a whole factor of 1, and it does not fit.
  f = fitScreen(100, 1, 1024, 560, 800, 600);
  EXPECT_DOUBLE_EQ(f.factor, 1);
  EXPECT_FALSE(f.fits);
  // On a desktop at 150 % the least relative factor is 1 / 1.5: there 0.9
  // fits (560 / 600 = 0.93), a whole factor of 1.35.
  f = fitScreen(100, 1, 1024, 560, 800, 600, kLeastScale / 1.5);
  EXPECT_NEAR(f.factor, 0.9, 1e-9);
  EXPECT_TRUE(f.fits);
  // 200 % on 1600 x 1000, the free area given at factor 2 (800 x 480): 1.6.
  f = fitScreen(200, 2, 800, 480, 800, 600);
  EXPECT_NEAR(f.factor, 1.6, 1e-9);
  // 1366 x 768 at 150 %: 1200 x 900 does not fit 768, 1.25 does.
  f = fitScreen(150, 1, 1366, 740, 800, 600);
  EXPECT_NEAR(f.factor, 1.2, 1e-9);
  // Too small even at the least factor: the least, and it does not fit.
  f = fitScreen(150, 1.5, 320, 240, 800, 600, kLeastScale / 1.5);
  EXPECT_DOUBLE_EQ(f.factor, kLeastScale / 1.5);
  EXPECT_FALSE(f.fits);
  // A zoom lower than what fits is kept.
  f = fitScreen(125, 1, 1920, 1040, 800, 600);
  EXPECT_DOUBLE_EQ(f.factor, 1.25);
}
