// SPDX-License-Identifier: GPL-3.0-or-later
// The real program started with its flag file a symbolic link: the file the
// link names is never written, nothing is created where a dangling link
// points, and the program starts normally.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "TempDir.h"
#include "model/FlagFile.h"
#include "platform/core/RecordFile.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

// Runs a copy of the program from `folder` (its application folder) with
// `configuration` to open, until the program opens that file (its window is
// then up: the flag file was used before) or a minute has passed; then
// stops it. True when the file was opened.
bool runUntilOpened(const fs::path& folder, const std::string& configuration) {
  const fs::path program = folder / "velmira";
  if (!fs::exists(program)) fs::copy_file(VELMIRA_PROGRAM, program);
  const int watch = ::inotify_init1(IN_CLOEXEC);
  if (watch < 0 || ::inotify_add_watch(watch, configuration.c_str(), IN_OPEN) < 0) return false;
  std::string path = program.string(), file = configuration;
  char* argv[] = {path.data(), file.data(), nullptr};
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  pid_t pid = -1;
  if (::posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv, environ) != 0) return false;
  pollfd p{watch, POLLIN, 0};
  const bool opened = ::poll(&p, 1, 60'000) == 1;
  ::kill(pid, SIGKILL);
  ::waitpid(pid, nullptr, 0);
  ::close(watch);
  return opened;
}

}  // namespace

TEST(Program, AFlagFileLinkIsNeitherFollowedNorWritten) {
  velmira::test::TempDir dir;
  const fs::path app = dir.path() / "app";
  fs::create_directory(app);
  const std::string configuration = (dir.path() / "depart.C07").string();
  fs::copy_file(fs::path(VELMIRA_APP_DATA) / "VELMIRA.C07", configuration);
  const fs::path flag = velmira::model::flagFilePath(app.string());

  // Without a link, the program marks itself running before its window is up.
  ASSERT_TRUE(runUntilOpened(app, configuration));
  EXPECT_EQ(velmira::records::readRecord(flag.string(), velmira::model::kRunningRecord), "OUI");

  const fs::path target = dir.path() / "autre.txt";
  const std::string before(5000, 'x');
  std::ofstream(target, std::ios::binary) << before;
  for (const fs::path& pointed : {target, dir.path() / "absent.txt"}) {
    fs::remove(flag);
    fs::create_symlink(pointed, flag);
    ASSERT_TRUE(runUntilOpened(app, configuration)) << pointed;
    EXPECT_TRUE(fs::is_symlink(flag));
  }
  EXPECT_EQ(velmira::test::contents(target.string()), before);
  EXPECT_FALSE(fs::exists(dir.path() / "absent.txt"));
}
