// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "RecordingMessages.h"
#include "TempDir.h"
#include "files/ConfigFile.h"
#include "files/ConfigLayout.h"
#include "files/ExtensionBlock.h"
#include "model/Workbench.h"
#include "platform/core/RecordFile.h"
#include "table/Table.h"

using namespace velmira;
namespace fs = std::filesystem;

namespace {

struct Config : ::testing::Test {
  test::TempDir temp;
  const fs::path dir = temp.path();
  model::Workbench wb;
  table::Table table;
  test::RecordingMessages messages;

  void SetUp() override { wb.startupDefaults(); }
  std::string path(const char* name = "essai.C07") const { return (dir / name).string(); }

  // A file made of the given records.
  std::string fileOf(const std::vector<std::string>& recs, const char* name = "f.C07") {
    records::RecordWriter w;
    for (std::size_t i = 0; i < recs.size(); ++i) EXPECT_TRUE(w.write(i + 1, recs[i]));
    w.trimLast();
    EXPECT_TRUE(records::writeFile(path(name), w.bytes()));
    return path(name);
  }
  std::vector<std::string> defaultRecords() { return files::configRecords(wb, table); }
  std::string snapshot() {
    std::string s;
    for (const auto& r : files::configRecords(wb, table)) s += r + "\n";
    for (auto [meter, bench] : model::kMeterSlots) s += wb.display(meter, bench) + "|";
    return s;
  }
};

}  // namespace

TEST_F(Config, DefaultTableWritesNinetySevenRecords) {
  ASSERT_TRUE(files::writeConfiguration(path(), wb, table, messages));
  records::RecordReader r;
  ASSERT_TRUE(r.load(path()));
  EXPECT_LE(fs::file_size(path()), 97 * records::kRecordSize);
  EXPECT_GT(fs::file_size(path()), 96 * records::kRecordSize);
  EXPECT_EQ(r.read(1), "VELMIRADATA");
  EXPECT_EQ(r.read(2), "0.00E+00");
  EXPECT_EQ(r.read(3), "0.12");
  EXPECT_EQ(r.read(4), "0.3");
  EXPECT_EQ(r.read(9), "1");
  EXPECT_EQ(r.read(11), " 2");
  EXPECT_EQ(r.read(15), " 1");
  EXPECT_EQ(r.read(16), "0,01");
  EXPECT_EQ(r.read(18), "1,0");
  EXPECT_EQ(r.read(20), "50,0");
  EXPECT_EQ(r.read(22), "010001000100");
  EXPECT_EQ(r.read(23), "010001000100");
  EXPECT_EQ(r.read(24), "000010000010000010");
  EXPECT_EQ(r.read(25), "1");
  EXPECT_EQ(r.read(26), "0");
  EXPECT_EQ(r.read(27), " 13");
  EXPECT_EQ(r.read(28), "C1");
  EXPECT_EQ(r.read(32), "C5");
  EXPECT_EQ(r.read(93), "");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Config, LargestTableHas537RecordsAndReadsBackIdentically) {
  table.setRows(101);
  for (int r = 1; r < 101; ++r)
    for (int c = 0; c < 5; ++c) table.setCell(r, c, r % 3 ? "1,23E-0" + std::to_string(c) : "");
  table.setCell(0, 0, "Temp\xC3\xA9rature");
  table.setFormula(1, "C2 / C3");
  table.setFormula(4, "1000 * C1");
  table.setMask("0.000E+00");
  table.setAutoEntry(3, 5);
  table.setAutoEntry(4, table::kEntryVolume2);
  wb.setKnobTag(2, " .4206");
  wb.setSoluteTag(1, "18");
  wb.setEntryText(model::Volume2, "12,5");
  wb.setConductimeterRange(13, true);
  wb.setAmmeterCalibre(6, true);
  wb.setVoltmeterCalibre(11, true);
  wb.setConductimeterMontage(true);
  ASSERT_EQ(files::configRecords(wb, table).size(), 537u);
  wb.updateVoltmeters();
  ASSERT_TRUE(files::writeConfiguration(path(), wb, table, messages));
  const std::string before = snapshot();

  model::Workbench wb2;
  wb2.startupDefaults();
  table::Table t2;
  ASSERT_TRUE(files::readConfiguration(path(), wb2, t2, messages));
  std::swap(wb, wb2);
  std::swap(table, t2);
  wb.updateVoltmeters();
  EXPECT_EQ(snapshot(), before);
  EXPECT_EQ(table.cell(0, 0), "Temp\xC3\xA9rature");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Config, SignatureIsCaseSensitiveAndNothingChanges) {
  auto recs = defaultRecords();
  recs[0] = "velmiradata";
  recs[1] = "########0.00";
  const std::string before = snapshot();
  EXPECT_FALSE(files::readConfiguration(fileOf(recs), wb, table, messages));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Ce fichier ne correspond pas \xC3\xA0 cette application");
  EXPECT_EQ(messages.shown[0].title, "Fichier non valide");
  EXPECT_EQ(messages.shown[0].icon, Icon::Critical);
  EXPECT_EQ(snapshot(), before);
  // A missing file reads as empty: the same refusal.
  EXPECT_FALSE(files::readConfiguration(path("absent.C07"), wb, table, messages));
  EXPECT_EQ(messages.shown.back().title, "Fichier non valide");
  EXPECT_FALSE(fs::exists(path("absent.C07")));
}

