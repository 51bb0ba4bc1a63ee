// SPDX-License-Identifier: GPL-3.0-or-later
// The scatter's items: the draws' record read back, and a work's snapshot
// (save, undo, recovery) giving back the same numbers.
#include <gtest/gtest.h>

#include "RecordingMessages.h"
#include "files/PupilWork.h"
#include "files/ScatterRecord.h"
#include "files/WorkHistory.h"
#include "model/Workbench.h"
#include "table/Table.h"

using namespace velmira;

namespace {

std::vector<std::string> displays(const model::Workbench& wb) {
  std::vector<std::string> d;
  for (const model::MeterSlot& slot : model::kMeterSlots) d.push_back(wb.display(slot.meter, slot.bench));
  return d;
}

}  // namespace

TEST(ScatterRecord, DrawsReadBackAndDamagedRecordsAreRefused) {
  model::Scatter s;
  s.next = 12;
  s.gaps[1] = model::ScatterDraw{3, 0xABCDEF0123456789ULL};
  s.readings[8] = model::ScatterDraw{11, 0};
  const std::string text = files::drawsText(s);
  model::Scatter back;
  ASSERT_TRUE(files::readDraws(text, back)) << text;
  EXPECT_EQ(back, s);
  // Eleven fields after the counter: a field too few or too many, a place
  // not yet drawn, a key not in lower-case hexadecimal, a field or a counter
  // that is no number.
  const auto fields = [](int n) { return std::string(static_cast<std::size_t>(n), ';'); };
  for (const std::string& damaged :
       {std::string(), std::string("12"), "12" + fields(10), "12" + fields(12), "12;;12:ab" + fields(9),
        "12;;3:AB" + fields(9), "12;;3" + fields(9), "x" + fields(11), "99999999999999999999" + fields(11)})
    EXPECT_FALSE(files::readDraws(damaged, back)) << damaged;
  EXPECT_TRUE(files::readDraws("12;;3:ab" + fields(9), back));
  ASSERT_TRUE(files::readDraws(text, back));
  EXPECT_EQ(back, s);
  EXPECT_EQ(files::readSeed("18446744073709551615"), 18446744073709551615ULL);
  EXPECT_FALSE(files::readSeed("18446744073709551616"));
  EXPECT_FALSE(files::readSeed("-1"));
}

TEST(ScatterRecord, OnlyOuiTurnsItOnAndAMissingSeedIsDrawn) {
  files::ExtensionItems items;
  int drawn = 0;
  const auto draw = [&drawn] { return static_cast<std::uint64_t>(++drawn + 100); };
  EXPECT_FALSE(files::scatterOf(items, draw).on);
  items.set(files::kScatterKey, "non");
  EXPECT_FALSE(files::scatterOf(items, draw).on);
  items.set(files::kScatterKey, "oui");
  EXPECT_EQ(files::scatterOf(items, draw).seed, 101u);
  items.set(files::kSeedKey, "42");
  items.set(files::kDrawsKey, "2;0:1;1:2;;;;;;;;;");
  const model::Scatter s = files::scatterOf(items, draw);
  EXPECT_TRUE(s.on && s.seed == 42 && s.next == 2 && s.gaps[1]);
  EXPECT_EQ(drawn, 1);
}

TEST(ScatterRecord, APupilsWorkTakesItsOwnSeedUnlessTheTeacherFixedOne) {
  files::ExtensionItems configuration;
  configuration.set(files::kScatterKey, "oui");
  files::WorkItems work;
  work.name = "Léa";
  work.exercise = "dosage.E24";
  const auto own = files::startWork(configuration, work, 31);
  ASSERT_TRUE(own);
  EXPECT_EQ(*own->find(files::kSeedKey), "31");
  configuration.set(files::kSeedKey, "8");
  EXPECT_EQ(*files::startWork(configuration, work, 31)->find(files::kSeedKey), "8");
  configuration.set(files::kScatterKey, "non");
  configuration.erase(files::kSeedKey);
  EXPECT_FALSE(files::startWork(configuration, work, 31)->find(files::kSeedKey));
}

TEST(ScatterRecord, SnapshotsGiveBackTheSameNumbers) {
  model::Workbench wb;
  wb.startupDefaults();
  table::Table table;
  test::RecordingMessages messages;
  // A hidden concentration, without a seed: one is drawn and kept.
  files::ExtensionItems items;
  items.set(files::kScatterKey, "oui");
  items.set("inconnue1", "oui");
  wb.setEntryText(model::Concentration1, "0,0123");
  ASSERT_TRUE(files::keepHidden(items, wb));
  files::revealHidden(items, wb);
  const std::string before = *files::workSnapshot(wb, table, items);
  const auto shown = displays(wb);
  wb.newMeasurement(1);
  const std::string after = *files::workSnapshot(wb, table, items);
  ASSERT_NE(displays(wb), shown);
  const auto again = displays(wb);
  model::Workbench other;
  other.startupDefaults();
  files::ExtensionItems back;
  ASSERT_TRUE(files::restoreWork(before, other, table, back, messages));
  EXPECT_EQ(displays(other), shown);
  ASSERT_TRUE(files::restoreWork(after, other, table, back, messages));
  EXPECT_EQ(displays(other), again);
  EXPECT_EQ(other.scatter(), wb.scatter());
  EXPECT_TRUE(messages.shown.empty());
}
