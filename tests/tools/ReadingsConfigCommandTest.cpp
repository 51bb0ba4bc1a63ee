// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "RecordingMessages.h"
#include "TempDir.h"
#include "files/ConfigFile.h"
#include "model/Workbench.h"
#include "platform/core/NumberText.h"
#include "platform/core/RecordFile.h"
#include "table/Table.h"
#include "tools/Commands.h"
#include "tools/Usage.h"

using namespace velmira;
namespace fs = std::filesystem;

namespace {

struct Tool : ::testing::Test {
  test::TempDir temp;
  const fs::path dir = temp.path();
  std::ostringstream out, err;
  std::string path(const char* n) const { return (dir / n).string(); }
  int config(tools::Args a) {
    out.str("");
    err.str("");
    return tools::configCommand(a, out, err);
  }
  int mesures(tools::Args a) {
    out.str("");
    err.str("");
    return tools::readingsCommand(a, out, err);
  }
};

}  // namespace

TEST_F(Tool, ConfigWithoutOutputPrintsTheRecords) {
  ASSERT_EQ(config({}), 0);
  const std::string s = out.str();
  EXPECT_EQ(s.rfind("1\tVELMIRADATA\n2\t0.00E+00\n3\t0.12\n", 0), 0u);
  EXPECT_NE(s.find("\n27\t 13\n28\tC1\n"), std::string::npos);
  EXPECT_NE(s.find("\n97\t\n"), std::string::npos);
  EXPECT_EQ(s.find("\n98\t"), std::string::npos);
}

TEST_F(Tool, SettingsAreTypedAndCheckedLikeThePupilsEntries) {
  ASSERT_EQ(config({"--set", "solute1=9",         "--set", "V1=5",
                    "--set", "c2=0.05",           "--set", "montage=conductimetre",
                    "--set", "conductimetre1=3",  "--set", "lignes=20",
                    "--set", "cellule(20,2)=1.5", "--set", "cellule(0,1)=Temps",
                    "--set", "formule3=C2 / C1",  "--set", "amplitude2=0.6",
                    "-o",    path("a.C07")}),
            0)
      << err.str();
  EXPECT_NE(err.str().find("Le volume minimum du m\xC3\xA9lange"), std::string::npos);
  records::RecordReader r;
  ASSERT_TRUE(r.load(path("a.C07")));
  EXPECT_EQ(r.read(9), "9");
  EXPECT_EQ(r.read(20), "10,0");
  EXPECT_EQ(r.read(17), "0,05");
  EXPECT_EQ(r.read(5), " .6");
  EXPECT_EQ(r.read(24), "000100000010000010");
  EXPECT_EQ(r.read(25), "0");
  EXPECT_EQ(r.read(26), "1");
  EXPECT_EQ(r.read(27), " 21");
  EXPECT_EQ(r.read(28), "Temps");
  EXPECT_EQ(r.read(27 + 20 * 5 + 2), "1,50E+00");
  EXPECT_EQ(r.read(27 + 21 * 5 + 3), "C2 / C1");

  ASSERT_EQ(mesures({path("a.C07")}), 0) << err.str();
  const std::string m = out.str();
  EXPECT_NE(m.find("afficheur(0)\t0,141\n"), std::string::npos) << m;  // KCl in S·m-1
  EXPECT_NE(m.find("afficheur(6)\t1,000\n"), std::string::npos) << m;
  EXPECT_NE(m.find("ecrangbf(2)\t\xC6\x92 =  800 Hz\n"), std::string::npos);
}

