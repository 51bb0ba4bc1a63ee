// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "files/ConfigName.h"

using velmira::files::configFileName;

TEST(ConfigName, FolderDotsBlanksAndExtension) {
  EXPECT_EQ(configFileName("essai", "/tp"), "/tp/essai.C07");
  EXPECT_EQ(configFileName("  essai.txt ", "/tp/"), "/tp/essai.C07");
  EXPECT_EQ(configFileName("essai.C07", "/tp"), "/tp/essai.C07");
  EXPECT_EQ(configFileName("a.b.c", "/tp"), "/tp/a.C07");
  EXPECT_EQ(configFileName("/autre/tp1.2/essai", "/tp"), "/autre/tp1.C07");  // a typed path is cut too
  EXPECT_EQ(configFileName("/autre/essai", "/tp"), "/autre/essai.C07");
  EXPECT_EQ(configFileName("a .b", "/tp"), "/tp/a.C07");
  for (const char* empty : {"", "   ", ".C07", " . x"}) EXPECT_FALSE(configFileName(empty, "/tp")) << empty;
}
