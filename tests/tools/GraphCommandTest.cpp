// SPDX-License-Identifier: GPL-3.0-or-later
// velmira-outil graphe: the graph of two columns of a configuration file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
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

TEST_F(Graphe, UncertaintiesRangeAndReading) {
  // C1 = 1 2 3 4, C2 = 3 5 7 10 (the affine line a = 2,3, b = 0,5 with
  // residuals), line 5 an outlier left out by --points 1-4.
  const std::string f = (dir / "u.C07").string();
  tools::Args a;
  const char* y[] = {"3", "5", "7", "10", "40"};
  for (int i = 0; i < 5; ++i)
    a.insert(a.end(), {"--set", "cellule(" + std::to_string(i + 1) + ",1)=" + std::to_string(i + 1), "--set",
                       "cellule(" + std::to_string(i + 1) + ",2)=" + y[i]});
  a.insert(a.end(), {"-o", f});
  ASSERT_EQ(tools::configCommand(a, out, err), 0) << err.str();

  ASSERT_EQ(graphe({f, "--points", "1-4", "--incertitudes"}), 0) << err.str();
  const std::string o = out.str();
  // Σ(y - ax)² = 183 - 74²/30 through the origin, u(a) = √(that / 3 / 30).
  EXPECT_NE(o.find("\ndroite_origine\ty = a·x ; a = 2,47E+00 ; r² = 0,9974\n"
                   "incertitude_origine\tu(a) = 7,20E-02\n"
                   "droite_affine\ty = a·x + b ; a = 2,30E+00 ; b = 5,00E-01 ; r² = 0,9888\n"
                   "incertitude_affine\tu(a) = 1,73E-01 ; u(b) = 4,74E-01\n"),
            std::string::npos)
      << o;
  EXPECT_EQ(std::count(o.begin(), o.end(), '\n'), 15);  // every point still plotted, nothing after the fits
  EXPECT_NE(o.find("\npoint\t"), std::string::npos);

  // Two points: an affine line without uncertainty.
  ASSERT_EQ(graphe({f, "--points", "2-3", "--incertitudes"}), 0);
  EXPECT_NE(out.str().find("\nincertitude_affine\tu non calculable\n"), std::string::npos) << out.str();

  // Reading the line: y = 6 with u(y) = 0,2 on the affine line; on the line
  // through the origin u(x) = x·u(a)/a.
  ASSERT_EQ(graphe({f, "--points", "1-4", "--lire", "6", "--u-lire", "0.2"}), 0);
  EXPECT_EQ(out.str().substr(out.str().rfind("\n", out.str().size() - 2) + 1),
            "lecture\tx = 2,39E+00 ; u(x) = 1,21E-01\n");
  ASSERT_EQ(graphe({f, "--points", "1-4", "--lire", "6", "--origine"}), 0);
  EXPECT_NE(out.str().find("\nlecture\tx = 2,43E+00 ; u(x) = 7,10E-02\n"), std::string::npos) << out.str();

  for (tools::Args bad : {tools::Args{f, "--points", "4-2"},
                          {f, "--points"},
                          {f, "--points", "0-3"},
                          {f, "--lire", "abc"},
                          {f, "--lire", "1", "--u-lire", "-1"},
                          {f, "--u-lire", "1"},
                          {f, "--origine"}}) {
    EXPECT_EQ(graphe(bad), 2) << bad[1];
    EXPECT_FALSE(err.str().empty());
    EXPECT_TRUE(out.str().empty());
  }
}

TEST_F(Graphe, UncertaintyOfTheIntersection) {
  // Two lines of three points each, crossing at x = 3 (the core's case);
  // line 7 a stray point left out of the split by --points 1-6.
  const std::string f = (dir / "v.C07").string();
  tools::Args a;
  const int xy[][2] = {{0, 10}, {1, 7}, {2, 5}, {4, 5}, {5, 7}, {6, 10}, {7, 0}};
  for (int i = 0; i < 7; ++i)
    for (int c = 0; c < 2; ++c)
      a.insert(a.end(), {"--set", "cellule(" + std::to_string(i + 1) + "," + std::to_string(c + 1) +
                                      ")=" + std::to_string(xy[i][c])});
  a.insert(a.end(), {"-o", f});
  ASSERT_EQ(tools::configCommand(a, out, err), 0) << err.str();
  ASSERT_EQ(graphe({f, "--deux-droites", "--incertitudes", "--points", "1-6"}), 0) << err.str();
  EXPECT_NE(out.str().find("\nintersection\tx = 3,00E+00 ; y = 2,33E+00\nincertitude_intersection\tu(x) = 1,76E-01\n"),
            std::string::npos)
      << out.str();
  // Four points: lines of two points, no uncertainty.
  ASSERT_EQ(graphe({f, "--deux-droites", "--incertitudes", "--points", "2-5"}), 0);
  EXPECT_NE(out.str().find("\nincertitude_intersection\tu non calculable\n"), std::string::npos) << out.str();
}

TEST_F(Graphe, TheSavedGraphSetByConfigGivesTheColumns) {
  const std::string saved = (dir / "saved.C07").string();
  std::ostringstream o, e;
  ASSERT_EQ(tools::configCommand({file(), "--set", "graphe_abscisse=2", "--set", "graphe_ordonnee=3", "--set",
                                  "graphe_points= 1 - 3", "--set", "graphe_modele=affine", "-o", saved},
                                 o, e),
            0)
      << e.str();
  std::ostringstream records;
  ASSERT_EQ(tools::configCommand({saved}, records, e), 0);
  for (const char* item : {"graphe_abscisse=2", "graphe_ordonnee=3", "graphe_points=1-3", "graphe_modele=affine"})
    EXPECT_NE(records.str().find(std::string("\t") + item + "\n"), std::string::npos) << item;

  ASSERT_EQ(graphe({file(), "--abscisse", "2", "--ordonnee", "3"}), 0);
  const std::string given = out.str();
  ASSERT_EQ(graphe({saved}), 0);
  EXPECT_EQ(out.str(), given);
  // A column given wins over the saved one.
  ASSERT_EQ(graphe({file(), "--abscisse", "1", "--ordonnee", "3"}), 0);
  const std::string first = out.str();
  ASSERT_EQ(graphe({saved, "--abscisse", "1"}), 0);
  EXPECT_EQ(out.str(), first);

  // A bad value is refused (graph::graphValueProblem), nothing written.
  const std::string refused = (dir / "refuse.C07").string();
  EXPECT_EQ(tools::configCommand({file(), "--set", "graphe_lier=vrai", "-o", refused}, o, e), 2);
  EXPECT_NE(e.str().find("valeur non valide pour graphe_lier : « vrai » (oui ou non)"), std::string::npos) << e.str();
  EXPECT_FALSE(fs::exists(refused));
}
