#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

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
    return tools::commandeTexte(a, out, err);
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
  const fs::path dir = fs::temp_directory_path() / ("velmira-texte-" + std::to_string(::getpid()));
  fs::create_directories(dir);
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
  EXPECT_EQ(tools::commandeTexte({(dir / "a.rtf").string()}, broken, err), 1);
  EXPECT_NE(err.str().find("écriture impossible"), std::string::npos);
  fs::remove_all(dir);
}
