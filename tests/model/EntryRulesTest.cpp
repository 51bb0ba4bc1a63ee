// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "RecordingMessages.h"
#include "model/EntryRules.h"
#include "model/Workbench.h"

using namespace velmira;
using model::KeyAction;
using model::Workbench;

namespace {

struct Entry : ::testing::Test {
  Workbench wb;
  test::RecordingMessages messages;
  void SetUp() override { wb.startupDefaults(); }
  std::string enter(int field, const std::string& text) {
    wb.setEntryText(field, text);
    model::validateEntry(wb, field, messages);
    return wb.entryText(field);
  }
};

}  // namespace

TEST(EntryKeys, FilterAcceptsDigitsCommaSignsExponentBackspaceOnly) {
  for (char c = '0'; c <= '9'; ++c) {
    auto k = model::filterEntryKey(c);
    EXPECT_EQ(k.action, KeyAction::Insert);
    EXPECT_EQ(k.ch, c);
  }
  EXPECT_EQ(model::filterEntryKey('.').ch, ',');
  EXPECT_EQ(model::filterEntryKey(',').ch, ',');
  EXPECT_EQ(model::filterEntryKey('-').ch, '-');
  for (char c : {'e', 'E', '+'}) EXPECT_EQ(model::filterEntryKey(c).ch, c);
  EXPECT_EQ(model::filterEntryKey(8).action, KeyAction::Insert);
  EXPECT_EQ(model::filterEntryKey(13).action, KeyAction::Validate);
  for (int k : std::initializer_list<int>{'a', 'D', 'x', ' ', '/', 27, 9, 0xE9})
    EXPECT_EQ(model::filterEntryKey(k).action, KeyAction::Discard) << k;
}

TEST_F(Entry, ExponentFormsTypedThroughTheFilterAreReadAndCorrected) {
  auto typed = [&](int field, const std::string& keys) {
    std::string text;
    for (char ch : keys) {
      const auto k = model::filterEntryKey(static_cast<unsigned char>(ch));
      if (k.action == KeyAction::Insert) text += k.ch;
    }
    return enter(field, text);
  };
  EXPECT_EQ(typed(model::Concentration1, "1e-3"), "0,001");
  EXPECT_EQ(typed(model::Concentration2, "1E-3"), "0,001");
  EXPECT_EQ(typed(model::Concentration1, "1.5E-2"), "0,015");
  EXPECT_EQ(typed(model::Concentration1, "1,5E-2"), "0,015");
  EXPECT_EQ(typed(model::Concentration2, "1e-9"), "0,000 01");  // the same lower limit
  EXPECT_EQ(typed(model::Distance, "2e+0"), "2,0");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Entry, ConcentrationsDistanceAndAreaAreCorrectedSilently) {
  EXPECT_EQ(enter(model::Area, "0,5"), "0,5");
  EXPECT_EQ(enter(model::Concentration1, ""), "0,000 01");
  EXPECT_EQ(enter(model::Concentration1, "1"), "0,1");
  EXPECT_EQ(enter(model::Concentration2, "-3"), "0,000 01");
  EXPECT_EQ(enter(model::Concentration2, "0,05"), "0,05");
  EXPECT_EQ(enter(model::Concentration1, "0,0123456789"), "0,012 345 7");
  EXPECT_EQ(enter(model::Distance, "0"), "0,5");
  EXPECT_EQ(enter(model::Area, "12"), "10,0");
  EXPECT_EQ(enter(model::Distance, "abc"), "0,5");
  EXPECT_EQ(enter(model::Distance, "2,,5"), "0,5");  // unreadable counts as 0
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Entry, VolumesAreCorrectedWithMessages) {
  EXPECT_EQ(enter(model::Volume1, "5"), "10,0");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text,
            "Le volume minimum du m\xC3\xA9lange pour que la sonde soit immerg\xC3\xA9"
            "e est de 60 mL.");
  EXPECT_EQ(messages.shown[0].title, "Volume corrig\xC3\xA9");
  EXPECT_EQ(messages.shown[0].icon, Icon::Information);
  EXPECT_EQ(enter(model::Volume1, "230"), "200,0");
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].text,
            "La contenance du b\xC3\xA9"
            "cher est de 250 mL.");
  EXPECT_EQ(enter(model::Volume1, "10"), "10,0");
  EXPECT_EQ(messages.shown.size(), 2u);
  enter(model::Volume1, "50");
  EXPECT_EQ(enter(model::Volume2, "250"), "200,0");  // V1 = 50 → at most 200
  messages.shown.clear();
  wb.setEntryText(model::Volume2, "250,0");
  EXPECT_EQ(enter(model::Volume1, "20"), "0,0");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text,
            "La contenance du b\xC3\xA9"
            "cher est de 250 mL.");
  EXPECT_EQ(enter(model::Volume1, "12,345"), "0,0");
}

