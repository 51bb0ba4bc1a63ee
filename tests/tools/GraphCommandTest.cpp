// velmira-outil graphe: the graph of two columns of a configuration file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "TempDir.h"
#include "tools/Commands.h"

using namespace velmira;
namespace fs = std::filesystem;

namespace {

struct Graphe : ::testing::Test {
  test::TempDir temp;
  const fs::path dir = temp.path();
  std::ostringstream out, err;
  void SetUp() override {
    // C1 = 1..4, C2 = 2·C1, C3 = 3 1 2 0 (default mask 0.00E+00); C4 empty.
    tools::Args a;
    const char* c3[] = {"3", "1", "2", "0"};
    for (int i = 1; i <= 4; ++i) {
      for (auto [col, v] : {std::pair{1, std::to_string(i)}, {2, std::to_string(2 * i)}, {3, std::string(c3[i - 1])}}) {
        a.push_back("--set");
        a.push_back("cellule(" + std::to_string(i) + "," + std::to_string(col) + ")=" + v);
      }
    }
    a.push_back("-o");
    a.push_back(file());
    ASSERT_EQ(tools::configCommand(a, out, err), 0) << err.str();
  }
  std::string file() const { return (dir / "g.C07").string(); }
  int graphe(tools::Args a) {
    out.str("");
    err.str("");
    return tools::graphCommand(a, out, err);
  }
};

}  // namespace

TEST_F(Graphe, PrintsWhatTheWindowDraws) {
  ASSERT_EQ(graphe({file()}), 0) << err.str();
  EXPECT_EQ(out.str(),
            "pas_abscisse\t0,5\n"
            "pas_ordonnee\t1\n"
            "axes\t5 495\n"
            "graduations_abscisse\t5 65 125 185 245 305 365 425 485 545\n"
            "graduations_ordonnee\t495 435 375 315 255 195 135 75 15 -45\n"
            "point\t125 375\npoint\t245 255\npoint\t365 135\npoint\t485 15\n"
            "lier\toui\n"
            "droite_origine\ty = a·x ; a = 2,00E+00 ; r² = 1,0000\n"
            "droite_affine\ty = a·x + b ; a = 2,00E+00 ; b = 0,00E+00 ; r² = 1,0000\n");
  EXPECT_TRUE(err.str().empty());

  // Other columns; a column of zeros gives the message alone.
  ASSERT_EQ(graphe({"--ordonnee", "3", file(), "--abscisse", "2"}), 0);
  EXPECT_NE(out.str().find("\npoint\t125 15\npoint\t245 335\n"), std::string::npos) << out.str();
  ASSERT_EQ(graphe({file(), "--ordonnee", "4"}), 0);
  EXPECT_EQ(out.str(), "message\tChoisir des grandeurs valides pour l'abscisse et l'ordonnée\n");
}

