// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "TempDir.h"
#include "platform/core/Messages.h"
#include "platform/core/SafeFile.h"

using namespace velmira;
namespace fs = std::filesystem;

namespace {

std::string contents(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

// A write(2) that fails from its second call on, as a full disk does.
int gWrites = 0;
ssize_t failSecondWrite(int fd, const void* data, std::size_t size) {
  if (++gWrites >= 2) {
    errno = ENOSPC;
    return -1;
  }
  return ::write(fd, data, size);
}

}  // namespace

TEST(SafeFile, AFailedWriteLeavesTheOldFileWholeAndNoTemporaryFile) {
  test::TempDir dir;
  const std::string target = dir.file("essai.C07");
  ASSERT_TRUE(fileio::replaceFile(target, std::string(12290, 'a')));
  gWrites = 0;
  EXPECT_FALSE(fileio::replaceFile(target, std::string(200000, 'b'), failSecondWrite));
  EXPECT_EQ(contents(target), std::string(12290, 'a'));
  EXPECT_EQ(dir.entries(), 1u);
  EXPECT_TRUE(fileio::replaceFile(target, "nouveau"));
  EXPECT_EQ(contents(target), "nouveau");
}

TEST(SafeFile, AFolderThatRefusesNewFilesLeavesTheOldFileWhole) {
  if (::geteuid() == 0) GTEST_SKIP() << "folder permissions do not bind root";
  test::TempDir dir;
  const std::string target = dir.file("essai.C07");
  ASSERT_TRUE(fileio::replaceFile(target, "ancien"));
  fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_FALSE(fileio::replaceFile(target, "nouveau"));
  fs::permissions(dir.path(), fs::perms::owner_all);
  EXPECT_EQ(contents(target), "ancien");
  EXPECT_EQ(dir.entries(), 1u);
}

TEST(SafeFile, KeepsPermissionsAndLinksAndRefusesWhatIsNotARegularFile) {
  test::TempDir dir;
  const std::string target = dir.file("prive.C07");
  ASSERT_TRUE(fileio::replaceFile(target, "un"));
  ::chmod(target.c_str(), 0600);
  ASSERT_TRUE(fileio::replaceFile(target, "deux"));
  struct stat st {};
  ::stat(target.c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0600u);

  const std::string link = dir.file("lien.C07");
  fs::create_symlink(target, link);
  ASSERT_TRUE(fileio::replaceFile(link, "trois"));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(contents(target), "trois");

  EXPECT_FALSE(fileio::replaceFile(dir.path().string(), "x"));
  const std::string fifo = dir.file("tube");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_FALSE(fileio::replaceFile(fifo, "x"));
  EXPECT_TRUE(fs::is_fifo(fifo));
}

TEST(SafeFile, ReadingAPipeNeverBlocks) {
  test::TempDir dir;
  const std::string fifo = dir.file("TEMPQZ.TMP");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(fileio::readRegularFile(fifo, 4096));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  EXPECT_FALSE(fileio::readRegularFile(dir.file("absent"), 4096));
  ASSERT_TRUE(fileio::replaceFile(dir.file("f"), "abcdef"));
  EXPECT_EQ(fileio::readRegularFile(dir.file("f"), 4), "abcd");
}

TEST(SafeFile, EachFailureSaysItsCause) {
  test::TempDir dir;
  const std::string fifo = dir.file("tube");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  ASSERT_TRUE(fileio::replaceFile(dir.file("f"), "x"));
  const struct {
    std::string path;
    fileio::SaveCause cause;
  } cases[] = {
      {dir.path().string(), fileio::SaveCause::IsFolder},
      {dir.file("absent/x.C07"), fileio::SaveCause::FolderMissing},
      {dir.file("f/x.C07"), fileio::SaveCause::FolderMissing},
      {dir.file(std::string(300, 'n')), fileio::SaveCause::NameTooLong},
      {fifo, fileio::SaveCause::NotRegularFile},
      {"/dev/full", fileio::SaveCause::NotRegularFile},
  };
  for (const auto& c : cases) {
    fileio::SaveFailure failure;
    EXPECT_FALSE(fileio::replaceFile(c.path, "x", nullptr, &failure)) << c.path;
    EXPECT_EQ(failure.cause, c.cause) << c.path;
  }
  fileio::SaveFailure failure;
  gWrites = 0;
  EXPECT_FALSE(fileio::replaceFile(dir.file("f"), std::string(200000, 'b'), failSecondWrite, &failure));
  EXPECT_EQ(failure.cause, fileio::SaveCause::DiskFull);
  EXPECT_EQ(fileio::saveCauseOf(EROFS), fileio::SaveCause::System);
  EXPECT_EQ(fileio::saveCauseOf(EACCES), fileio::SaveCause::AccessDenied);
}

TEST(SafeFile, AReadOnlyFileIsReplacedOnlyWhenAskedToAndKeepsItsOwner) {
  test::TempDir dir;
  const std::string target = dir.file("lecture-seule.C07");
  ASSERT_TRUE(fileio::replaceFile(target, "ancien"));
  ::chmod(target.c_str(), 0444);
  EXPECT_TRUE(fileio::isReadOnlyFile(target));
  fileio::SaveFailure failure;
  EXPECT_FALSE(fileio::replaceFile(target, "nouveau", nullptr, &failure));
  EXPECT_EQ(failure.cause, fileio::SaveCause::ReadOnlyFile);
  EXPECT_EQ(contents(target), "ancien");
  EXPECT_TRUE(fileio::replaceFile(target, "nouveau", nullptr, &failure, fileio::ReadOnlyTarget::Replace));
  EXPECT_EQ(contents(target), "nouveau");
  EXPECT_TRUE(fileio::isReadOnlyFile(target));

  if (::geteuid() != 0) GTEST_SKIP() << "only root can give a file to another user";
  ::chmod(target.c_str(), 0640);
  ASSERT_EQ(::chown(target.c_str(), 1234, 4321), 0);
  ASSERT_TRUE(fileio::replaceFile(target, "par root"));
  struct stat st {};
  ::stat(target.c_str(), &st);
  EXPECT_EQ(st.st_uid, 1234u);
  EXPECT_EQ(st.st_gid, 4321u);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(SafeFile, ASystemCauseIsSaidInFrench) {
  test::TempDir dir;
  fs::create_symlink(dir.file("b.pdf"), dir.file("a.pdf"));
  fs::create_symlink(dir.file("a.pdf"), dir.file("b.pdf"));
  fileio::SaveFailure failure;
  EXPECT_FALSE(fileio::replaceFile(dir.file("a.pdf"), "x", nullptr, &failure));
  EXPECT_EQ(msg::saveCauseText(failure), "trop de liens symboliques");
  // No cause the system may give reaches the user in the system's own words.
  for (int error = 1; error < 134; ++error) {
    const std::string text = msg::saveCauseText({fileio::saveCauseOf(error), error});
    EXPECT_NE(text, std::strerror(error)) << error;
    EXPECT_FALSE(text.empty()) << error;
  }
  EXPECT_EQ(msg::systemErrorText(EROFS), "disque en lecture seule");
}

TEST(SafeFile, ALinkIsReplacedNotFollowedWhenLinksAreRefused) {
  test::TempDir dir;
  const std::string target = dir.file("autre.C07"), link = dir.file("lien.C07");
  ASSERT_TRUE(fileio::replaceFile(target, "à garder"));
  fs::create_symlink(target, link);
  EXPECT_FALSE(fileio::readFile(link, 100, fileio::Links::Refuse).failure == fileio::ReadFailure::None);
  ASSERT_TRUE(
      fileio::replaceFile(link, "nouveau", nullptr, nullptr, fileio::ReadOnlyTarget::Refuse, fileio::Links::Refuse));
  EXPECT_FALSE(fs::is_symlink(link));
  EXPECT_EQ(contents(link), "nouveau");
  EXPECT_EQ(contents(target), "à garder");
  fs::create_symlink(dir.file("absent.C07"), dir.file("pendant.C07"));
  ASSERT_TRUE(fileio::replaceFile(dir.file("pendant.C07"), "x", nullptr, nullptr, fileio::ReadOnlyTarget::Refuse,
                                  fileio::Links::Refuse));
  EXPECT_FALSE(fs::exists(dir.file("absent.C07")));
}

TEST(SafeFile, StaleTemporariesGoButNotALiveOneNorALinkNorAnotherName) {
  test::TempDir dir;
  auto make = [&](const std::string& name, int seconds) {
    { std::ofstream(dir.file(name)) << "reste"; }
    fs::last_write_time(dir.file(name), fs::file_time_type::clock::now() - std::chrono::seconds(seconds));
    return dir.file(name);
  };
  const std::string stale = make(".velmira-a1B2c3", 120), fresh = make(".velmira-d4E5f6", 10);
  const std::string other = make(".velmira-notes", 120), live = make(".velmira-LIVE00", 120);
  const std::string pointed = make("important.C07", 120);
  fs::create_symlink(pointed, dir.file(".velmira-lien00"));
  ASSERT_EQ(::mkfifo(dir.file(".velmira-tube00").c_str(), 0600), 0);
  // A save still writing holds its temporary locked.
  const int held = ::open(live.c_str(), O_RDONLY);
  ASSERT_EQ(::flock(held, LOCK_EX), 0);

  EXPECT_EQ(fileio::removeStaleTemporaries(dir.path().string()), 1);
  EXPECT_FALSE(fs::exists(stale));
  for (const std::string& kept : {fresh, other, live, pointed, dir.file(".velmira-tube00")})
    EXPECT_TRUE(fs::exists(kept)) << kept;
  EXPECT_TRUE(fs::is_symlink(dir.file(".velmira-lien00")));
  ::close(held);
  // A save into the folder clears what has gone stale.
  ASSERT_TRUE(fileio::replaceFile(dir.file("travail.C07"), "x"));
  EXPECT_FALSE(fs::exists(live));
  EXPECT_TRUE(fs::exists(fresh));
}