TEST_F(Tool, BadSettingsWriteNothing) {
  for (tools::Args a : {tools::Args{"--set", "inconnu=1"},
                        {"--set", "solute1=28"},
                        {"--set", "solute2=1.5"},
                        {"--set", "amplitude1=0.7"},
                        {"--set", "amplitude4=0.1"},
                        {"--set", "voltmetre1=4"},
                        {"--set", "montage=autre"},
                        {"--set", "masque=0.0"},
                        {"--set", "saisie6=1"},
                        {"--set", "lignes=0"},
                        {"--set", "cellule(101,1)=1"},
                        {"--set", "cellule(1,6)=1"},
                        {"--set", "cellule(20,1)=1"},
                        {"--set", "cellule(1,1)=abc"},
                        {"--set", "c1"},
                        {"--set", "dispersion=1"},
                        {"--set", "tirage=-3"},
                        {"--bizarre"}}) {
    a.push_back("-o");
    a.push_back(path("x.C07"));
    EXPECT_EQ(config(a), 2) << a[1];
    EXPECT_FALSE(err.str().empty());
    EXPECT_FALSE(fs::exists(path("x.C07"))) << a[1];
  }
  // One output per call: a second is refused, not silently taken.
  for (tools::Args a : {tools::Args{"--ods", path("x.ods")}, {"--csv"}, {"--tableau"}, {"--statistiques", "1"}}) {
    a.insert(a.begin(), {"-o", path("x.C07")});
    EXPECT_EQ(config(a), 2) << a[2];
    EXPECT_EQ(err.str(),
              "velmira-outil config : une seule sortie parmi -o, --tableau, --csv, --ods et --statistiques\n");
    EXPECT_FALSE(fs::exists(path("x.C07")) || fs::exists(path("x.ods"))) << a[2];
  }
  ASSERT_EQ(config({"--ods", path("x.ods")}), 0) << err.str();
  EXPECT_EQ(out.str(), "");
  EXPECT_TRUE(fs::exists(path("x.ods")));
  // A file that cannot be written is said once, its cause with it.
  const std::string nowhere = path("absent/x.ods");
  EXPECT_EQ(config({"--ods", nowhere}), 1);
  EXPECT_EQ(err.str(), "Enregistrement impossible : « " + nowhere + " » : dossier introuvable\n");
}

TEST_F(Tool, ConfigStartsFromAnInputFile) {
  ASSERT_EQ(config({"--set", "solute2=5", "--set", "masque=########0.00", "-o", path("b.C07")}), 0);
  ASSERT_EQ(config({path("b.C07"), "--set", "saisie1=5"}), 0) << err.str();
  EXPECT_NE(out.str().find("\n2\t########0.00\n"), std::string::npos);
  EXPECT_NE(out.str().find("\n10\t5\n"), std::string::npos);
  EXPECT_NE(out.str().find("\n11\t 5\n"), std::string::npos);
  // Messages name the file and the real cause.
  EXPECT_EQ(config({path("absent.C07")}), 1);
  EXPECT_EQ(err.str(), "velmira-outil config : fichier introuvable : " + path("absent.C07") + "\n");
  EXPECT_EQ(config({dir.string()}), 1);
  EXPECT_NE(err.str().find("n'est pas un fichier ordinaire"), std::string::npos);
  EXPECT_EQ(config({"--set", "formule1=" + std::string(127, 'x')}), 2);
  EXPECT_NE(err.str().find("formule1"), std::string::npos);
  EXPECT_NE(err.str().find("126 caract"), std::string::npos);
  // A record holding control characters stays on its line.
  ASSERT_EQ(config({"--set", "cellule(0,2)=a\tb\\c"}), 0) << err.str();
  EXPECT_NE(out.str().find("\n29\ta\\tb\\\\c\n"), std::string::npos) << out.str();
}

TEST_F(Tool, ConfigKeepsTheItemsOfALaterVersion) {
  test::RecordingMessages messages;
  ASSERT_EQ(config({"--set", "lignes=2", "-o", path("b.C07")}), 0);
  // A later version's file: the same records, then its extension block.
  files::ExtensionItems later;
  ASSERT_TRUE(later.set("cle_inconnue", "garde-moi σ"));
  model::Workbench wb;
  table::Table table;
  ASSERT_TRUE(files::readConfiguration(path("b.C07"), wb, table, messages));
  ASSERT_TRUE(records::writeFile(path("later.C07"), files::configurationBytes(wb, table, later).value()));

  ASSERT_EQ(config({path("later.C07"), "--set", "saisie1=5", "-o", path("again.C07")}), 0) << err.str();
  const auto again = files::readConfiguration(path("again.C07"), wb, table, messages);
  ASSERT_TRUE(again);
  EXPECT_EQ(again->extension, later);
  EXPECT_EQ(table.autoEntry(0), 5);
  // The listing shows the block's records after the formulas.
  ASSERT_EQ(config({path("later.C07")}), 0);
  EXPECT_NE(out.str().find("\n47\t\n48\tVELMIRAEXT 1\n49\tcle_inconnue=garde-moi σ\n"), std::string::npos) << out.str();
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Tool, ScatterIsKeptWithTheWorkAndGoesWithNon) {
  const tools::Args bench = {"--set", "montage=conductimetre", "--set", "c1=0,02"};
  auto readings = [&](const char* file) {
    EXPECT_EQ(mesures({path(file)}), 0) << err.str();
    return out.str();
  };
  tools::Args on = bench;
  for (const char* a : {"--set", "dispersion=oui", "--set", "tirage=7", "-o"}) on.push_back(a);
  on.push_back(path("on.C07"));
  ASSERT_EQ(config(on), 0) << err.str();
  tools::Args off = bench;
  off.insert(off.begin(), {"--set", "dispersion=oui", "--set", "tirage=7", "--set", "dispersion=non"});
  off.push_back("-o");
  off.push_back(path("off.C07"));
  ASSERT_EQ(config(off), 0) << err.str();
  tools::Args plain = bench;
  plain.push_back("-o");
  plain.push_back(path("plain.C07"));
  ASSERT_EQ(config(plain), 0) << err.str();
  const std::string scattered = readings("on.C07");
  EXPECT_NE(scattered, readings("plain.C07"));
  EXPECT_EQ(readings("off.C07"), readings("plain.C07"));
  // Written again from the file, changed elsewhere: the same draws.
  ASSERT_EQ(config({path("on.C07"), "--set", "lignes=3", "-o", path("again.C07")}), 0) << err.str();
  EXPECT_EQ(readings("again.C07"), scattered);
  // Without a seed, the file keeps none: each work opening it draws its own.
  ASSERT_EQ(config({"--set", "dispersion=oui"}), 0) << err.str();
  EXPECT_NE(out.str().find("\tdispersion=oui\n"), std::string::npos) << out.str();
  EXPECT_EQ(out.str().find("tirage"), std::string::npos) << out.str();
}

