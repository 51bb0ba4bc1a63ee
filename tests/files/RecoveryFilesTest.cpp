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
