// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "RichDocumentPrint.h"
#include "TempDir.h"
#include "files/rtf/RtfFile.h"
#include "platform/core/RecordFile.h"
#include "tools/Commands.h"

using namespace velmira;
namespace fs = std::filesystem;

namespace {

struct Texte : ::testing::Test {
  std::ostringstream out, err;
  int run(tools::Args a) {
    out.str("");
    err.str("");
    return tools::textCommand(a, out, err);
  }
};

// An output whose every write fails.
class FailingBuffer : public std::streambuf {
 protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
};

}  // namespace

TEST_F(Texte, PrintsOneLinePerParagraph) {
  ASSERT_EQ(run({std::string(VELMIRA_TEST_DATA) + "/rtf/abiword-consignes.rtf"}), 0) << err.str();
  EXPECT_EQ(out.str().rfind("Mélange de deux solutions\nVerser 20 mL de la solution 1 dans le bécher, puis ajouter "
                            "la solution 2.\nAttention : noter la conductivité après chaque ajout.\n"
                            "Durée : 20 min — fin à 10 h 30 (coût : 5 €).\n",
                            0),
            0u)
      << out.str();
  EXPECT_TRUE(err.str().empty());
  ASSERT_EQ(run({"--help"}), 0);
  EXPECT_NE(out.str().find("velmira-outil texte FICHIER.rtf"), std::string::npos);
  EXPECT_EQ(run({}), 2);
  EXPECT_FALSE(err.str().empty());
}

TEST_F(Texte, FailuresNameTheFileAndTheCause) {
  const test::TempDir temp;
  const fs::path& dir = temp.path();
  const std::string absent = (dir / "absent.rtf").string();
  EXPECT_EQ(run({absent}), 1);
  EXPECT_EQ(err.str(), "velmira-outil texte : lecture impossible de « " + absent + " » : fichier introuvable\n");
  EXPECT_TRUE(out.str().empty());
  const std::string fifo = (dir / "tube.rtf").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(run({fifo}), 1);
  EXPECT_NE(err.str().find("pas un fichier ordinaire"), std::string::npos);
  records::writeFile((dir / "t.txt").string(), "texte");
  EXPECT_EQ(run({(dir / "t.txt").string()}), 1);
  EXPECT_NE(err.str().find("pas un texte au format RTF"), std::string::npos);

  records::writeFile((dir / "a.rtf").string(), "{\\rtf1 a}");
  FailingBuffer failing;
  std::ostream broken(&failing);
  EXPECT_EQ(tools::textCommand({(dir / "a.rtf").string()}, broken, err), 1);
  EXPECT_NE(err.str().find("écriture impossible"), std::string::npos);
}

TEST_F(Texte, RtfFromMarkedText) {
  test::TempDir dir;
  records::writeFile(dir.file("s.txt"), "# Titre\r\n\nσ = 2 mS·m^{-1} **et** H_{3}O^{+} \\**\n- item : « oui » ?\n");
  ASSERT_EQ(run({"--rtf", dir.file("s.txt"), "-o", dir.file("s.rtf")}), 0) << err.str();
  const auto doc = rtf::loadRtfFile(dir.file("s.rtf")).document;
  ASSERT_TRUE(doc);
  EXPECT_EQ(rtf::plainText(*doc), "Titre\n\nσ = 2 mS·m-1 et H3O+ **\n– item\u00A0: «\u00A0oui\u00A0»\u00A0?\n");
  ASSERT_EQ(doc->paragraphs.size(), 4u);
  const auto& title = doc->paragraphs[0];
  EXPECT_EQ(title.alignment, rtf::Alignment::Centre);
  EXPECT_TRUE(title.runs[0].format.bold);
  EXPECT_EQ(title.runs[0].format.halfPoints, 32);
  const auto& runs = doc->paragraphs[2].runs;
  ASSERT_EQ(runs.size(), 9u) << ::testing::PrintToString(*doc);
  EXPECT_EQ(runs[1].format.position, rtf::VerticalPosition::Raised);
  EXPECT_TRUE(runs[3].format.bold);
  EXPECT_EQ(runs[5].format.position, rtf::VerticalPosition::Lowered);
  EXPECT_EQ(doc->paragraphs[3].leftIndent, 360);

  // A mark left open names its line and writes nothing.
  records::writeFile(dir.file("f.txt"), "a\nb ^{c\n");
  EXPECT_EQ(run({"--rtf", dir.file("f.txt"), "-o", dir.file("f.rtf")}), 1);
  EXPECT_NE(err.str().find("ligne 2"), std::string::npos) << err.str();
  EXPECT_FALSE(fs::exists(dir.file("f.rtf")));
}

TEST_F(Texte, CutsAreSaid) {
  test::TempDir dir;
  // Read: past the reader's paragraphs.
  std::string many = "{\\rtf1 ";
  for (int i = 0; i <= 100'000; ++i) many += "p\\par ";
  records::writeFile(dir.file("long.rtf"), many + "}");
  EXPECT_EQ(run({dir.file("long.rtf")}), 0);
  EXPECT_EQ(err.str(), "velmira-outil texte : « " + dir.file("long.rtf") +
                           " » : texte trop long : seul le début est lu (99999 paragraphes, 500000 passages mis en "
                           "forme, 16 Mo de texte, "
                           "64 Mo de RTF au plus)\n");
  // Written: what the reader would not read is left out, and said.
  std::string lines;
  for (int i = 0; i <= 100'000; ++i) lines += "p\n\n";
  records::writeFile(dir.file("long.txt"), lines);
  EXPECT_EQ(run({"--rtf", dir.file("long.txt"), "-o", dir.file("ecrit.rtf")}), 0);
  EXPECT_NE(err.str().find("seul le début est écrit"), std::string::npos) << err.str();
  EXPECT_FALSE(rtf::loadRtfFile(dir.file("ecrit.rtf")).document->truncated);
  // A save that fails names the file and its cause.
  EXPECT_EQ(run({"--rtf", dir.file("long.txt"), "-o", dir.path().string()}), 1);
  EXPECT_EQ(err.str(),
            "velmira-outil texte : Enregistrement impossible : « " + dir.path().string() + " » : c'est un dossier\n");
}
