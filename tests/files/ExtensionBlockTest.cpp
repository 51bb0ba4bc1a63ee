// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordingMessages.h"
#include "TempDir.h"
#include "files/ConfigFile.h"
#include "files/ExtensionBlock.h"
#include "files/WorkHistory.h"
#include "model/Workbench.h"
#include "platform/core/RecordFile.h"
#include "table/Table.h"

using namespace velmira;

namespace {

// A record file of the given records, stored as they are.
records::RecordReader readerOf(const std::vector<std::string>& recs) {
  records::RecordWriter w;
  for (std::size_t i = 0; i < recs.size(); ++i) EXPECT_TRUE(w.writeBytes(i + 1, recs[i]));
  w.trimLast();
  records::RecordReader r;
  r.setBytes(w.bytes());
  return r;
}

files::ExtensionRead roundTrip(const files::ExtensionItems& items) {
  return files::readExtension(readerOf(files::extensionRecords(items)), 1);
}

}  // namespace

TEST(ExtensionBlock, ItemsComeBackInTheirOrderLongValuesAcrossRecordsWithoutCuttingACharacter) {
  files::ExtensionItems items;
  // 200 times "σ" (2 bytes) and a 4-byte character at each record's edge.
  std::string longValue;
  for (int i = 0; i < 200; ++i) longValue += i % 61 == 60 ? "\xF0\x9D\x9B\x94" : "σ";
  ASSERT_TRUE(items.set("zeta", "dernier venu"));
  ASSERT_TRUE(items.set("titre_c2", longValue));
  ASSERT_TRUE(items.set("vide", ""));
  ASSERT_TRUE(items.set("zeta", "remplacé sur place"));
  const auto recs = files::extensionRecords(items);
  ASSERT_GE(recs.size(), 6u);
  EXPECT_EQ(recs[0], "VELMIRAEXT 1");
  EXPECT_EQ(recs[1], "zeta=remplacé sur place");
  for (std::size_t k = 3; k + 1 < recs.size(); ++k) {
    EXPECT_EQ(recs[k][0], '+');
    EXPECT_LE(recs[k].size(), records::kMaxText);
    // Every record is whole UTF-8 by itself, so an editor shows it.
    std::size_t i = 0;
    char32_t c;
    while (i < recs[k].size()) ASSERT_TRUE(records::nextCodePoint(recs[k], i, c)) << k;
  }
  const auto read = roundTrip(items);
  EXPECT_FALSE(read.damaged);
  EXPECT_EQ(read.items, items);
  EXPECT_EQ(*read.items.find("titre_c2"), longValue);
}

TEST(ExtensionBlock, KeysAndValuesOutsideTheFormAreRefused) {
  files::ExtensionItems items;
  EXPECT_FALSE(items.set("", "x"));
  EXPECT_FALSE(items.set("Titre", "x"));
  EXPECT_FALSE(items.set("clé", "x"));
  EXPECT_FALSE(items.set("a=b", "x"));
  EXPECT_FALSE(items.set(std::string(files::kMaxExtensionKey + 1, 'k'), "x"));
  EXPECT_FALSE(items.set("nom", "\xE9t\xE9"));  // Windows-1252, not UTF-8
  EXPECT_TRUE(items.set(std::string(files::kMaxExtensionKey, 'k'), std::string(300, 'v')));
  // A block past the records a reader takes is refused whole.
  EXPECT_FALSE(items.set("enorme", std::string(files::kMaxExtensionRecords * 125, 'x')));
  EXPECT_EQ(items.items().size(), 1u);
  EXPECT_EQ(roundTrip(items).items, items);
}

TEST(ExtensionBlock, NoBlockEndsAtAnEmptyRecordAndADamagedOneIsDroppedWhole) {
  EXPECT_TRUE(files::readExtension(readerOf({}), 1).items.empty());
  EXPECT_FALSE(files::readExtension(readerOf({}), 1).damaged);
  // The block ends at an empty record: what follows is not read.
  const auto ended = files::readExtension(readerOf({"VELMIRAEXT 1", "a=1", "", "b=2"}), 1);
  EXPECT_FALSE(ended.damaged);
  EXPECT_EQ(ended.items.items().size(), 1u);

  const std::vector<std::vector<std::string>> damaged = {
      {"VELMIRAEXT 2", "a=1"},         // another version's marker
      {"du texte", "a=1"},             // not a block
      {"VELMIRAEXT 1", "+suite"},      // a continuation with no item
      {"VELMIRAEXT 1", "sans egal"},   // not an item
      {"VELMIRAEXT 1", "Cle=1"},       // not a key
      {"VELMIRAEXT 1", "a=1", "a=2"},  // a key twice
      {"VELMIRAEXT 1", "a=\xE9t\xE9"}  // not UTF-8
  };
  for (const auto& recs : damaged) {
    const auto read = files::readExtension(readerOf(recs), 1);
    EXPECT_TRUE(read.damaged) << recs[1];
    EXPECT_TRUE(read.items.empty()) << recs[1];
  }
  // A damaged record inside the block (length past the record).
  records::RecordWriter w;
  w.writeBytes(1, "VELMIRAEXT 1");
  w.writeBytes(2, "a=1");
  std::string bytes = w.bytes();
  bytes[128] = '\x7f';
  records::RecordReader r;
  r.setBytes(bytes);
  EXPECT_TRUE(files::readExtension(r, 1).damaged);
  // A block that goes on past its limit.
  std::vector<std::string> endless = {"VELMIRAEXT 1", "a=1"};
  endless.resize(files::kMaxExtensionRecords + 1, "+x");
  EXPECT_TRUE(files::readExtension(readerOf(endless), 1).damaged);
  endless.pop_back();
  EXPECT_FALSE(files::readExtension(readerOf(endless), 1).damaged);
}