TEST_F(Tool, MesuresGoesOnAfterABadFile) {
  ASSERT_EQ(config({"-o", path("ok.C07")}), 0);
  records::writeFile(path("bad.C07"), "pas une configuration");  // length field 0x6170: damaged
  records::writeRecord(path("other.C07"), 1, "AUTRE");
  EXPECT_EQ(mesures({path("ok.C07"), path("bad.C07"), path("other.C07"), path("ok.C07")}), 1);
  const std::string m = out.str();
  EXPECT_EQ(m.rfind("# " + path("ok.C07") + "\nafficheur(0)\t298,0\n", 0), 0u) << m;
  EXPECT_EQ(m.find("# " + path("bad.C07")), std::string::npos);
  EXPECT_NE(m.find("ecrangbf(2)\t\xC6\x92 =  800 Hz\n# "), std::string::npos);
  EXPECT_NE(err.str().find("Lecture impossible sur disque"), std::string::npos);
  EXPECT_NE(err.str().find("Ce fichier ne correspond pas"), std::string::npos);
  // One file: no header line; twelve lines in order.
  ASSERT_EQ(mesures({path("ok.C07")}), 0);
  EXPECT_EQ(out.str(),
            "afficheur(0)\t298,0\nafficheur(1)\t298,0\nafficheur(2)\t298,0\n"
            "afficheur(3)\t0,6\nafficheur(4)\t0,200\nafficheur(5)\t0,6\nafficheur(6)\t0,200\n"
            "afficheur(7)\t0,6\nafficheur(8)\t0,200\n"
            "ecrangbf(0)\t\xC6\x92 =  800 Hz\necrangbf(1)\t\xC6\x92 =  800 Hz\necrangbf(2)\t\xC6\x92 =  800 Hz\n");
  EXPECT_EQ(mesures({}), 2);
}

TEST_F(Tool, TableOperationsRunInOrderAndRefuseWhatTheWindowDisables) {
  ASSERT_EQ(config({"--set",    "solute1=9", "--set",   "c1=0.004", "--mesure", "1",        "--set", "c1=0.002",
                    "--mesure", "1",         "--titre", "1",        "c",        "--trie",   "1",     "croissant",
                    "--serie",  "3",         "1",       "2.5",      "0.5",      "--tableau"}),
            0)
      << err.str();
  EXPECT_EQ(
      out.str().rfind("c\tC2\tC3\tC4\tC5\n2,00E-03\t1,00E-01\t1,00E+00\t\t\n4,00E-03\t1,00E-01\t1,50E+00\t\t\n", 0), 0u)
      << out.str();
  // Refusals: exit 2, a message naming the operation, nothing written.
  EXPECT_EQ(config({"--lignes", "1", "--supprime", "1", "-o", path("x.C07")}), 2);
  EXPECT_NE(err.str().find("--supprime 1 : "), std::string::npos);
  EXPECT_EQ(config({"--insere", "13"}), 2);
  EXPECT_EQ(config({"--insere", "99999999999999999999"}), 2);
  EXPECT_EQ(config({"--lignes", "-1E300"}), 2);
  EXPECT_EQ(config({"--efface-colonne", "6"}), 2);
  EXPECT_EQ(config({"--serie", "1", "0", "100", "1", "-o", path("x.C07")}), 2);
  EXPECT_NE(err.str().find("Le tableau ne peut avoir plus de 100 lignes"), std::string::npos);
  EXPECT_EQ(config({"--lignes", "2", "--mesure", "2", "--mesure", "2", "--mesure", "2", "-o", path("x.C07")}), 2);
  EXPECT_NE(err.str().find("Tableau plein"), std::string::npos);
  EXPECT_FALSE(fs::exists(path("x.C07")));
  ASSERT_EQ(config({"--format", "3", "--csv"}), 0);
  EXPECT_EQ(out.str(),
            "\xEF\xBB\xBF"
            "C1;C2;C3;C4;C5\r\n");  // an empty table: its titles only
}