TEST_F(Config, UnreadableFileGivesTheReadMessage) {
  EXPECT_FALSE(files::readConfiguration(dir.string(), wb, table, messages));  // a folder
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Lecture impossible sur disque");
  EXPECT_EQ(messages.shown[0].title, "Erreur lors du chargement du fichier");
  // A damaged first record.
  std::ofstream(path("bad.C07"), std::ios::binary) << std::string(
      "\xFF\x7F"
      "VELMIRADATA",
      13);
  EXPECT_FALSE(files::readConfiguration(path("bad.C07"), wb, table, messages));
  EXPECT_EQ(messages.shown.back().text, "Lecture impossible sur disque");
}

TEST_F(Config, SelectionsAreAppliedButtonByButton) {
  auto recs = defaultRecords();
  recs[21] = " 010000000000 ";  // trimmed before reading
  recs[22] = "1";               // missing characters are not "1"
  recs[23] = "";                // empty: every conductimeter button deselected
  recs[24] = "0";
  recs[25] = " 1";
  ASSERT_TRUE(files::readConfiguration(fileOf(recs), wb, table, messages));
  EXPECT_EQ(wb.selectedVoltmeterCalibre(1), 1);
  EXPECT_EQ(wb.selectedVoltmeterCalibre(2), -1);
  EXPECT_EQ(wb.selectedAmmeterCalibre(1), 0);
  EXPECT_EQ(wb.selectedAmmeterCalibre(2), -1);
  EXPECT_EQ(wb.selectedRange(1), -1);
  EXPECT_FALSE(wb.generatorMontage());
  EXPECT_TRUE(wb.conductimeterMontage());
  // Two "1" in one group: the later button wins, as clicking them in turn does.
  recs[21] = "110000000000";
  ASSERT_TRUE(files::readConfiguration(fileOf(recs), wb, table, messages));
  EXPECT_EQ(wb.selectedVoltmeterCalibre(1), 1);
}

TEST_F(Config, RowsRecordAndShortFiles) {
  auto recs = defaultRecords();
  recs[26] = " 1";
  recs[27] = "titre";
  ASSERT_TRUE(files::readConfiguration(fileOf(recs), wb, table, messages));
  EXPECT_EQ(table.rows(), 13);  // unchanged, cells read for 13 rows
  EXPECT_EQ(table.cell(0, 0), "titre");
  for (const char* bad : {" 0", " -5", " 1000000000", " 102", "abc", " 1.2"}) {
    recs[26] = bad;
    ASSERT_TRUE(files::readConfiguration(fileOf(recs), wb, table, messages));
    EXPECT_EQ(table.rows(), 13) << bad;
  }
  recs[26] = " 5.5";  // rounded half to even
  ASSERT_TRUE(files::readConfiguration(fileOf(recs), wb, table, messages));
  EXPECT_EQ(table.rows(), 6);

  // Only the signature: everything past the end reads as empty.
  table.setCell(3, 3, "7,00E+00");
  ASSERT_TRUE(files::readConfiguration(fileOf({"VELMIRADATA"}), wb, table, messages));
  EXPECT_EQ(table.mask(), "");
  EXPECT_EQ(table.cell(3, 3), "");
  EXPECT_EQ(table.rows(), 6);
  EXPECT_EQ(wb.selectedVoltmeterCalibre(1), -1);
  EXPECT_FALSE(wb.generatorMontage());
  EXPECT_FALSE(wb.conductimeterMontage());
  EXPECT_EQ(wb.knobTag(0), "");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Config, TextsKeepTheirOwnSeparatorsAndCodesAreChecked) {
  auto recs = defaultRecords();
  recs[3] = "0.3";
  recs[17] = "1,0";
  recs[10] = " 4.5";  // rounds to 4
  recs[11] = " 9";    // not a code: refused, the old code stays
  recs[12] = " 70000";
  recs[13] = " 6";  // Volume V1
  recs[14] = " 8";
  ASSERT_TRUE(files::readConfiguration(fileOf(recs), wb, table, messages));
  EXPECT_EQ(wb.knobTag(1), "0.3");
  EXPECT_EQ(wb.entryText(2), "1,0");
  EXPECT_EQ(table.autoEntry(0), 4);
  EXPECT_EQ(table.autoEntry(1), 3);
  EXPECT_EQ(table.autoEntry(2), 4);
  EXPECT_EQ(table.autoEntry(3), table::kEntryVolume1);
  EXPECT_EQ(table.autoEntry(4), 1);
}