namespace {

struct ConfigExtension : ::testing::Test {
  test::TempDir temp;
  model::Workbench wb;
  table::Table table;
  test::RecordingMessages messages;
  void SetUp() override {
    wb.startupDefaults();
    table.setCell(1, 0, "1,00E+00");
  }
  std::string path(const char* name) const { return (temp.path() / name).string(); }
};

}  // namespace

TEST_F(ConfigExtension, AFileWithItemsIsTheFileWithoutThemFollowedByTheBlock) {
  files::ExtensionItems items;
  ASSERT_TRUE(items.set("cle_future", "valeur σ"));
  const std::string plain = files::configurationBytes(wb, table).value();
  const std::string extended = files::configurationBytes(wb, table, items).value();
  // What an older reader reads is unchanged: the records up to the formulas.
  ASSERT_GT(extended.size(), plain.size());
  EXPECT_EQ(extended.substr(0, plain.size()), plain);
  const std::size_t records = files::configRecords(wb, table).size();
  EXPECT_EQ(plain.size() / records::kRecordSize, records - 1);  // the last record cut after its text

  ASSERT_TRUE(records::writeFile(path("e.C07"), extended));
  model::Workbench wb2;
  wb2.startupDefaults();
  table::Table t2;
  const auto read = files::readConfiguration(path("e.C07"), wb2, t2, messages);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->extension, items);
  EXPECT_EQ(t2.cell(1, 0), "1,00E+00");
  EXPECT_TRUE(messages.shown.empty());
  // Undo and recovery carry the items too.
  files::ExtensionItems restored;
  ASSERT_TRUE(files::restoreWork(files::workSnapshot(wb, table, items).value(), wb2, t2, restored, messages));
  EXPECT_EQ(restored, items);
}

TEST_F(ConfigExtension, ADamagedBlockIsSaidOnceAndTheRestOfTheFileIsRead) {
  table.setRows(20);
  auto recs = files::configRecords(wb, table);
  recs.push_back("VELMIRAEXT 1");
  recs.push_back("+orpheline");
  records::RecordWriter w;
  for (std::size_t i = 0; i < recs.size(); ++i) ASSERT_TRUE(w.write(i + 1, recs[i]));
  ASSERT_TRUE(records::writeFile(path("d.C07"), w.bytes()));
  table::Table t2;
  const auto read = files::readConfiguration(path("d.C07"), wb, t2, messages);
  ASSERT_TRUE(read);
  EXPECT_TRUE(read->extension.empty());
  EXPECT_EQ(t2.rows(), 20);
  EXPECT_EQ(t2.cell(1, 0), "1,00E+00");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, files::extensionDamaged().text);
}

TEST_F(ConfigExtension, ParsingChangesNothingAndApplyingGivesWhatTheLoadGave) {
  table.setRows(30);
  table.setFormula(3, "C1*2");
  wb.setEntryText(model::Concentration1, "0,05");
  wb.updateMeters();
  records::RecordReader r;
  r.setBytes(files::configurationBytes(wb, table).value());
  model::Workbench other;
  other.startupDefaults();
  table::Table t2;
  const auto parsed = files::parseConfiguration(r, t2.rows());
  const auto& c = std::get<files::Configuration>(parsed);
  EXPECT_EQ(t2.rows(), table::kDefaultRows);  // untouched until applied
  EXPECT_EQ(c.rows, 30);
  ASSERT_EQ(c.cells.size(), 30u * table::kCols);
  files::applyConfiguration(c, other, t2);
  EXPECT_EQ(files::configRecords(other, t2), files::configRecords(wb, table));
  for (auto [meter, bench] : model::kMeterSlots) EXPECT_EQ(other.display(meter, bench), wb.display(meter, bench));
}