TEST_F(Tool, MixtureBenchAndVolumeCodes) {
  ASSERT_EQ(config({"--set", "V2=12,5", "--set", "saisie1=7", "--set", "saisie2=6", "--set", "saisie3=5", "--set",
                    "saisie4=2", "--mesure", "3", "--tableau"}),
            0)
      << err.str();
  EXPECT_EQ(out.str().rfind("C1\tC2\tC3\tC4\tC5\n1,25E+01\t5,00E+01\t", 0), 0u) << out.str();
  EXPECT_NE(out.str().find("\t\t\n"), std::string::npos);  // no concentration for the mixture
  EXPECT_EQ(config({"--set", "saisie1=8"}), 2);
  EXPECT_NE(err.str().find("un code de 1 \xC3\xA0 7"), std::string::npos) << err.str();
  EXPECT_EQ(config({"--mesure", "4"}), 2);
  // Aluminium chloride with sodium hydroxide precipitates: the mixture is not recorded.
  EXPECT_EQ(config({"--set", "solute1=1", "--set", "solute2=18", "--mesure", "3", "-o", path("x.C07")}), 2);
  EXPECT_NE(err.str().find("--mesure 3 : le m\xC3\xA9lange forme un pr\xC3\xA9"
                           "cipit\xC3\xA9"),
            std::string::npos)
      << err.str();
  EXPECT_FALSE(fs::exists(path("x.C07")));
}

TEST_F(Tool, ColumnFormulasFromTheCommandLine) {
  ASSERT_EQ(config({"--serie", "1", "1", "3", "1", "--calcule", "2", "C1 * 2", "--cellule", "x"}), 2);
  ASSERT_EQ(config({"--serie", "1", "1", "3", "1", "--calcule", "2", "C1 * 2", "--efface-colonne", "1", "--serie", "1",
                    "2", "3", "1", "--recalcule", "2", "--tableau"}),
            0)
      << err.str();
  EXPECT_EQ(out.str().rfind("C1\tC2\tC3\tC4\tC5\n2,00E+00\t4,00E+00\t\t\t\n3,00E+00\t6,00E+00\t\t\t\n\t\t", 0), 0u)
      << out.str();
  EXPECT_NE(err.str().find(" 10 valeurs n'ont pas été calculées."), std::string::npos) << err.str();
  EXPECT_EQ(config({"--calcule", "2", "C1+" + std::string(124, '1')}), 2);  // a formula the file cannot hold
  EXPECT_NE(err.str().find("126 caractères au plus"), std::string::npos) << err.str();
  EXPECT_EQ(config({"--recalcule", "3"}), 2);
  EXPECT_NE(err.str().find("--recalcule 3 : "), std::string::npos);
}

TEST_F(Tool, StatisticsOfAColumn) {
  tools::Args a;
  const char* values[] = {"1,02", "0,98", "1,01", "0,99", "1,00"};
  for (int i = 0; i < 5; ++i) a.insert(a.end(), {"--set", "cellule(" + std::to_string(i + 1) + ",3)=" + values[i]});
  a.insert(a.end(), {"--statistiques", "3"});
  ASSERT_EQ(config(a), 0) << err.str();
  EXPECT_EQ(out.str(), "n\t5\nmoyenne\t1,000E+00\necart_type\t1,581E-02\nu\t7,071E-03\n");
  ASSERT_EQ(config({"--set", "cellule(2,1)=4", "--statistiques", "1"}), 0);
  EXPECT_EQ(out.str(), "n\t1\nmoyenne\t4,000E+00\necart_type\tnon calculable\nu\tnon calculable\n");
  EXPECT_EQ(config({"--statistiques", "6"}), 2);
  EXPECT_EQ(config({"--statistiques"}), 2);
  EXPECT_NE(err.str().find("--statistiques attend un num\xC3\xA9ro de colonne"), std::string::npos) << err.str();
}

