// SPDX-License-Identifier: GPL-3.0-or-later
// The real program started in hostile surroundings: a pipe in place of its
// settings file, links planted in its recovery folder. It starts (opens the
// file it is given), reads through no link and writes through none.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <string>

#include "TempDir.h"

namespace {

namespace fs = std::filesystem;

// Runs a copy of the program from `app` with `configuration` to open and the
// user's folders under `home`, after `prepare` has run in the program's own
// process (its pid known; system calls only); true when the file was opened within a minute.
template <typename Prepare>
bool startsAndOpens(const fs::path& app, const fs::path& home, const std::string& configuration, Prepare prepare) {
  const fs::path program = app / "velmira";
  if (!fs::exists(program)) fs::copy_file(VELMIRA_PROGRAM, program);
  const int watch = ::inotify_init1(IN_CLOEXEC);
  if (watch < 0 || ::inotify_add_watch(watch, configuration.c_str(), IN_OPEN) < 0) return false;
  const pid_t pid = ::fork();
  if (pid == 0) {
    prepare(::getpid());
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::setenv("HOME", home.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (home / ".config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (home / ".local/share").c_str(), 1);
    ::execl(program.c_str(), program.c_str(), configuration.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  pollfd p{watch, POLLIN, 0};
  const bool opened = pid > 0 && ::poll(&p, 1, 60'000) == 1;
  if (pid > 0) {
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
  }
  ::close(watch);
  return opened;
}

struct ProgramStart : ::testing::Test {
  velmira::test::TempDir dir;
  fs::path app = dir.path() / "app", home = dir.path() / "home";
  std::string configuration = (dir.path() / "depart.C07").string();
  void SetUp() override {
    fs::create_directories(app);
    fs::create_directories(home / ".config/velmira");
    fs::copy_file(fs::path(VELMIRA_APP_DATA) / "VELMIRA.C07", configuration);
  }
};

}  // namespace

TEST_F(ProgramStart, APipeAsTheSettingsFileDoesNotStopTheStart) {
  const fs::path settings = home / ".config/velmira/velmira.ini";
  ASSERT_EQ(::mkfifo(settings.c_str(), 0600), 0);
  EXPECT_TRUE(startsAndOpens(app, home, configuration, [](pid_t) {}));
  EXPECT_TRUE(fs::is_fifo(settings));
}

TEST_F(ProgramStart, LinksInTheRecoveryFolderAreNeitherReadNorMoved) {
  const fs::path recovery = home / ".local/share/velmira/recuperation";
  fs::create_directories(recovery);
  const fs::path target = dir.path() / "devoir.C07";
  fs::copy_file(configuration, target);
  const std::string before = velmira::test::contents(target.string());
  for (int pid = 2; pid < 2000; ++pid) fs::create_symlink(target, recovery / (std::to_string(pid) + ".C07"));
  fs::create_symlink(dir.path() / "absent.C07", recovery / "1.C07");
  // The program's own pid gets its links too (made with system calls alone, after the fork).
  const std::string folder = recovery.string() + "/", pointed = target.string();
  EXPECT_TRUE(startsAndOpens(app, home, configuration, [&](pid_t own) {
    char name[4096];
    for (const char* extension : {".C07", ".nom"}) {
      char* end = std::copy(folder.begin(), folder.end(), name);
      end = std::to_chars(end, name + sizeof name - 8, own).ptr;
      *std::copy(extension, extension + 4, end) = '\0';
      ::symlink(pointed.c_str(), name);
    }
  }));
  EXPECT_EQ(velmira::test::contents(target.string()), before);
  EXPECT_FALSE(fs::exists(dir.path() / "absent.C07"));
  std::size_t links = 0;
  for (const auto& e : fs::directory_iterator(recovery)) links += e.is_symlink();
  EXPECT_GE(links, 1999u);  // none set aside
}

TEST_F(ProgramStart, AFileWhoseNameIsNotUtf8OpensFromTheCommandLine) {
  // "résultat" as an old medium writes it (Latin-1): Qt's decoding of the
  // command line would have lost the name.
  const std::string latin1 = (dir.path() / "r\xE9sultat").string();
  fs::copy_file(configuration, latin1 + ".C07");
  EXPECT_TRUE(startsAndOpens(app, home, latin1 + ".C07", [](pid_t) {}));
  fs::copy_file(fs::path(VELMIRA_APP_DATA) / "exercices" / "3-kohlrausch.E24", latin1 + ".E24");
  EXPECT_TRUE(startsAndOpens(app, home, latin1 + ".E24", [](pid_t) {}));
}
