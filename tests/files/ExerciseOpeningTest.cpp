// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "ExercisePane.h"
#include "RecordingMessages.h"
#include "TempDir.h"
#include "files/ConfigFile.h"
#include "files/ExerciseFile.h"
#include "files/ExerciseOpening.h"
#include "model/Workbench.h"
#include "platform/core/RecordFile.h"
#include "table/Table.h"

using namespace velmira;

namespace {

struct ExerciseOpeningTest : ::testing::Test {
  test::TempDir dir;
  test::RecordingMessages messages;
  test::ExercisePane pane{messages};

  void SetUp() override {
    ASSERT_TRUE(records::writeFile(dir.file("enonce.rtf"), "{\\rtf1 \\'c9nonc\\'e9\\par}"));
    ASSERT_TRUE(records::writeFile(dir.file("corrige.rtf"), "{\\rtf1 Corrig\\'e9\\par}"));
    model::Workbench wb;
    wb.startupDefaults();
    wb.setSoluteTag(0, "17");
    table::Table t;
    ASSERT_TRUE(files::writeConfiguration(dir.file("config.C07"), wb, t, messages));
  }
  // An exercise file naming a statement, a configuration and a corrected statement.
  std::string exercise(std::string statement, std::string config, std::string corrected = "",
                       const char* name = "exo.E24") {
    files::Exercise e;
    e.statement = std::move(statement);
    e.configuration = std::move(config);
    e.correctedStatement = std::move(corrected);
    EXPECT_TRUE(files::writeExercise(dir.file(name), e));
    return dir.file(name);
  }
  std::string folder() const { return dir.path().string() + "/"; }
};

}  // namespace

TEST_F(ExerciseOpeningTest, ExerciseLoadsItsStatementThenItsConfiguration) {
  const auto out = files::openExercise(exercise("enonce.rtf", "config.C07", "corrige.rtf"), pane, messages);
  EXPECT_EQ(out.result, files::OpenResult::Opened);
  EXPECT_EQ(out.folder, folder());
  EXPECT_TRUE(out.corrected);
  EXPECT_EQ(pane.text, "Énoncé\n");
  EXPECT_EQ(pane.loaded, (std::vector<std::string>{folder() + "enonce.rtf", folder() + "config.C07"}));
  EXPECT_EQ(pane.wb.soluteTag(0), "17");
  EXPECT_TRUE(messages.shown.empty());

  // The correction comes from the exercise's own folder.
  pane.loaded.clear();
  EXPECT_EQ(files::openCorrection(dir.file("exo.E24"), pane, messages).result, files::OpenResult::Opened);
  EXPECT_EQ(pane.text, "Corrigé\n");
  EXPECT_EQ(pane.loaded, (std::vector<std::string>{folder() + "corrige.rtf"}));
  EXPECT_EQ(files::openExercise(" ", pane, messages).result, files::OpenResult::Nothing);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ExerciseOpeningTest, EmptyOrMissingConfiguration) {
  // An empty configuration record changes only the text pane.
  auto out = files::openExercise(exercise("enonce.rtf", "  "), pane, messages);
  EXPECT_EQ(out.result, files::OpenResult::Opened);
  EXPECT_FALSE(out.corrected);
  EXPECT_EQ(pane.loaded.size(), 1u);

  // A missing configuration: the statement loads, then the signature message; the workbench stays.
  files::openExercise(exercise("enonce.rtf", "absent.C07"), pane, messages);
  EXPECT_EQ(pane.loaded.back(), folder() + "absent.C07");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Ce fichier ne correspond pas à cette application");
  EXPECT_EQ(pane.wb.soluteTag(0), "1");
}

TEST_F(ExerciseOpeningTest, FailuresShowTheirMessageAndStop) {
  // A statement that cannot be read: its path in the message, no configuration.
  auto out = files::openExercise(exercise("absent.rtf", "config.C07"), pane, messages);
  EXPECT_EQ(out.result, files::OpenResult::Failed);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Le fichier " + folder() + "absent.rtf est introuvable");
  EXPECT_EQ(messages.shown[0].title, "Fichier absent");
  EXPECT_TRUE(pane.loaded.empty());

  EXPECT_EQ(files::openExercise(dir.file("absent.E24"), pane, messages).result, files::OpenResult::Failed);
  EXPECT_EQ(files::openCorrection(dir.file("absent.E24"), pane, messages).result, files::OpenResult::Failed);
  ASSERT_EQ(messages.shown.size(), 3u);
  EXPECT_EQ(messages.shown[2].title, "Lecture impossible");
  EXPECT_TRUE(pane.loaded.empty());

  // An empty file names no statement: unreadable, not a missing "<folder>/".
  ASSERT_TRUE(records::writeFile(dir.file("vide.E24"), ""));
  EXPECT_EQ(files::openExercise(dir.file("vide.E24"), pane, messages).result, files::OpenResult::Failed);
  ASSERT_EQ(messages.shown.size(), 4u);
  EXPECT_EQ(messages.shown[3].text, files::exerciseUnreadable().text);
}