TEST_F(Tool, EverySoluteIsSetByItsNumberAndListedInTheHelp) {
  const std::string help = tools::usage("config");
  for (int k = 1; k <= model::kSoluteCount; ++k) {
    const std::string item = num::format(k, "0") + " " + std::string(model::soluteName(k));
    EXPECT_NE(help.find(item), std::string::npos) << item;
  }
  EXPECT_NE(help.find("solute2 (1..27)"), std::string::npos);
  // A new solute read as the workbench reads it.
  ASSERT_EQ(
      config({"--set", "solute1=26", "--set", "c1=0,001", "--set", "montage=conductimetre", "-o", path("argent.C07")}),
      0)
      << err.str();
  ASSERT_EQ(mesures({path("argent.C07")}), 0);
  model::Workbench wb;
  wb.startupDefaults();
  wb.setSoluteTag(0, "26");
  wb.setEntryText(model::Concentration1, "0,001");
  wb.updateMeters();
  EXPECT_NE(out.str().find("afficheur(0)\t" + wb.display(model::Meter::Conductimeter, 1) + "\n"), std::string::npos)
      << out.str();
}

TEST(HelpPage, ListsEverySoluteByNumberAndName) {
  std::ifstream f(VELMIRA_HELP_PAGE, std::ios::binary);
  const std::string page((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  ASSERT_FALSE(page.empty());
  for (int k = 1; k <= model::kSoluteCount; ++k) {
    const std::string start = "<tr><td>" + num::format(k, "0") + "</td><td>";
    const auto at = page.find(start);
    ASSERT_NE(at, std::string::npos) << k;
    const std::string row = page.substr(at, page.find("</tr>", at) - at);
    const std::string name = "<td>" + std::string(model::soluteName(k)) + "</td>";
    EXPECT_EQ(row.substr(row.size() - std::min(row.size(), name.size())), name) << row;
  }
}

TEST(HiddenConcentration, ReadingsAreThoseOfTheValueWhichIsNeverPrinted) {
  velmira::test::TempDir dir;
  std::ostringstream out, err;
  const std::string visible = dir.file("v.C07"), hidden = dir.file("h.C07");
  ASSERT_EQ(velmira::tools::configCommand({"--set", "c1=0,0123", "-o", visible}, out, err), 0) << err.str();
  ASSERT_EQ(velmira::tools::configCommand({"--set", "c1=0,0123", "--set", "inconnue1=oui", "-o", hidden}, out, err), 0)
      << err.str();
  std::ostringstream a, b;
  ASSERT_EQ(velmira::tools::readingsCommand({visible}, a, err), 0);
  ASSERT_EQ(velmira::tools::readingsCommand({hidden}, b, err), 0);
  EXPECT_EQ(a.str(), b.str());
  std::ostringstream records;
  ASSERT_EQ(velmira::tools::configCommand({hidden}, records, err), 0);
  EXPECT_EQ(records.str().find("0,0123"), std::string::npos) << records.str();
  EXPECT_NE(records.str().find("\t?\n"), std::string::npos);
  // Recorded from the work, or once hidden, the concentration's cell stays empty, said once.
  for (const velmira::tools::Args& args : {velmira::tools::Args{hidden, "--mesure", "1", "--mesure", "1", "--tableau"},
                                           velmira::tools::Args{"--set", "c1=0,0123", "--set", "inconnue1=oui",
                                                                "--mesure", "1", "--mesure", "1", "--csv"}}) {
    std::ostringstream table, said;
    ASSERT_EQ(velmira::tools::configCommand(args, table, said), 0) << said.str();
    EXPECT_EQ(table.str().find("1,23E-02"), std::string::npos) << table.str();
    EXPECT_NE(table.str().find("7,00E-01"), std::string::npos) << table.str();
    const std::string s = said.str();
    EXPECT_NE(s.find("Concentration inconnue"), std::string::npos) << s;
    EXPECT_EQ(s.find("Concentration inconnue"), s.rfind("Concentration inconnue")) << s;
  }
  EXPECT_EQ(velmira::tools::configCommand({"--set", "inconnue1=0,02..0,005", "-o", dir.file("x.C07")}, out, err), 1);
  EXPECT_FALSE(std::filesystem::exists(dir.file("x.C07")));
}