TEST_F(Config, TextLimitOnSave) {
  table.setCell(0, 1, std::string(126, 'a'));
  EXPECT_TRUE(files::writeConfiguration(path(), wb, table, messages));
  EXPECT_TRUE(messages.shown.empty());
  const auto good = fs::file_size(path());
  table.setCell(0, 1, std::string(127, 'a'));
  EXPECT_FALSE(files::writeConfiguration(path(), wb, table, messages));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text,
            "Enregistrement impossible : « " + path() + " » : un texte ne tient pas dans le fichier");
  EXPECT_EQ(messages.shown[0].title, "Enregistrement impossible");
  EXPECT_EQ(fs::file_size(path()), good);  // the earlier file is whole
  std::string sigmas;                      // each σ stored as "sigma": 130 bytes
  for (int k = 0; k < 26; ++k) sigmas += "\xCF\x83";
  table.setCell(0, 1, sigmas);
  EXPECT_FALSE(files::writeConfiguration(path(), wb, table, messages));
  table.setCell(0, 1, "ok");
  const std::string nowhere = (dir / "nowhere" / "x.C07").string();
  EXPECT_FALSE(files::writeConfiguration(nowhere, wb, table, messages));
  ASSERT_EQ(messages.shown.size(), 3u);
  EXPECT_EQ(messages.shown[2].text, "Enregistrement impossible : « " + nowhere + " » : dossier introuvable");
}

TEST_F(Config, AReadOnlyFileIsReplacedOnlyWhenTheUserAgrees) {
  ASSERT_TRUE(files::writeConfiguration(path(), wb, table, messages));
  const std::string before = test::contents(path());
  ::chmod(path().c_str(), 0444);
  table.setCell(0, 1, "nouveau titre");
  EXPECT_FALSE(files::writeConfiguration(path(), wb, table, messages));  // the tool: refused
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Enregistrement impossible : « " + path() + " » : fichier en lecture seule");
  messages.answers = {Answer::No};
  EXPECT_FALSE(files::writeConfiguration(path(), wb, table, messages, true));  // the window asks
  EXPECT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(test::contents(path()), before);
  messages.answers = {Answer::Yes};
  EXPECT_TRUE(files::writeConfiguration(path(), wb, table, messages, true));
  EXPECT_EQ(messages.shown.size(), 3u);
  EXPECT_NE(test::contents(path()), before);
  struct stat st {};
  ::stat(path().c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0444u);  // still read-only
}

TEST_F(Config, OnlyTheTablesMasksAreLoaded) {
  table::Table written;
  written.setMask("0.000E+00");
  ASSERT_TRUE(files::writeConfiguration(path(), wb, written, messages));
  ASSERT_TRUE(files::readConfiguration(path(), wb, table, messages));
  EXPECT_EQ(table.mask(), "0.000E+00");
  written.setMask(std::string(126, '0'));  // would make 127-character cells
  ASSERT_TRUE(files::writeConfiguration(path(), wb, written, messages));
  ASSERT_TRUE(files::readConfiguration(path(), wb, table, messages));
  EXPECT_EQ(table.mask(), table::kDefaultMask);
}

TEST_F(Config, PrecipitateAfterLoadKeepsTheMixtureAmmeterOfTheLoad) {
  // Knob 4 is loaded while the old solutes still mix, so the mixture
  // ammeter takes that value; the solutes loaded afterwards precipitate.
  auto recs = defaultRecords();
  recs[6] = "0.6";
  recs[8] = "14";
  recs[9] = "18";
  ASSERT_TRUE(files::readConfiguration(fileOf(recs), wb, table, messages));
  EXPECT_FALSE(wb.mixturePossible());
  EXPECT_EQ(wb.display(model::Meter::Conductimeter, 3), "");
  EXPECT_EQ(wb.display(model::Meter::Ammeter, 3), "3,0");
}