TEST_F(ExerciseOpeningTest, NamesLeadingOutOfTheFolderReadAsMissing) {
  std::filesystem::create_directory(dir.path() / "exos");
  const std::string up = folder() + "exos/";
  for (const char* name : {"../enonce.rtf", "..\\enonce.rtf", "/etc/passwd", "sous/enonce.rtf", ".."}) {
    messages.shown.clear();
    files::openExercise(exercise(name, "", "", "exos/exo.E24"), pane, messages);
    ASSERT_EQ(messages.shown.size(), 1u) << name;
    EXPECT_EQ(messages.shown[0].title, "Fichier absent") << name;
  }
  // A configuration elsewhere is not read either; the statement stays.
  std::filesystem::copy_file(dir.file("enonce.rtf"), up + "enonce.rtf");
  messages.shown.clear();
  files::openExercise(exercise("enonce.rtf", "../config.C07", "", "exos/exo.E24"), pane, messages);
  EXPECT_EQ(pane.loaded, (std::vector<std::string>{up + "enonce.rtf"}));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Le fichier " + up + "../config.C07 est introuvable");
}

TEST_F(ExerciseOpeningTest, GettingStartedFromTheApplicationFolder) {
  // Missing: nothing happens, no message.
  const std::string app = dir.path().string();
  EXPECT_EQ(files::openGettingStarted(app, files::GettingStarted::Simulator, pane, messages).result,
            files::OpenResult::Nothing);
  EXPECT_TRUE(messages.shown.empty());

  exercise("enonce.rtf", "config.C07", "", "VELMIRA.PEM");
  const auto out = files::openGettingStarted(app, files::GettingStarted::Simulator, pane, messages);
  EXPECT_EQ(out.result, files::OpenResult::Opened);
  EXPECT_EQ(out.folder, folder());
  EXPECT_EQ(pane.loaded, (std::vector<std::string>{folder() + "enonce.rtf", folder() + "config.C07"}));

  exercise("absent.rtf", "config.C07", "", "VELMIRB.PEM");
  EXPECT_EQ(files::openGettingStarted(app + "/", files::GettingStarted::Table, pane, messages).result,
            files::OpenResult::Failed);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Fichier introuvable. Revoir l'installation du logiciel.");
  EXPECT_EQ(messages.shown[0].title, "Erreur lors du chargement");
  EXPECT_EQ(pane.loaded.size(), 2u);
}

TEST_F(ExerciseOpeningTest, GettingStartedFileGivenByItsPath) {
  EXPECT_EQ(files::gettingStartedActivity("/a/b/velmira.pem"), files::GettingStarted::Simulator);
  EXPECT_EQ(files::gettingStartedActivity("VelmirB.PEM"), files::GettingStarted::Table);
  EXPECT_EQ(files::gettingStartedActivity("/VELMIRA.PEM/autre.PEM"), std::nullopt);
  EXPECT_EQ(files::gettingStartedActivity("XVELMIRA.PEM"), std::nullopt);

  // Its files are taken from its own folder.
  exercise("enonce.rtf", "config.C07", "", "velmira.pem");
  const auto out = files::openGettingStartedFile(dir.file("velmira.pem"), pane, messages);
  EXPECT_EQ(out.result, files::OpenResult::Opened);
  EXPECT_EQ(pane.loaded, (std::vector<std::string>{folder() + "enonce.rtf", folder() + "config.C07"}));
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ExerciseOpeningTest, TextFilesOfThePane) {
  const auto doc = files::readExerciseText(dir.file("enonce.rtf"), messages);
  ASSERT_TRUE(doc);
  ASSERT_TRUE(files::saveExerciseText(dir.file("copie.rtf"), *doc, messages));
  EXPECT_EQ(files::readExerciseText(dir.file("copie.rtf"), messages), doc);
  EXPECT_TRUE(messages.shown.empty());

  EXPECT_FALSE(files::readExerciseText(dir.file("config.C07"), messages));
  EXPECT_FALSE(files::saveExerciseText(dir.file("absent/copie.rtf"), *doc, messages));
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[0].text, "Vérifier l'état du lecteur et le nom du fichier.");
  EXPECT_EQ(messages.shown[0].title, "Erreur de lecture.");
  EXPECT_EQ(messages.shown[1].text,
            "Enregistrement impossible : « " + dir.file("absent/copie.rtf") + " » : dossier introuvable");

  // Over a read-only file: asked first; No keeps it, Yes replaces it.
  ::chmod(dir.file("copie.rtf").c_str(), 0444);
  const std::string old = test::contents(dir.file("copie.rtf"));
  messages.shown.clear();
  messages.answers = {Answer::No};
  EXPECT_FALSE(files::saveExerciseText(dir.file("copie.rtf"), {}, messages));
  EXPECT_EQ(test::contents(dir.file("copie.rtf")), old);
  messages.answers = {Answer::Yes};
  EXPECT_TRUE(files::saveExerciseText(dir.file("copie.rtf"), {}, messages));
  EXPECT_NE(test::contents(dir.file("copie.rtf")), old);
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[0].title, "Fichier en lecture seule");
  EXPECT_EQ(messages.shown[0].buttons, Buttons::YesNo);
}
