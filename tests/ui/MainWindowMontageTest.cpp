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
  EXPECT_TRUE(window->generatorMontageButton()->isChecked());
  EXPECT_FALSE(window->conductimeterMontageButton()->isChecked());
  for (int t = 1; t <= 3; ++t) {
    clickTab(t);
    const int b = t;
    EXPECT_FALSE(window->meterDisplay(b - 1)->isVisible());
    EXPECT_TRUE(window->meterDisplay(2 * b + 1)->isVisible());
    EXPECT_TRUE(window->meterDisplay(2 * b + 2)->isVisible());
    EXPECT_TRUE(window->generatorScreen(b - 1)->isVisible());
    EXPECT_TRUE(window->knob(2 * b - 2)->isVisible());
    EXPECT_TRUE(window->voltmeterFrame(b)->isVisible());
    EXPECT_TRUE(window->ammeterFrame(b)->isVisible());
    for (int j = 0; j < 6; ++j) EXPECT_FALSE(window->rangeButton(6 * (b - 1) + j)->isVisible());
  }
}

TEST_F(MontageTest, TheConductimeterMontageShowsOnlyTheConductimeter) {
  clickOption(window->conductimeterMontageButton());
  EXPECT_TRUE(window->workbench().conductimeterMontage());
  EXPECT_TRUE(window->conductimeterMontageButton()->isChecked());
  EXPECT_FALSE(window->generatorMontageButton()->isChecked());
  EXPECT_TRUE(window->tabStrip()->isVisible());
  for (int t = 1; t <= 3; ++t) {
    clickTab(t);
    const int b = t;
    EXPECT_TRUE(window->meterDisplay(b - 1)->isVisible());
    EXPECT_EQ(window->meterDisplay(b - 1)->width(), 100);
    EXPECT_FALSE(window->meterDisplay(2 * b + 1)->isVisible());
    EXPECT_FALSE(window->meterDisplay(2 * b + 2)->isVisible());
    EXPECT_FALSE(window->generatorScreen(b - 1)->isVisible());
    EXPECT_FALSE(window->knob(2 * b - 2)->isVisible());
    EXPECT_FALSE(window->knob(2 * b - 1)->isVisible());
    EXPECT_FALSE(window->voltmeterFrame(b)->isVisible());
    EXPECT_FALSE(window->ammeterFrame(b)->isVisible());
    for (int j = 0; j < 6; ++j) {
      QRadioButton* o = window->rangeButton(6 * (b - 1) + j);
      EXPECT_TRUE(o->isVisible());
      EXPECT_EQ(o->geometry(), window->rangeButton(j)->geometry());
    }
  }
  // Readings do not depend on the montage.
  EXPECT_EQ(display(0), "298,0");
}

TEST_F(MontageTest, SwitchingTwiceGivesBackTheSamePictures) {
  std::vector<QImage> first;
  for (int t = 1; t <= 3; ++t) {
    clickTab(t);
    first.push_back(pageImage(t));
  }
  clickOption(window->conductimeterMontageButton());
  clickTab(1);
  EXPECT_NE(differingPixels(pageImage(1), first[0]), QRect());
  clickOption(window->generatorMontageButton());
  for (int t = 1; t <= 3; ++t) {
    clickTab(t);
    EXPECT_EQ(differingPixels(pageImage(t), first[t - 1]), QRect()) << "page " << t;
  }
}

TEST_F(MontageTest, ACalibreClickSelectsItAndRewritesItsMeter) {
  // Voltmeter of bench 1 on "20 V": 0.2 V with "#0.00".
  clickOption(window->voltmeterFrame(1)->button(0));
  EXPECT_EQ(window->workbench().selectedVoltmeterCalibre(1), 0);
  EXPECT_TRUE(window->voltmeterCalibreButton(0)->isChecked());
  EXPECT_FALSE(window->voltmeterCalibreButton(1)->isChecked());
  EXPECT_EQ(display(4), "0,20");
  EXPECT_EQ(display(6), "0,200");  // bench 2 unchanged
  // Ammeter of bench 2 on "2 mA": 0.598 mA with "0.000".
  clickTab(2);
  clickOption(window->ammeterFrame(2)->button(3));
  EXPECT_EQ(window->workbench().selectedAmmeterCalibre(2), 3);
  EXPECT_EQ(display(5), "0,598");
  // A second click on the selected calibre keeps it selected.
  clickOption(window->ammeterFrame(2)->button(3));
  EXPECT_TRUE(window->ammeterCalibreButton(7)->isChecked());
}

TEST_F(MontageTest, ARangeClickSelectsTheConductimeterMode) {
  clickOption(window->conductimeterMontageButton());
  clickOption(window->rangeButton(1));  // conductance in mS
  EXPECT_EQ(window->workbench().selectedRange(1), 1);
  EXPECT_TRUE(window->rangeButton(1)->isChecked());
  EXPECT_FALSE(window->rangeButton(4)->isChecked());
  EXPECT_EQ(display(0), "2,98");
  EXPECT_EQ(display(1), "298,0");
}

}  // namespace
}  // namespace velmira::ui::testing
