// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "TempDir.h"
#include "model/FlagFile.h"
#include "platform/core/RecordFile.h"

using namespace velmira;
namespace fs = std::filesystem;

namespace {
struct FlagFile : ::testing::Test {
  test::TempDir temp;
  const fs::path dir = temp.path();
  std::string path() const { return model::flagFilePath(dir.string()); }
};
}  // namespace

TEST_F(FlagFile, PathAddsTheSeparatorOnce) {
  EXPECT_EQ(model::flagFilePath("/a/b"), "/a/b/TEMPQZ.TMP");
  EXPECT_EQ(model::flagFilePath("/a/b/"), "/a/b/TEMPQZ.TMP");
}

TEST_F(FlagFile, MissingFileIsCreatedRunningThenStopped) {
  model::markRunning(dir.string());
  EXPECT_EQ(records::readRecord(path(), 2), "OUI");
  model::markStopped(dir.string());
  EXPECT_EQ(records::readRecord(path(), 2), "NON");
}

TEST_F(FlagFile, OtherRecordsOfTheLauncherAreKept) {
  ASSERT_TRUE(records::writeRecord(path(), 1, "lanceur"));
  ASSERT_TRUE(records::writeRecord(path(), 40, "fin"));
  model::markRunning(dir.string());
  EXPECT_EQ(records::readRecord(path(), 1), "lanceur");
  EXPECT_EQ(records::readRecord(path(), 40), "fin");
}

TEST_F(FlagFile, ExerciseIsTakenOnceAndBlanksOpenNothing) {
  ASSERT_TRUE(records::writeRecord(path(), 31, "  EXOS\\ex1.E24 "));
  EXPECT_EQ(model::takeExercise(dir.string()), "EXOS\\ex1.E24");
  EXPECT_EQ(records::readRecord(path(), 31), "");
  EXPECT_EQ(model::takeExercise(dir.string()), "");
  ASSERT_TRUE(records::writeRecord(path(), 31, "    "));
  EXPECT_EQ(model::takeExercise(dir.string()), "");
  EXPECT_EQ(records::readRecord(path(), 31), "");
}

TEST_F(FlagFile, FailuresAreSilent) {
  const std::string nowhere = (dir / "missing" / "deeper").string();
  model::markRunning(nowhere);
  EXPECT_EQ(model::takeExercise(nowhere), "");
  EXPECT_FALSE(fs::exists(model::flagFilePath(nowhere)));
  // A pipe in its place neither blocks nor is written.
  ASSERT_EQ(::mkfifo(path().c_str(), 0600), 0);
  model::markRunning(dir.string());
  EXPECT_EQ(model::takeExercise(dir.string()), "");
  EXPECT_TRUE(fs::is_fifo(path()));
}

TEST_F(FlagFile, ALinkInItsPlaceIsNeitherFollowedNorWritten) {
  const fs::path target = dir / "autre.txt";
  const std::string before(4000, 'x');
  { std::ofstream(target, std::ios::binary) << before; }
  ASSERT_TRUE(records::writeRecord((dir / "lanceur").string(), 31, "EXOS\\ex1.E24"));
  for (const fs::path& pointed : {target, dir / "lanceur", dir / "absent"}) {
    fs::remove(path());
    fs::create_symlink(pointed, path());
    model::markRunning(dir.string());
    EXPECT_EQ(model::takeExercise(dir.string()), "") << pointed;
    model::markStopped(dir.string());
    EXPECT_TRUE(fs::is_symlink(path()));
  }
  EXPECT_EQ(test::contents(target.string()), before);
  EXPECT_EQ(records::readRecord((dir / "lanceur").string(), 31), "EXOS\\ex1.E24");  // not taken through the link
  EXPECT_FALSE(fs::exists(dir / "absent"));  // nothing created where a dangling link points
}

TEST_F(FlagFile, SaysRunningWhileAnyInstanceRuns) {
  model::RunningMark first(dir.string());
  model::RunningMark second(dir.string());
  EXPECT_EQ(records::readRecord(path(), 2), "OUI");
  first.stop();  // the other one still runs
  EXPECT_EQ(records::readRecord(path(), 2), "OUI");
  model::RunningMark third(dir.string());
  second.stop();
  EXPECT_EQ(records::readRecord(path(), 2), "OUI");
  third.stop();
  EXPECT_EQ(records::readRecord(path(), 2), "NON");
  third.stop();  // stopped once
  model::RunningMark none;
  none.stop();
  EXPECT_EQ(records::readRecord(path(), 2), "NON");
}
