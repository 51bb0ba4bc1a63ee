#include "platform/core/AppFolders.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "TempDir.h"

using velmira::fileio::appFolders;
namespace fs = std::filesystem;

TEST(AppFolders, BesideTheProgramOrInstalledWithTheFlagWhereTheUserCanWrite) {
  velmira::test::TempDir dir;
  // The build tree: files beside the program.
  fs::create_directories(dir.path() / "build");
  auto f = appFolders(dir.file("build"), dir.file("user"));
  EXPECT_EQ(f.data, dir.file("build"));
  EXPECT_EQ(f.flag, dir.file("build"));
  // Installed: <prefix>/bin and <prefix>/share/velmira.
  fs::create_directories(dir.path() / "usr" / "bin");
  fs::create_directories(dir.path() / "usr" / "share" / "velmira");
  f = appFolders(dir.file("usr/bin"), dir.file("user"));
  EXPECT_EQ(f.data, dir.file("usr/share/velmira"));
  if (::geteuid() != 0) {
    fs::permissions(dir.path() / "usr" / "share" / "velmira", fs::perms::owner_read | fs::perms::owner_exec);
    f = appFolders(dir.file("usr/bin"), dir.file("user/velmira"));
    EXPECT_EQ(f.flag, dir.file("user/velmira"));
    EXPECT_TRUE(fs::is_directory(dir.path() / "user" / "velmira"));
    fs::permissions(dir.path() / "usr" / "share" / "velmira", fs::perms::owner_all);
  }
}