TEST_F(Config, LoadedValuesOutsideTheirRangesComeBackIntoThem) {
  auto recs = defaultRecords();
  recs[2] = "-1";     // knob 0
  recs[3] = "1e308";  // knob 1
  recs[15] = "1";     // c1 far above 0.1 mol/L
  recs[17] = "abc";   // L unreadable
  recs[19] = "-5";    // V1
  recs[20] = "1000";  // V2
  ASSERT_TRUE(files::readConfiguration(fileOf(recs), wb, table, messages));
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(wb.knobTag(0), "0");
  EXPECT_EQ(wb.knobTag(1), "0.6");
  EXPECT_EQ(wb.entryText(model::Concentration1), "0,1");
  EXPECT_EQ(wb.entryText(model::Distance), "0,5");
  EXPECT_EQ(wb.entryText(model::Volume1), "0,0");
  EXPECT_EQ(wb.entryText(model::Volume2), "250,0");
  EXPECT_EQ(wb.entryText(model::Concentration2), "0,01");  // in range: as written
  EXPECT_EQ(wb.generatorText(1), "\xC6\x92 = 1 200 Hz");
  EXPECT_EQ(wb.display(model::Meter::Voltmeter, 1), "0,000");
}

TEST_F(Config, APipeReadsAsAnUnreadableFile) {
  ASSERT_EQ(::mkfifo(path("tube.C07").c_str(), 0600), 0);
  EXPECT_FALSE(files::readConfiguration(path("tube.C07"), wb, table, messages));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Lecture impossible sur disque");
}

// Random damage of a valid file: the reader never crashes, never hangs,
// and never grows the table past its largest size.
TEST_F(Config, RandomInputIsHandled) {
  std::mt19937 rng(2024);
  table.setRows(40);
  ASSERT_TRUE(files::writeConfiguration(path("base.C07"), wb, table, messages));
  std::ifstream in(path("base.C07"), std::ios::binary);
  const std::string base((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  for (int n = 0; n < 600; ++n) {
    std::string bytes = base;
    switch (n % 4) {
      case 0:  // flip bytes
        for (int k = 0; k < 1 + static_cast<int>(rng() % 40); ++k)
          bytes[rng() % bytes.size()] = static_cast<char>(rng());
        break;
      case 1:  // truncate
        bytes.resize(rng() % bytes.size());
        break;
      case 2:  // pure noise, keeping the signature sometimes
        bytes.assign(rng() % 5000, '\0');
        for (auto& b : bytes) b = static_cast<char>(rng());
        if (rng() % 2)
          bytes.replace(0, std::min<std::size_t>(13, bytes.size()),
                        std::string("\x0b\x00"
                                    "VELMIRADATA",
                                    13));
        break;
      default:  // garbage into one record's text
        if (bytes.size() > 30 * 128) {
          std::size_t rec = 1 + rng() % 29;
          bytes[rec * 128] = static_cast<char>(rng() % 127);
          for (int k = 2; k < 128; ++k) bytes[rec * 128 + k] = static_cast<char>(rng());
        }
    }
    records::writeFile(path("r.C07"), bytes);
    model::Workbench w;
    w.startupDefaults();
    table::Table t;
    files::readConfiguration(path("r.C07"), w, t, messages);
    ASSERT_GE(t.rows(), table::kMinRows);
    ASSERT_LE(t.rows(), table::kMaxRows);
    for (auto [meter, bench] : model::kMeterSlots) ASSERT_EQ(w.display(meter, bench).find("nan"), std::string::npos);
    // Whatever was read can be written again or is refused cleanly.
    files::writeConfiguration(path("w.C07"), w, t, messages);
  }
}

TEST_F(Config, ATitleAsTypedIsKeptBesideItsRecordForm) {
  const auto bytes = [&] { return files::configurationBytes(wb, table, {}).value(); };
  const std::string plain = bytes();
  table.setCell(0, 1, "σ (mS/m)");
  ASSERT_TRUE(files::writeConfiguration(path(), wb, table, messages));
  // An older reader finds the record's form; this one the title as typed.
  records::RecordReader r;
  ASSERT_TRUE(r.load(path()));
  EXPECT_EQ(r.read(files::firstRecord(files::ConfigItem::Cells) + 1), "sigma (mS/m)");
  table::Table back;
  ASSERT_TRUE(files::readConfiguration(path(), wb, back, messages));
  EXPECT_EQ(back.cell(0, 1), "σ (mS/m)");
  // Renamed by an older program since: its record wins.
  ASSERT_TRUE(records::writeRecord(path(), files::firstRecord(files::ConfigItem::Cells) + 1, "G (mS)"));
  ASSERT_TRUE(files::readConfiguration(path(), wb, back, messages));
  EXPECT_EQ(back.cell(0, 1), "G (mS)");
  // Titles a record holds as typed add nothing to the file.
  table.setCell(0, 1, "Conductivité");
  const std::string accented = bytes();
  table.setCell(0, 1, "C2");
  EXPECT_EQ(bytes(), plain);
  EXPECT_EQ(accented.find(files::kExtensionMarker), std::string::npos);
}
