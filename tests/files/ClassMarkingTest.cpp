// SPDX-License-Identifier: GPL-3.0-or-later
// Marking a class: work files read, the class table and its two forms.
#include <gtest/gtest.h>

#include "files/ClassMarking.h"
#include "files/ConfigFile.h"
#include "files/PupilWork.h"
#include "model/Workbench.h"
#include "table/Table.h"

using namespace velmira;

namespace {

// The bytes of a work whose unknown c1 is `c1` (none when empty).
std::string workBytes(const std::string& name, const std::string& c1, const files::GivenResult& given,
                      const std::string& tolerance = "") {
  model::Workbench wb;
  wb.startupDefaults();
  table::Table table;
  files::ExtensionItems items;
  if (!c1.empty()) {
    EXPECT_TRUE(items.set("inconnue1", "oui"));
    EXPECT_TRUE(items.set("cache1", files::scramble(c1)));
  }
  files::WorkItems work{name, "dosage.E24", {{{"c1 (mol/L)", "c1"}, {"pente", "2,5"}}, tolerance}, {}};
  work.given[0] = given;
  EXPECT_TRUE(files::writeWork(items, work));
  return *files::configurationBytes(wb, table, items);
}

// A configuration whose signature is in lower case.
std::string lowerCaseSignature() {
  std::string bytes = *files::configurationBytes(model::Workbench(), table::Table());
  bytes[2] = 'v';
  return bytes;
}

const std::string kHeader =
    "fichier\tnom\texercice\tc1\tattendu 1\tdonné 1\tu 1\técart 1 (%)\tz 1\tverdict 1\t"
    "attendu 2\tdonné 2\tu 2\técart 2 (%)\tz 2\tverdict 2\n";

}  // namespace

TEST(ClassMarking, WorkFilesAreToldFromOtherConfigurationsAndUnreadableOnes) {
  const files::WorkFile work = files::readWorkBytes(workBytes("Léa", "0,0125", {"0,013", ""}));
  ASSERT_EQ(work.state, files::WorkFileState::Work);
  EXPECT_EQ(work.work.name, "Léa");
  EXPECT_EQ(work.work.given[0].value, "0,013");
  model::Workbench wb;
  wb.startupDefaults();
  EXPECT_EQ(files::readWorkBytes(*files::configurationBytes(wb, table::Table())).state, files::WorkFileState::NotWork);
  const files::WorkFile text = files::readWorkBytes(lowerCaseSignature());
  EXPECT_EQ(text.state, files::WorkFileState::Unreadable);
  EXPECT_EQ(text.cause, "Ce fichier ne correspond pas à cette application");
  // A block cut inside its marker is damaged: the work's items are lost, said as the cause.
  std::string cut = workBytes("Léa", "0,0125", {});
  const auto marker = cut.find("VELMIRAEXT 1");
  ASSERT_NE(marker, std::string::npos);
  cut[marker] = 'X';
  const files::WorkFile damaged = files::readWorkBytes(cut);
  EXPECT_EQ(damaged.state, files::WorkFileState::Unreadable);
  EXPECT_EQ(damaged.cause, files::extensionDamaged().text);
  EXPECT_EQ(files::readWorkFile("/absent/x.C07").state, files::WorkFileState::Unreadable);
}

TEST(ClassMarking, EachResultIsMarkedAgainstThePupilsOwnValue) {
  std::string lost = workBytes("Zoé", "0,0125", {"0,0125", ""});
  // The scrambled value edited by hand: counted missing.
  const auto at = lost.find("cache1=") + 7;
  lost[at] = lost[at] == '0' ? '1' : '0';
  const std::vector<std::pair<std::string, files::WorkFile>> works = {
      {"a.C07", files::readWorkBytes(workBytes("Léa", "0,0125", {"0,015", "0,001"}))},
      {"b.C07", files::readWorkBytes(workBytes("Noé", "0,02", {"0.0207", ""}))},
      {"c.C07", files::readWorkBytes(workBytes("Tom", "0,02", {}))},
      {"d.C07", files::readWorkBytes(lost)},
      {"e.C07", files::readWorkBytes(lowerCaseSignature())},
      {"f.C07", files::readWorkBytes(*files::configurationBytes(model::Workbench(), table::Table()))},
  };
  EXPECT_EQ(files::damagedHidden(works[3].second), std::vector{files::Hidden::Concentration1});
  EXPECT_TRUE(files::damagedHidden(works[0].second).empty());
  const std::string text = files::classTableText(files::classTable(works, false));
  EXPECT_EQ(text, kHeader +
                      "a.C07\tLéa\tdosage.E24\t0.0125\t0.0125\t0.015\t0.001\t20.00\t2.50\tfaux\t2.5\t\t\t\t\t\n"
                      "b.C07\tNoé\tdosage.E24\t0.02\t0.02\t0.0207\t\t3.50\t\tjuste\t2.5\t\t\t\t\t\n"
                      "c.C07\tTom\tdosage.E24\t0.02\t0.02\t\t\t\t\t\t2.5\t\t\t\t\t\n"
                      "d.C07\tZoé\tdosage.E24\t\t\t0.0125\t\t\t\t\t2.5\t\t\t\t\t\n"
                      "e.C07\tillisible : Ce fichier ne correspond pas à cette application\n"
                      "f.C07\tpas un travail d'élève\n");
  // The same table as the export writes it.
  const std::string csv = files::classTableCsv(files::classTable(works, true));
  EXPECT_EQ(csv.rfind("\xEF\xBB\xBF"
                      "fichier;nom;exercice;c1;attendu 1;",
                      0),
            0u);
  EXPECT_NE(csv.find("\r\na.C07;Léa;dosage.E24;0,0125;0,0125;0,015;0,001;20,00;2,50;faux;2,5;;;;;\r\n"),
            std::string::npos)
      << csv;
  EXPECT_NE(csv.find("\r\nf.C07;pas un travail d'élève\r\n"), std::string::npos);
}

TEST(ClassMarking, TheExercisesToleranceDecides) {
  const std::vector<std::pair<std::string, files::WorkFile>> works = {
      {"a.C07", files::readWorkBytes(workBytes("Léa", "0,02", {"0,0207", ""}, "3"))}};
  const files::ClassTable t = files::classTable(works, false);
  ASSERT_EQ(t.rows.size(), 1u);
  EXPECT_EQ(t.rows[0].cells[8], "faux");  // 3,5 % off, 3 % allowed
  EXPECT_EQ(t.header[9], "verdict 1");
}
