// SPDX-License-Identifier: GPL-3.0-or-later
// Montage, calibres and modes: the controls each montage shows, the bench
// picture that comes back unchanged, and the readings a click selects.
#include <QRadioButton>

#include "tests/ui/WindowFixture.h"
#include "ui/CalibreFrame.h"
#include "ui/KnobWidget.h"

namespace velmira::ui::testing {
namespace {

using MontageTest = WindowTest;

TEST_F(MontageTest, TheGeneratorMontageShowsNoConductimeter) {
  EXPECT_TRUE(generatorMontageButton(*window)->isChecked());
  EXPECT_FALSE(conductimeterMontageButton(*window)->isChecked());
  for (int t = 1; t <= 3; ++t) {
    clickTab(t);
    const int b = t;
    EXPECT_FALSE(meterDisplay(*window, b - 1)->isVisible());
    EXPECT_TRUE(meterDisplay(*window, 2 * b + 1)->isVisible());
    EXPECT_TRUE(meterDisplay(*window, 2 * b + 2)->isVisible());
    EXPECT_TRUE(generatorScreen(*window, b - 1)->isVisible());
    EXPECT_TRUE(knob(*window, 2 * b - 2)->isVisible());
    EXPECT_TRUE(voltmeterFrame(*window, b)->isVisible());
    EXPECT_TRUE(ammeterFrame(*window, b)->isVisible());
    for (int j = 0; j < 6; ++j) EXPECT_FALSE(rangeButton(*window, 6 * (b - 1) + j)->isVisible());
  }
}

TEST_F(MontageTest, TheConductimeterMontageShowsOnlyTheConductimeter) {
  clickOption(conductimeterMontageButton(*window));
  EXPECT_TRUE(window->workbench().conductimeterMontage());
  EXPECT_TRUE(conductimeterMontageButton(*window)->isChecked());
  EXPECT_FALSE(generatorMontageButton(*window)->isChecked());
  EXPECT_TRUE(window->benches().tabStrip()->isVisible());
  for (int t = 1; t <= 3; ++t) {
    clickTab(t);
    const int b = t;
    EXPECT_TRUE(meterDisplay(*window, b - 1)->isVisible());
    EXPECT_EQ(meterDisplay(*window, b - 1)->width(), 100);
    EXPECT_FALSE(meterDisplay(*window, 2 * b + 1)->isVisible());
    EXPECT_FALSE(meterDisplay(*window, 2 * b + 2)->isVisible());
    EXPECT_FALSE(generatorScreen(*window, b - 1)->isVisible());
    EXPECT_FALSE(knob(*window, 2 * b - 2)->isVisible());
    EXPECT_FALSE(knob(*window, 2 * b - 1)->isVisible());
    EXPECT_FALSE(voltmeterFrame(*window, b)->isVisible());
    EXPECT_FALSE(ammeterFrame(*window, b)->isVisible());
    for (int j = 0; j < 6; ++j) {
      QRadioButton* o = rangeButton(*window, 6 * (b - 1) + j);
      EXPECT_TRUE(o->isVisible());
      EXPECT_EQ(o->geometry(), rangeButton(*window, j)->geometry());
    }
  }
  // Readings do not depend on the montage.
  EXPECT_EQ(display(0), "298,0");
  // The empty table's first recording takes the conductimeter's reading.
  EXPECT_EQ(window->table().autoEntry(1), table::kEntryConductimeter);
}

TEST_F(MontageTest, SwitchingTwiceGivesBackTheSamePictures) {
  std::vector<QImage> first;
  for (int t = 1; t <= 3; ++t) {
    clickTab(t);
    first.push_back(pageImage(t));
  }
  clickOption(conductimeterMontageButton(*window));
  clickTab(1);
  EXPECT_NE(differingPixels(pageImage(1), first[0]), QRect());
  clickOption(generatorMontageButton(*window));
  for (int t = 1; t <= 3; ++t) {
    clickTab(t);
    EXPECT_EQ(differingPixels(pageImage(t), first[t - 1]), QRect()) << "page " << t;
  }
}

TEST_F(MontageTest, ACalibreClickSelectsItAndRewritesItsMeter) {
  // Voltmeter of bench 1 on "20 V": 0.2 V with "#0.00".
  clickOption(voltmeterFrame(*window, 1)->button(0));
  EXPECT_EQ(window->workbench().selectedVoltmeterCalibre(1), 0);
  EXPECT_TRUE(voltmeterCalibreButton(*window, 0)->isChecked());
  EXPECT_FALSE(voltmeterCalibreButton(*window, 1)->isChecked());
  EXPECT_EQ(display(4), "0,20");
  EXPECT_EQ(display(6), "0,200");  // bench 2 unchanged
  // Ammeter of bench 2 on "2 mA": 0.598 mA with "0.000".
  clickTab(2);
  clickOption(ammeterFrame(*window, 2)->button(3));
  EXPECT_EQ(window->workbench().selectedAmmeterCalibre(2), 3);
  EXPECT_EQ(display(5), "0,598");
  // A second click on the selected calibre keeps it selected.
  clickOption(ammeterFrame(*window, 2)->button(3));
  EXPECT_TRUE(ammeterCalibreButton(*window, 7)->isChecked());
}

TEST_F(MontageTest, ARangeClickSelectsTheConductimeterMode) {
  clickOption(conductimeterMontageButton(*window));
  clickOption(rangeButton(*window, 1));  // conductance in mS
  EXPECT_EQ(window->workbench().selectedRange(1), 1);
  EXPECT_TRUE(rangeButton(*window, 1)->isChecked());
  EXPECT_FALSE(rangeButton(*window, 4)->isChecked());
  EXPECT_EQ(display(0), "2,98");
  EXPECT_EQ(display(1), "298,0");
}

}  // namespace
}  // namespace velmira::ui::testing
