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

TEST(ScreenFitRule, TheZoomAskedWholeWithoutOneTheLargestGrainThatFits) {
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
  // A zoom asked is given whole where it does not fit: 200 % on 1600 x 1000
  // (the free area given at factor 2, 800 x 480), 150 % on 1366 x 768.
  f = fitScreen(200, 2, 800, 480, 800, 600);
  EXPECT_DOUBLE_EQ(f.factor, 2);
  EXPECT_FALSE(f.fits);
  f = fitScreen(150, 1, 1366, 740, 800, 600);
  EXPECT_DOUBLE_EQ(f.factor, 1.5);
  EXPECT_FALSE(f.fits);
  // Too small even at the least factor: the least, and it does not fit.
  f = fitScreen(100, 1.5, 320, 240, 800, 600, kLeastScale / 1.5);
  EXPECT_DOUBLE_EQ(f.factor, kLeastScale / 1.5);
  EXPECT_FALSE(f.fits);
  // A zoom lower than what fits is kept.
  f = fitScreen(125, 1, 1920, 1040, 800, 600);
  EXPECT_DOUBLE_EQ(f.factor, 1.25);
}
