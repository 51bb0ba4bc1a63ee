// SPDX-License-Identifier: GPL-3.0-or-later
// Entries as a pupil types them: key filter, Enter, loss of focus, volume
// messages, and the displays that follow.
#include "model/EntryRules.h"
#include "tests/ui/WindowFixture.h"

namespace velmira::ui::testing {
namespace {

using EntryTest = WindowTest;

TEST_F(EntryTest, StartsWithTheDefaultEntriesAndReadings) {
  EXPECT_EQ(entryField(*window, 0)->text(), "0,01");
  EXPECT_EQ(entryField(*window, 1)->text(), "0,01");
  EXPECT_EQ(entryField(*window, 2)->text(), "1,0");
  EXPECT_EQ(entryField(*window, 3)->text(), "1,0");
  EXPECT_EQ(entryField(*window, 4)->text(), "50,0");
  EXPECT_EQ(entryField(*window, 5)->text(), "50,0");
  // Solute 1 at 0.01 mol/L, generator montage, 0.2 V, 800 Hz.
  EXPECT_EQ(display(0), "298,0");
  EXPECT_EQ(display(3), "0,6");
  EXPECT_EQ(display(4), "0,200");
  EXPECT_TRUE(generatorScreen(*window, 0)->text().startsWith(QString::fromUtf8("\xC6\x92 = ")));
  EXPECT_TRUE(generatorScreen(*window, 0)->text().endsWith("800 Hz"));
  EXPECT_EQ(generatorScreen(*window, 0)->text(), QString::fromStdString(window->workbench().generatorText(1)));
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(EntryTest, TypedPointBecomesCommaAndEnterValidatesAtOnce) {
  typeEntry(0, "0.05", false);
  EXPECT_EQ(entryField(*window, 0)->text(), "0,05");
  EXPECT_EQ(display(0), "298,0");  // nothing recomputed while typing
  QTest::keyClick(entryField(*window, 0), Qt::Key_Return);
  EXPECT_EQ(entryField(*window, 0)->text(), "0,05");
  EXPECT_EQ(window->workbench().entryText(0), "0,05");
  EXPECT_NE(display(0), "298,0");
  EXPECT_EQ(QString::fromStdString(window->workbench().display(model::Meter::Conductimeter, 1)), display(0));
  // The same solute in the second beaker still reads the old value.
  EXPECT_EQ(display(1), "298,0");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(EntryTest, LettersAndOtherSignsNeverReachTheField) {
  typeEntry(3, "a2b;.5%", false);
  EXPECT_EQ(entryField(*window, 3)->text(), "2,5");
  QTest::keyClick(entryField(*window, 3), Qt::Key_Backspace);
  EXPECT_EQ(entryField(*window, 3)->text(), "2,");
}

TEST_F(EntryTest, LeavingAFieldValidatesIt) {
  typeEntry(2, "0", false);
  entryField(*window, 3)->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
  EXPECT_EQ(entryField(*window, 2)->text(), "0,5");
  EXPECT_EQ(window->workbench().entryValue(2), 0.5f);
}

TEST_F(EntryTest, OutOfRangeConcentrationsAreCorrectedSilently) {
  typeEntry(1, "1");
  EXPECT_EQ(entryField(*window, 1)->text(), "0,1");
  typeEntry(1, "");
  EXPECT_EQ(entryField(*window, 1)->text(), "0,000 01");
  typeEntry(3, "12");
  EXPECT_EQ(entryField(*window, 3)->text(), "10,0");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(EntryTest, TooSmallAMixtureShowsMessageAAndTheCorrectedVolume) {
  clickTab(3);
  typeEntry(4, "5");
  ASSERT_EQ(messages.shown.size(), 1u);
  const Message& m = messages.shown[0];
  EXPECT_EQ(m.text,
            "Le volume minimum du m\xC3\xA9lange pour que la sonde soit immerg\xC3\xA9"
            "e est de 60 mL.");
  EXPECT_EQ(m.title, "Volume corrig\xC3\xA9");
  EXPECT_EQ(m.icon, Icon::Information);
  EXPECT_EQ(m.buttons, Buttons::Ok);
  EXPECT_EQ(entryField(*window, 4)->text(), "10,0");
  // The field keeps the focus; leaving it now says nothing more.
  entryField(*window, 5)->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
  EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(EntryTest, ClickingATabValidatesTheFieldBeingEdited) {
  clickTab(3);
  typeEntry(4, "5", false);
  EXPECT_TRUE(messages.shown.empty());
  clickTab(1);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(entryField(*window, 4)->text(), "10,0");
  EXPECT_EQ(window->benches().tabStrip()->currentTab(), 1);
}

TEST_F(EntryTest, TooLargeAMixtureShowsMessageB) {
  clickTab(3);
  typeEntry(5, "230");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text,
            "La contenance du b\xC3\xA9"
            "cher est de 250 mL.");
  EXPECT_EQ(entryField(*window, 5)->text(), "200,0");
}

TEST_F(EntryTest, AVolumeChangeRedrawsTheMixtureBeaker) {
  clickTab(3);
  const QImage before = page(*window, 3)->surface().image();
  typeEntry(4, "200");
  EXPECT_EQ(entryField(*window, 4)->text(), "200,0");
  const QImage after = page(*window, 3)->surface().image();
  EXPECT_NE(before, after);
  // The solution pages keep their 80 mL beakers.
  typeEntry(4, "50");
  EXPECT_EQ(differingPixels(page(*window, 3)->surface().image(), before), QRect());
}

}  // namespace
}  // namespace velmira::ui::testing
