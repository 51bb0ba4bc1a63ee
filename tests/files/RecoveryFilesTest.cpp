// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
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

TEST_F(Recovery, AFolderThatIsALinkIsNeitherWrittenNorReadThrough) {
  // Elsewhere: a pupil's folder holding what looks like a left copy and a stale temporary.
  const fs::path elsewhere = dir.path() / "ailleurs";
  fs::create_directory(elsewhere);
  { std::ofstream(elsewhere / "77.C07") << "le devoir de l'élève"; }
  { std::ofstream(elsewhere / ".velmira-AbC123") << "x"; }
  fs::last_write_time(elsewhere / ".velmira-AbC123", fs::file_time_type::clock::now() - std::chrono::hours(1));
  const fs::path linked = dir.path() / "recuperation";
  fs::create_directory_symlink(elsewhere, linked);
  const auto files = files::recoveryFiles(linked.string(), 40);

  EXPECT_FALSE(files::recoveryFolderUsable(linked.string()));
  EXPECT_FALSE(files::writeRecovery(files, work, "nom", "texte"));
  files::removeRecovery(files::recoveryFiles(linked.string(), 77));
  EXPECT_TRUE(files::leftCopies(linked.string(), [](const std::string&) { return false; }).empty());
  std::size_t entries = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(elsewhere)) ++entries;
  EXPECT_EQ(entries, 2u);  // nothing written, renamed or removed there
  EXPECT_EQ(test::contents((elsewhere / "77.C07").string()), "le devoir de l'élève");
  // A dangling link in the folder's place: nothing is made where it points.
  const fs::path dangling = dir.path() / "perdu";
  fs::create_directory_symlink(dir.path() / "nulle-part", dangling);
  EXPECT_FALSE(files::writeRecovery(files::recoveryFiles(dangling.string(), 40), work, "", ""));
  EXPECT_FALSE(fs::exists(dir.path() / "nulle-part"));
  // A folder, or none yet, is the program's own.
  EXPECT_TRUE(files::recoveryFolderUsable(elsewhere.string()));
  EXPECT_TRUE(files::recoveryFolderUsable((dir.path() / "absent").string()));
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

TEST_F(Recovery, AWorksNameIsKeptOnlyWhenTheProgramCouldHaveWrittenIt) {
  EXPECT_EQ(files::checkedWorkName("/home/élève/mesures.C07"), "/home/élève/mesures.C07");
  EXPECT_EQ(files::checkedWorkName(std::string(4000, 'a').insert(0, "/")), "");  // last part over 255
  EXPECT_EQ(files::checkedWorkName("/" + std::string(200, 'd') + "/" + std::string(200, 'f')),
            "/" + std::string(200, 'd') + "/" + std::string(200, 'f'));
  std::string deep;
  while (deep.size() <= 4096) deep += "/dossier";
  EXPECT_EQ(files::checkedWorkName(deep), "");
  for (const char* bad :
       {"/tmp/a\nb.C07", "/tmp/a\tb.C07", "/tmp/\x7f.C07", "/tmp/\xC2\x85.C07", "/tmp/r\xE9sultat.C07"})
    EXPECT_EQ(files::checkedWorkName(bad), "") << bad;
  EXPECT_EQ(files::checkedWorkName(std::string("/tmp/a\0b.C07", 12)), "");

  // As the scan reads them: a 64 KB name is no name.
  ASSERT_TRUE(files::writeRecovery(at(10), work, std::string(64 * 1024, 'x'), ""));
  const auto found = copies();
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].workName, "");
}

TEST_F(Recovery, TheQuestionOffersOneLinePerCopyWithItsNameAndTimeAtMostTwenty) {
  const char* zone = std::getenv("TZ");
  const std::string kept = zone ? zone : "";
  setenv("TZ", "UTC0", 1);
  tzset();
  std::vector<files::RecoveryCopy> copies(3);
  copies[0].workName = "/home/élève/mesures.C07";
  copies[0].savedAt = 1796819700;  // 2026-12-09 12:35 UTC
  copies[1].savedAt = 1796776800;  // 2026-12-09 00:40 UTC
  copies[2].workName = "/";
  copies[2].savedAt = 0;
  auto q = files::resumeQuestion(copies);
  EXPECT_EQ(q.title, "Reprendre un travail");
  EXPECT_EQ(q.text, "Des travaux non enregistrés ont été retrouvés :");
  EXPECT_EQ(q.takeCaption, "Reprendre");
  EXPECT_EQ(q.noneCaption, "Ne rien reprendre");
  ASSERT_EQ(q.lines.size(), 3u);
  EXPECT_EQ(q.lines[0], "mesures.C07 (09/12/2026 à 12:35)");
  EXPECT_EQ(q.lines[1], "Travail sans nom (09/12/2026 à 00:40)");
  EXPECT_EQ(q.lines[2], "Travail sans nom (01/01/1970 à 00:00)");

  copies.resize(30);
  EXPECT_EQ(files::resumeQuestion(copies).lines.size(), files::kCopiesOffered);
  if (zone)
    setenv("TZ", kept.c_str(), 1);
  else
    unsetenv("TZ");
  tzset();
}

TEST(RestartState, ComesBackAsWrittenAndNothingElseIsTaken) {
  const files::RestartState state{true, false, true, false, std::string("/home/\xE9l\xE8ve/a:b.E24")};
  const auto back = files::readRestartState(files::restartStateText(state));
  ASSERT_TRUE(back);
  EXPECT_TRUE(back->saved);
  EXPECT_FALSE(back->textModified);
  EXPECT_TRUE(back->textReadOnly);
  EXPECT_FALSE(back->textFile);
  EXPECT_EQ(back->textPath, state.textPath);
  EXPECT_TRUE(files::readRestartState("0000:"));
  for (const char* bad : {"", "0000", "000:", "00000", "0200:x", "10a0:x"})
    EXPECT_FALSE(files::readRestartState(bad)) << bad;
}

}  // namespace
