#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <set>

#include "TempDir.h"
#include "files/RecoveryFiles.h"
#include "files/WorkHistory.h"
#include "model/Workbench.h"
#include "table/Table.h"

using namespace velmira;
namespace fs = std::filesystem;

namespace {

struct Recovery : ::testing::Test {
  test::TempDir dir;
  std::string work;
  std::set<std::string> held;

  void SetUp() override {
    model::Workbench wb;
    wb.startupDefaults();
    table::Table table;
    table.setCell(1, 0, "4");
    work = *files::workSnapshot(wb, table);
  }
  std::vector<files::RecoveryCopy> copies() {
    return files::leftCopies(dir.path().string(), [this](const std::string& lock) { return held.count(lock) > 0; });
  }
  files::RecoveryFiles at(long long pid) { return files::recoveryFiles(dir.path().string(), pid); }
  void age(const std::string& path, int seconds) {
    fs::last_write_time(path, fs::file_time_type::clock::now() - std::chrono::seconds(seconds));
  }
};

TEST_F(Recovery, WrittenCopiesComeBackNewestFirstUnlessTheirRunIsAlive) {
  ASSERT_TRUE(files::writeRecovery(at(10), work, "/home/élève/mesures.C07", "{\\rtf1 texte}"));
  ASSERT_TRUE(files::writeRecovery(at(20), work, "", ""));
  ASSERT_TRUE(files::writeRecovery(at(30), work, "", ""));
  age(at(10).config, 10);
  age(at(20).config, 100);
  held.insert(at(30).lock);

  const auto found = copies();
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0].files.config, at(10).config);
  EXPECT_EQ(found[0].workName, "/home/élève/mesures.C07");
  EXPECT_EQ(found[0].rtf, "{\\rtf1 texte}");
  EXPECT_EQ(found[0].snapshot, work);
  EXPECT_EQ(found[1].files.config, at(20).config);
  EXPECT_TRUE(found[1].rtf.empty());

  files::removeRecovery(at(10));
  EXPECT_FALSE(fs::exists(at(10).config));
  EXPECT_FALSE(fs::exists(at(10).name));
  EXPECT_FALSE(fs::exists(at(10).text));
  EXPECT_EQ(copies().size(), 1u);
}

TEST_F(Recovery, AnUnreadableCopyIsSetAside) {
  { std::ofstream(at(7).config) << "abîmé"; }
  fs::create_directory(at(8).config);  // not a file at all
  { std::ofstream(dir.file("notes.C07")) << "pas une copie"; }
  EXPECT_TRUE(copies().empty());
  EXPECT_TRUE(fs::exists(at(7).config + files::kUnreadableSuffix));
  EXPECT_FALSE(fs::exists(at(7).config));
  EXPECT_TRUE(fs::exists(dir.file("notes.C07")));
  // Set aside once: the next start offers nothing and moves nothing.
  EXPECT_TRUE(copies().empty());
}

TEST_F(Recovery, AMissingOrReadOnlyFolderIsNoFault) {
  EXPECT_TRUE(files::leftCopies(dir.file("absent"), [](const std::string&) { return false; }).empty());
  EXPECT_FALSE(files::writeRecovery(files::recoveryFiles(dir.file("absent"), 1), work, "", ""));
  fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
  if (::geteuid() != 0) {
    EXPECT_FALSE(files::writeRecovery(at(1), work, "", ""));
  }
}

}  // namespace

namespace {

TEST_F(Recovery, LinksInTheFolderAreNeverFollowed) {
  const std::string mine = dir.file("devoir.C07"), before = "le devoir de l'élève";
  { std::ofstream(mine) << before; }
  fs::create_symlink(mine, at(40).config);                    // to a file the user may write
  fs::create_symlink(dir.file("ailleurs.C07"), at(40).name);  // dangling
  std::ofstream(dir.file("copie.C07")) << work;
  fs::create_symlink(dir.file("copie.C07"), at(41).config);

  ASSERT_TRUE(files::writeRecovery(at(40), work, "nom", ""));
  EXPECT_EQ(test::contents(mine), before);
  EXPECT_FALSE(fs::exists(dir.file("ailleurs.C07")));
  EXPECT_FALSE(fs::is_symlink(at(40).config));
  EXPECT_EQ(test::contents(at(40).config), work);
  held.insert(at(40).lock);

  EXPECT_TRUE(copies().empty());               // the link is not read...
  EXPECT_TRUE(fs::is_symlink(at(41).config));  // ...nor set aside
  EXPECT_EQ(test::contents(mine), before);
}

TEST_F(Recovery, OnlyTheProgramsOwnNamesAreLookedAtAndAtMostAHundred) {
  EXPECT_EQ(files::recoveryCopyNumber("31020.C07"), 31020);
  for (const char* other : {"0031020.C07", "31020.c07", "-5.C07", "+5.C07", ".C07", "5.C07.illisible", "5.nom",
                            "99999999999999999999999.C07", "3 1.C07"})
    EXPECT_FALSE(files::recoveryCopyNumber(other)) << other;
  { std::ofstream(dir.file("0031020.C07")) << "abîmé"; }
  for (int pid = 1; pid <= 150; ++pid) std::ofstream(at(pid).config) << "abîmé";
  EXPECT_TRUE(copies().empty());
  int setAside = 0;
  for (int pid = 1; pid <= 150; ++pid) setAside += fs::exists(at(pid).config + files::kUnreadableSuffix);
  EXPECT_EQ(setAside, 100);
  EXPECT_TRUE(fs::exists(dir.file("0031020.C07")));
}

}  // namespace
