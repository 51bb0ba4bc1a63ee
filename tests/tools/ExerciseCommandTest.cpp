// SPDX-License-Identifier: GPL-3.0-or-later
// velmira-outil exercice: writing exercise files, refusing what would not
// open, and --lire.
#include <gtest/gtest.h>

#include <sstream>

#include "TempDir.h"
#include "files/ExerciseFile.h"
#include "platform/core/RecordFile.h"
#include "tools/Commands.h"

using namespace velmira;

namespace {

struct Exercice : ::testing::Test {
  test::TempDir dir;
  std::ostringstream out, err;

  void SetUp() override {
    ASSERT_TRUE(records::writeFile(dir.file("enonce.rtf"), "{\\rtf1 \\'c9nonc\\'e9\\par}"));
    ASSERT_TRUE(records::writeFile(dir.file("pas-rtf.rtf"), "texte"));
    std::filesystem::create_directory(dir.path() / "fichiers");
    ASSERT_EQ(run({"config", "-o", dir.file("config.C07")}), 0);
  }
  int run(tools::Args a) {
    out.str("");
    err.str("");
    const std::string cmd = a[0];
    a.erase(a.begin());
    return cmd == "config" ? tools::configCommand(a, out, err) : tools::exerciseCommand(a, out, err);
  }
  // A whole command line from the statement to the output, with `extra` before -o.
  tools::Args exercice(tools::Args extra, const std::string& output = "exo.E24") {
    tools::Args a = {"exercice", "--enonce",    dir.file("enonce.rtf"), "--config", dir.file("config.C07"),
                     "--titre",  "Conductance", "--difficulte",         "2"};
    a.insert(a.end(), extra.begin(), extra.end());
    a.insert(a.end(), {"-o", dir.file(output)});
    return a;
  }
};

}  // namespace

TEST_F(Exercice, WritesNamesRelativeToTheOutputAndReadsThemBack) {
  ASSERT_EQ(run(exercice({"--notions", "Conductance, ", "--notions", "conductivité", "--corrige-enonce",
                          dir.file("enonce.rtf")})),
            0)
      << err.str();
  files::ExerciseFile f;
  ASSERT_TRUE(f.load(dir.file("exo.E24")));
  EXPECT_EQ(f.read(files::ExerciseItem::Configuration), "config.C07");
  EXPECT_EQ(f.read(files::ExerciseItem::Difficulty), " 2");

  ASSERT_EQ(run({"exercice", "--lire", dir.file("exo.E24")}), 0) << err.str();
  const std::string d = dir.path().string() + "/";
  EXPECT_EQ(out.str(),
            "1\tenonce.rtf\n2\tconfig.C07\n3\tenonce.rtf\n4\t\n5\t 2\n6\t\n7\tConductance, \n"
            "8\tconductivité\n9\t\n10\t\n11\tConductance\n"
            "énoncé\t" +
                d +
                "enonce.rtf\ts'ouvre\n"
                "configuration\t" +
                d +
                "config.C07\ts'ouvre\n"
                "énoncé corrigé\t" +
                d + "enonce.rtf\ts'ouvre\n");

  // A getting-started file names its statement and configuration only.
  ASSERT_EQ(run({"exercice", "--enonce", dir.file("enonce.rtf"), "-o", dir.file("VELMIRA.PEM")}), 0);
  EXPECT_EQ(records::readRecord(dir.file("VELMIRA.PEM"), 1), "enonce.rtf");
  EXPECT_EQ(run({"exercice", "--enonce", dir.file("enonce.rtf"), "--titre", "T", "-o", dir.file("B.PEM")}), 2);
  // Either case of the extension, as the program opens them.
  EXPECT_EQ(run({"exercice", "--enonce", dir.file("enonce.rtf"), "-o", dir.file("x.pem")}), 0) << err.str();
  EXPECT_EQ(run(exercice({}, "exo2.e24")), 0) << err.str();

  // Names leading out of the exercise's folder are neither written nor read.
  ASSERT_EQ(run({"config", "-o", dir.file("fichiers/autre.C07")}), 0);
  EXPECT_EQ(run(exercice({"--corrige-config", dir.file("fichiers/autre.C07")})), 1);
  EXPECT_NE(err.str().find("hors du dossier de l'exercice"), std::string::npos) << err.str();
  files::Exercise outside;
  outside.statement = "../enonce.rtf";
  outside.configuration = "x\x1b[2J\n.C07";
  ASSERT_TRUE(files::writeExercise(dir.file("fichiers/dehors.E24"), outside));
  EXPECT_EQ(run({"exercice", "--lire", dir.file("fichiers/dehors.E24")}), 1);
  EXPECT_NE(out.str().find("../enonce.rtf\tne s'ouvre pas : hors du dossier de l'exercice"), std::string::npos)
      << out.str();
  EXPECT_EQ(out.str().find('\x1b'), std::string::npos);  // control characters are printed escaped
  EXPECT_NE(out.str().find("x\\x1B[2J\\n.C07"), std::string::npos) << out.str();

  // --lire reports a file that went missing.
  std::filesystem::remove(dir.file("config.C07"));
  EXPECT_EQ(run({"exercice", "--lire", dir.file("exo.E24")}), 1);
  EXPECT_NE(out.str().find("configuration\t" + d + "config.C07\tne s'ouvre pas : fichier introuvable"),
            std::string::npos)
      << out.str();
}