TEST_F(Entry, ValidationRecomputesTheReadings) {
  enter(model::Concentration1, "0,05");
  EXPECT_NE(wb.display(model::Meter::Conductimeter, 1), "298,0");
  EXPECT_EQ(wb.display(model::Meter::Conductimeter, 2), "298,0");
  EXPECT_EQ(enter(model::Volume1, "62,456"), "62,46");
}

TEST_F(Entry, RewrittenEntriesReadBackToTheSameValue) {
  for (const char* t : {"0,00001", "0,0123456", "0,1", "0,07", "0,5", "4,999", "9,5"}) {
    for (int field : {model::Concentration1, model::Distance, model::Area}) {
      const std::string once = enter(field, t);
      EXPECT_EQ(enter(field, once), once) << t;
    }
  }
}

TEST_F(Entry, BuretteStepsThroughTheEntryRulesAndStopsAtTheLimits) {
  using model::stepVolume;
  wb.setSoluteTag(0, "5");  // an acid titrated by a base
  wb.setSoluteTag(1, "18");
  enter(model::Volume1, "200");
  enter(model::Volume2, "0");
  const std::string mixture = wb.display(model::Meter::Conductimeter, 3);
  EXPECT_FALSE(stepVolume(wb, model::Volume2, 1, false));
  EXPECT_EQ(wb.entryText(model::Volume2), "1,0");
  EXPECT_NE(wb.display(model::Meter::Conductimeter, 3), mixture);  // the readings follow
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(stepVolume(wb, model::Volume2, 1, true));
  EXPECT_EQ(wb.entryText(model::Volume2), "1,3");  // tenths do not drift
  messages.shown.clear();
  // Below 0, above the beaker, under the probe: the limit, and no message.
  EXPECT_TRUE(stepVolume(wb, model::Volume2, -2, false));
  EXPECT_EQ(wb.entryText(model::Volume2), "0,0");
  EXPECT_TRUE(stepVolume(wb, model::Volume2, -1, false));
  EXPECT_EQ(wb.entryText(model::Volume2), "0,0");
  enter(model::Volume2, "49,5");
  EXPECT_TRUE(stepVolume(wb, model::Volume2, 1, false));
  EXPECT_EQ(wb.entryText(model::Volume2), "50,0");
  EXPECT_TRUE(stepVolume(wb, model::Volume1, 1, true));
  EXPECT_EQ(wb.entryText(model::Volume1), "200,0");
  enter(model::Volume2, "0");
  enter(model::Volume1, "60,5");
  EXPECT_FALSE(stepVolume(wb, model::Volume1, -5, true));
  EXPECT_TRUE(stepVolume(wb, model::Volume1, -1, true));
  EXPECT_EQ(wb.entryText(model::Volume1), "60,0");
  EXPECT_TRUE(messages.shown.empty());
  // An unreadable text steps from the value its validation gives.
  wb.setEntryText(model::Volume2, "1,2,3");
  EXPECT_FALSE(stepVolume(wb, model::Volume2, 1, false));
  EXPECT_EQ(wb.entryText(model::Volume2), "1,0");
}
