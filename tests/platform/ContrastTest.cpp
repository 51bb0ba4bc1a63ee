// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/core/Contrast.h"

using namespace velmira;

TEST(Contrast, RatiosOfKnownPairs) {
  EXPECT_NEAR(contrastRatio({0, 0, 0}, {255, 255, 255}), 21.0, 1e-9);
  EXPECT_NEAR(contrastRatio({255, 255, 255}, {0, 0, 0}), 21.0, 1e-9);  // order does not matter
  EXPECT_NEAR(contrastRatio({120, 30, 200}, {120, 30, 200}), 1.0, 1e-9);
  // The classic threshold greys on white: #767676 passes, #777777 does not.
  EXPECT_TRUE(legible({0x76, 0x76, 0x76}, {255, 255, 255}));
  EXPECT_NEAR(contrastRatio({0x76, 0x76, 0x76}, {255, 255, 255}), 4.54, 0.01);
  EXPECT_FALSE(legible({0x77, 0x77, 0x77}, {255, 255, 255}));
  // Green weighs most in luminance, blue least.
  EXPECT_GT(relativeLuminance({0, 255, 0}), relativeLuminance({255, 0, 0}));
  EXPECT_GT(relativeLuminance({255, 0, 0}), relativeLuminance({0, 0, 255}));
  EXPECT_NEAR(relativeLuminance({255, 255, 255}), 1.0, 1e-9);
}
