// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "TempDir.h"
#include "platform/core/AppFolders.h"

using velmira::fileio::appFolders;
namespace fs = std::filesystem;

TEST(AppFolders, BesideTheProgramOrInstalledWithTheFlagInTheUsersFolder) {
  velmira::test::TempDir dir;
  // The build tree: files beside the program.
  fs::create_directories(dir.path() / "build");
  auto f = appFolders(dir.file("build"), dir.file("user"));
  EXPECT_EQ(f.data, dir.file("build"));
  EXPECT_EQ(f.flag, dir.file("build"));
  // Installed: <prefix>/bin and <prefix>/share/velmira.
  fs::create_directories(dir.path() / "usr" / "bin");
  fs::create_directories(dir.path() / "usr" / "share" / "velmira");
  // The flag file in the user's data folder even where the user could
  // write (root): the installed folder belongs to the package.
  f = appFolders(dir.file("usr/bin"), dir.file("user/velmira"));
  EXPECT_EQ(f.data, dir.file("usr/share/velmira"));
  EXPECT_EQ(f.flag, dir.file("user/velmira"));
  EXPECT_TRUE(fs::is_directory(dir.path() / "user" / "velmira"));
  // A copy in its own folder that the user cannot write to.
  if (::geteuid() != 0) {
    fs::permissions(dir.path() / "build", fs::perms::owner_read | fs::perms::owner_exec);
    f = appFolders(dir.file("build"), dir.file("user2"));
    EXPECT_EQ(f.flag, dir.file("user2"));
    fs::permissions(dir.path() / "build", fs::perms::owner_all);
  }
}