TEST_F(Graphe, TwoLinesOfATitration) {
  // 200 mL of hydrochloric acid at 0,005 mol/L, sodium hydroxide at 0,1
  // mol/L added mL by mL on the mixture bench: V2 in C1, σ in C2, V1 in C3,
  // σ corrected for the dilution in C4.
  tools::Args a = {"--set", "solute1=5",        "--set", "c1=0,005",
                   "--set", "solute2=18",       "--set", "c2=0,1",
                   "--set", "V1=200",           "--set", "montage=conductimetre",
                   "--set", "conductimetre3=4", "--set", "masque=########0.00",
                   "--set", "lignes=21",        "--set", "saisie1=7",
                   "--set", "saisie2=5",        "--set", "saisie3=6",
                   "--set", "saisie4=1",        "--set", "saisie5=1"};
  for (int v = 0; v <= 20; ++v) {
    a.insert(a.end(), {"--set", "V2=" + std::to_string(v), "--mesure", "3"});
  }
  const std::string titration = (dir / "dosage.C07").string();
  a.insert(a.end(), {"--calcule", "4", "C2 * (C3 + C1) / C3", "-o", titration});
  ASSERT_EQ(tools::configCommand(a, out, err), 0) << err.str();
  ASSERT_EQ(graphe({titration, "--ordonnee", "4", "--deux-droites"}), 0) << err.str();
  const std::string o = out.str();
  const auto line = [&](const std::string& name) {
    const auto at = o.find("\n" + name + "\t");
    EXPECT_NE(at, std::string::npos) << name << " in " << o;
    if (at == std::string::npos) return std::string();
    const auto from = at + name.size() + 2;
    return o.substr(from, o.find('\n', from) - from);
  };
  EXPECT_EQ(line("droite_1").rfind("y = a·x + b ; a = -", 0), 0u) << o;
  EXPECT_EQ(line("droite_2").rfind("y = a·x + b ; a = ", 0), 0u) << o;
  // The equivalence: c1 V1 / c2 = 10 mL, within 1 %.
  const std::string x = line("intersection");
  ASSERT_EQ(x.rfind("x = ", 0), 0u) << x;
  std::string number = x.substr(4, x.find(" ;") - 4);
  number.replace(number.find(','), 1, ".");
  EXPECT_NEAR(std::stod(number), 10, 0.1) << x;
  // The three lines come after the others.
  EXPECT_LT(o.find("droite_affine\t"), o.find("droite_1\t"));
  EXPECT_EQ(o.substr(o.size() - x.size() - 1), x + "\n");

  // Four points on one line: two equal lines never cross; a graph that
  // cannot be drawn still prints its message alone.
  ASSERT_EQ(graphe({file(), "--deux-droites"}), 0);
  EXPECT_NE(out.str().find("\ndroite_1\ty = a·x + b ; a = 2,00E+00 ; b = 0,00E+00 ; r² = 1,0000\n"
                           "droite_2\ty = a·x + b ; a = 2,00E+00 ; b = 0,00E+00 ; r² = 1,0000\n"
                           "intersection\timpossible\n"),
            std::string::npos)
      << out.str();
  ASSERT_EQ(graphe({file(), "--ordonnee", "4", "--deux-droites"}), 0);
  EXPECT_EQ(out.str(), "message\tChoisir des grandeurs valides pour l'abscisse et l'ordonnée\n");
  // Three points: no lines.
  const std::string three = (dir / "trois.C07").string();
  ASSERT_EQ(
      tools::configCommand({"--set", "cellule(1,1)=1", "--set", "cellule(1,2)=3", "--set", "cellule(2,1)=2", "--set",
                            "cellule(2,2)=1", "--set", "cellule(3,1)=3", "--set", "cellule(3,2)=2", "-o", three},
                           out, err),
      0);
  ASSERT_EQ(graphe({three, "--deux-droites"}), 0);
  EXPECT_NE(out.str().find("\ndroite_1\timpossible\ndroite_2\timpossible\nintersection\timpossible\n"),
            std::string::npos)
      << out.str();
}

TEST_F(Graphe, RefusesBadArguments) {
  for (tools::Args a : {tools::Args{file(), "--abscisse", "6"},
                        {file(), "--ordonnee", "0"},
                        {file(), "--abscisse"},
                        {file(), "--ordonnee", "2,5"},
                        {file(), "--autre"},
                        {},
                        {file(), file()}}) {
    EXPECT_EQ(graphe(a), 2);
    EXPECT_FALSE(err.str().empty());
    EXPECT_TRUE(out.str().empty());
  }
  EXPECT_NE(err.str().find("un seul fichier"), std::string::npos);
  ASSERT_EQ(graphe({file(), "--abscisse", "6"}), 2);
  EXPECT_EQ(err.str(),
            "velmira-outil graphe : colonne non valide « 6 » pour --abscisse : un numéro de colonne de 1 à 5\n");
  EXPECT_EQ(graphe({(dir / "absent.C07").string()}), 1);
  EXPECT_NE(err.str().find("fichier introuvable"), std::string::npos);
}