TEST_F(Exercice, RefusesWhatWouldNotOpenAndWritesNothing) {
  const struct {
    tools::Args extra;
    int status;
    const char* says;
  } cases[] = {
      {{"--corrige-enonce", dir.file("absent.rtf")}, 1, "énoncé corrigé"},
      {{"--corrige-enonce", dir.file("pas-rtf.rtf")}, 1, "pas un texte au format RTF"},
      {{"--corrige-config", dir.file("enonce.rtf")}, 1, "Lecture impossible sur disque"},
      {{"--corrige-config", dir.file("absent.C07")}, 1, "fichier introuvable"},
      {{"--titre", std::string(127, 'x')}, 1, "126 au plus"},
      {{"--notions", "σ = k·c"}, 1, "Windows-1252"},
      {{"--difficulte", "4"}, 2, "de 0 à 3"},
      {{"--difficulte", "1,5"}, 2, "de 0 à 3"},
      {{"--notions", "a", "--notions", "b", "--notions", "c", "--notions", "d", "--notions", "e"}, 2, "quatre"},
      {{"--titre", " "}, 2, "titre"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(run(exercice(c.extra)), c.status) << c.says;
    EXPECT_NE(err.str().find(c.says), std::string::npos) << err.str();
  }
  EXPECT_EQ(run(exercice({}, "exo.txt")), 2);
  EXPECT_EQ(run({"exercice", "--titre", "T", "--difficulte", "1", "-o", dir.file("exo.E24")}), 2);
  EXPECT_FALSE(std::filesystem::exists(dir.file("exo.E24")));
  EXPECT_EQ(run({"exercice", "--lire", dir.file("exo.E24")}), 1);
  // Into a missing folder: the save's own cause.
  EXPECT_EQ(run(exercice({}, "absent/exo.E24")), 1);
  EXPECT_EQ(err.str(), "velmira-outil exercice : Enregistrement impossible : « " + dir.file("absent/exo.E24") +
                           " » : dossier introuvable\n");
}

TEST_F(Exercice, ReadRefusesTheRecordsTheProgramRefuses) {
  ASSERT_EQ(run(exercice({})), 0) << err.str();
  const std::string good = test::contents(dir.file("exo.E24"));
  for (std::size_t record : {1u, 2u, 3u, 4u}) {
    std::string bytes = good;
    bytes[(record - 1) * records::kRecordSize] = '\xFF';
    bytes[(record - 1) * records::kRecordSize + 1] = '\xFF';  // length 0xFFFF
    ASSERT_TRUE(records::writeFile(dir.file("abime.E24"), bytes));
    EXPECT_EQ(run({"exercice", "--lire", dir.file("abime.E24")}), 1) << record;
    EXPECT_NE(out.str().find("enregistrement " + std::to_string(record) + " illisible"), std::string::npos)
        << out.str();
    EXPECT_EQ(out.str().find("s'ouvre\n"), std::string::npos) << out.str();
  }
}

TEST_F(Exercice, ResultsAndToleranceAreStoredAfterTheRecordsAndRead) {
  ASSERT_EQ(
      run(exercice({"--resultat", "k (S.m2/mol)", "1,5E-3", "--resultat", "pente", "0.25", "--tolerance", "2,5"})), 0)
      << err.str();
  files::ExerciseFile f;
  ASSERT_TRUE(f.load(dir.file("exo.E24")));
  EXPECT_EQ(f.read(files::ExerciseItem::Title), "Conductance");
  ASSERT_EQ(run({"exercice", "--lire", dir.file("exo.E24")}), 0) << err.str();
  EXPECT_NE(out.str().find("11\tConductance\nresultat 1\tk (S.m2/mol)\t1,5E-3\nresultat 2\tpente\t0.25\n"
                           "tolerance\t2.5\n"),
            std::string::npos)
      << out.str();
  // Without --tolerance, the default one is read.
  ASSERT_EQ(run(exercice({"--resultat", "x", "1"}, "def.E24")), 0) << err.str();
  ASSERT_EQ(run({"exercice", "--lire", dir.file("def.E24")}), 0);
  EXPECT_NE(out.str().find("resultat 1\tx\t1\ntolerance\t5\n"), std::string::npos) << out.str();
}

TEST_F(Exercice, BadResultsAreRefusedNamingTheOptionAndNothingIsWritten) {
  const struct {
    tools::Args args;
    const char* said;
  } cases[] = {
      {{"--resultat", "c1 (mol/L)", "c1"}, "--resultat « c1 (mol/L) » : la configuration ne cache pas c1"},
      {{"--resultat", "x", "douze"}, "--resultat « x » : attendu non valide"},
      {{"--resultat", "a", "1", "--resultat", "b", "1", "--resultat", "c", "1", "--resultat", "d", "1", "--resultat",
        "e", "1"},
       "--resultat : quatre au plus (5 donnés)"},
      {{"--resultat", "x", "1", "--tolerance", "-2"}, "--tolerance non valide « -2 »"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(run(exercice(c.args)), 1) << c.said;
    EXPECT_NE(err.str().find(c.said), std::string::npos) << err.str();
    EXPECT_FALSE(std::filesystem::exists(dir.file("exo.E24"))) << c.said;
  }
  EXPECT_EQ(run(exercice({"--resultat", "x"})), 2);
}

TEST_F(Exercice, APupilsWorkRefusesBadInputNamingTheOptionAndWritesNothing) {
  ASSERT_EQ(run(exercice({"--resultat", "pente", "2,5"})), 0) << err.str();
  const std::string work = dir.file("travail.C07");
  const tools::Args start = {dir.file("exo.E24"), "--tirage", "4", "--nom", "Léa"};
  auto travail = [&](tools::Args extra) {
    tools::Args a = start;
    a.insert(a.end(), extra.begin(), extra.end());
    err.str("");
    return tools::workCommand(a, err);
  };
  const struct {
    tools::Args args;
    int status;
    const char* said;
  } cases[] = {
      {{"--resultat", "2=1", "-o", work}, 1, "--resultat 2 : l'exercice demande les résultats 1 à 1"},
      {{"--resultat", "1=douze", "-o", work}, 1, "--resultat 1 : valeur non valide « douze »"},
      {{"--resultat", "1=2,5:-1", "-o", work}, 1, "--resultat 1 : incertitude non valide « -1 »"},
      {{"--resultat", "1", "-o", work}, 2, "--resultat attend K=VALEUR"},
      {{"--nom", " ", "-o", work}, 1, "--nom non valide"},
      {{"--tirage", "-3", "-o", work}, 2, "--tirage non valide « -3 »"},
      {{}, 2, "-o TRAVAIL.C07"},
      {{"-o", dir.file("travail.txt")}, 2, "l'extension .C07"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(travail(c.args), c.status) << c.said;
    EXPECT_NE(err.str().find(c.said), std::string::npos) << err.str();
    EXPECT_FALSE(std::filesystem::exists(work)) << c.said;
  }
  ASSERT_EQ(travail({"--resultat", "1=2,4:0,1", "-o", work}), 0) << err.str();
  EXPECT_TRUE(std::filesystem::exists(work));
}
