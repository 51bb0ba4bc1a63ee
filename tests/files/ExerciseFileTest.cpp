// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "RecordingMessages.h"
#include "TempDir.h"
#include "files/ExerciseFile.h"
#include "platform/core/RecordFile.h"
#include "platform/core/SafeFile.h"

using namespace velmira;

namespace {

struct ExerciseFileTest : ::testing::Test {
  test::TempDir dir;
  test::RecordingMessages messages;

  std::string fileOf(const std::vector<std::string>& recs, const char* name = "exo.E24") {
    records::RecordWriter w;
    for (std::size_t i = 0; i < recs.size(); ++i) EXPECT_TRUE(w.write(i + 1, recs[i]));
    w.trimLast();
    EXPECT_TRUE(records::writeFile(dir.file(name), w.bytes()));
    return dir.file(name);
  }
};

}  // namespace

TEST_F(ExerciseFileTest, WrittenRecordsFollowTheLayout) {
  files::Exercise e;
  e.statement = "énoncé.rtf";
  e.configuration = "config.C07";
  e.correctedConfiguration = "corrige.C07";
  e.difficulty = " 2";
  e.notions = {"Conductance, ", "conductivité", "", ""};
  e.title = "Loi de Kohlrausch";
  ASSERT_TRUE(files::writeExercise(dir.file("a.E24"), e));
  files::ExerciseFile f;
  ASSERT_TRUE(f.load(dir.file("a.E24")));
  records::RecordReader r;
  ASSERT_TRUE(r.load(dir.file("a.E24")));
  EXPECT_EQ(r.read(1), "énoncé.rtf");
  EXPECT_EQ(r.read(2), "config.C07");
  EXPECT_EQ(r.read(3), "");
  EXPECT_EQ(r.read(4), "corrige.C07");
  EXPECT_EQ(r.read(5), " 2");
  EXPECT_EQ(r.read(8), "conductivité");
  EXPECT_EQ(r.read(11), "Loi de Kohlrausch");
  EXPECT_EQ(f.read(files::ExerciseItem::Notions, 1), "conductivité");

  // A text no record can hold writes nothing.
  e.title = "σ = k·c";
  EXPECT_FALSE(files::writeExercise(dir.file("b.E24"), e));
  e.title = std::string(127, 'x');
  EXPECT_FALSE(files::writeExercise(dir.file("a.E24"), e));
  EXPECT_EQ(dir.entries(), 1u);
  EXPECT_EQ(records::readRecord(dir.file("a.E24"), 11), "Loi de Kohlrausch");
}

TEST_F(ExerciseFileTest, TheExtensionBlockFollowsTheElevenRecordsWhichStayAsTheyWere) {
  files::Exercise e;
  e.statement = "énoncé.rtf";
  e.title = "Dosage";
  ASSERT_TRUE(files::writeExercise(dir.file("plain.E24"), e));
  ASSERT_TRUE(e.extension.set("resultat_1", "c1 (mol/L)\tc1"));
  ASSERT_TRUE(files::writeExercise(dir.file("ext.E24"), e));
  const auto plain = fileio::readRegularFile(dir.file("plain.E24"), 1 << 20).value();
  const auto extended = fileio::readRegularFile(dir.file("ext.E24"), 1 << 20).value();
  EXPECT_EQ(extended.substr(0, plain.size()), plain);
  files::ExerciseFile f;
  ASSERT_TRUE(f.load(dir.file("ext.E24")));
  EXPECT_EQ(f.read(files::ExerciseItem::Title), "Dosage");
  EXPECT_EQ(f.extension().items, e.extension);
  ASSERT_TRUE(f.load(dir.file("plain.E24")));
  EXPECT_TRUE(f.extension().items.empty());
  EXPECT_FALSE(f.extension().damaged);
}

TEST_F(ExerciseFileTest, PreviewShowsStatusStarsNotionsAndTitle) {
  // Records 3-4 blank, difficulty " 2", notions joined as they stand, record 6 never shown.
  auto p = files::readPreview(
      fileOf({"e.rtf", "c.C07", "  ", "", " 2", "caché", "Conductance, ", "   ", "conductivité", "", "  Titre  "}),
      messages);
  EXPECT_EQ(p.state, files::PreviewState::Read);
  EXPECT_STREQ(p.status(), "Non corrigé");
  EXPECT_EQ(p.stars, (std::array<bool, 3>{true, true, false}));
  EXPECT_EQ(p.notions, "Conductance, conductivité");
  EXPECT_EQ(p.title, "Titre");

  p = files::readPreview(fileOf({"e.rtf", "", "", "c.C07", "0"}), messages);
  EXPECT_STREQ(p.status(), "Exercice corrigé");
  EXPECT_EQ(p.stars, (std::array<bool, 3>{}));
  p = files::readPreview(fileOf({"e.rtf", "", "corrige.rtf", "", ""}), messages);
  EXPECT_TRUE(p.corrected);
  EXPECT_EQ(p.stars, (std::array<bool, 3>{}));
  EXPECT_EQ(p.title, "");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ExerciseFileTest, PreviewFailures) {
  EXPECT_EQ(files::readPreview("  ", messages).state, files::PreviewState::Blank);
  EXPECT_TRUE(messages.shown.empty());

  EXPECT_EQ(files::readPreview(dir.file("absent.E24"), messages).state, files::PreviewState::Unreadable);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Vérifier\u00A0:\n- le nom du fichier,\n- l'état du lecteur.");
  EXPECT_EQ(messages.shown[0].title, "Lecture impossible");
  EXPECT_EQ(messages.shown[0].icon, Icon::Critical);

  // A pipe is refused without waiting for a writer.
  ASSERT_EQ(::mkfifo(dir.file("tube.E24").c_str(), 0600), 0);
  EXPECT_EQ(files::readPreview(dir.file("tube.E24"), messages).state, files::PreviewState::Unreadable);

  // Record 4 damaged (a length over 126): the preview stops; a damaged
  // title only leaves the title empty.
  std::string bytes(11 * records::kRecordSize, '\0');
  bytes[3 * records::kRecordSize] = '\xFF';
  ASSERT_TRUE(records::writeFile(dir.file("abime.E24"), bytes));
  EXPECT_EQ(files::readPreview(dir.file("abime.E24"), messages).state, files::PreviewState::Unreadable);
  bytes[3 * records::kRecordSize] = '\0';
  bytes[4 * records::kRecordSize] = '\x01';
  bytes[4 * records::kRecordSize + 2] = '3';
  bytes[10 * records::kRecordSize] = '\xFF';
  ASSERT_TRUE(records::writeFile(dir.file("abime.E24"), bytes));
  const auto p = files::readPreview(dir.file("abime.E24"), messages);
  EXPECT_EQ(p.state, files::PreviewState::Read);
  EXPECT_EQ(p.stars, (std::array<bool, 3>{true, true, true}));
  EXPECT_EQ(p.title, "");
  EXPECT_EQ(messages.shown.size(), 3u);
}

TEST(ExercisePaths, FolderKeepsItsSeparatorAndWindowsNamesAreRead) {
  EXPECT_EQ(files::exerciseFolder("/app/exercices/a.E24"), "/app/exercices/");
  EXPECT_EQ(files::exerciseFolder("a.E24"), "./");
  EXPECT_EQ(files::referencedPath("/app/exercices/", "corriges\\a.rtf"), "/app/exercices/corriges/a.rtf");
  EXPECT_EQ(files::referencedPath("/app", "a.C07"), "/app/a.C07");
}
