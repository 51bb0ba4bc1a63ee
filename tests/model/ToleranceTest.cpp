// SPDX-License-Identifier: GPL-3.0-or-later
// The instruments' stated tolerances: the digit shown, the percentage of
// each instrument, u = tolerance / √3, on the calibre in use.
#include <gtest/gtest.h>

#include <cmath>

#include "model/Tolerance.h"
#include "model/Workbench.h"

using namespace velmira;
using model::Meter;

TEST(Tolerance, StartupReadingsOfTheThreeInstruments) {
  model::Workbench wb;
  wb.startupDefaults();
  // Conductimeter "298,0" (mS·m-1): 1 % of 298 + 0,1 = 3,08.
  auto c = model::readingUncertainty(wb, Meter::Conductimeter, 1);
  ASSERT_TRUE(c);
  EXPECT_DOUBLE_EQ(c->value, 298);
  EXPECT_DOUBLE_EQ(c->digit, 0.1);
  EXPECT_NEAR(c->tolerance, 3.08, 1e-12);
  EXPECT_NEAR(c->u, 3.08 / std::sqrt(3.0), 1e-12);
  EXPECT_EQ(model::readingUncertaintyText(Meter::Conductimeter, wb.display(Meter::Conductimeter, 1)), "u = 1,8");
  // Ammeter "0,6" (mA, 200 mA): 1 % of 0,6 + 0,1 = 0,106, u = 0,0612.
  EXPECT_NEAR(model::readingUncertainty(wb, Meter::Ammeter, 2)->tolerance, 0.106, 1e-12);
  EXPECT_EQ(model::readingUncertaintyText(Meter::Ammeter, wb.display(Meter::Ammeter, 2)), "u = 0,061");
  // Voltmeter "0,200" (V, 2 V): 0,5 % of 0,2 + 0,001 = 0,002, u = 0,00115.
  EXPECT_NEAR(model::readingUncertainty(wb, Meter::Voltmeter, 3)->tolerance, 0.002, 1e-12);
  EXPECT_EQ(model::readingUncertaintyText(Meter::Voltmeter, wb.display(Meter::Voltmeter, 3)), "u = 0,0012");
}

TEST(Tolerance, FollowsTheCalibreInUse) {
  model::Workbench wb;
  wb.startupDefaults();
  // On "2 mA" the ammeter shows thousandths of a mA.
  wb.setAmmeterCalibre(3, true);
  wb.updateMeters();
  const std::string shown = wb.display(Meter::Ammeter, 1);
  const auto a = model::readingUncertainty(wb, Meter::Ammeter, 1);
  ASSERT_TRUE(a) << shown;
  EXPECT_DOUBLE_EQ(a->digit, 0.001) << shown;
  EXPECT_NEAR(a->tolerance, 0.01 * a->value + 0.001, 1e-12);
  // A larger amplitude passes the calibre: the overflow shows no number.
  wb.setKnobTag(0, " .6");
  wb.updateVoltmeters();
  ASSERT_EQ(wb.display(Meter::Ammeter, 1), model::kMeterOverflow);
  EXPECT_FALSE(model::readingUncertainty(wb, Meter::Ammeter, 1));
  EXPECT_EQ(model::readingUncertaintyText(Meter::Ammeter, wb.display(Meter::Ammeter, 1)), "");
  EXPECT_EQ(model::readingUncertaintyText(Meter::Conductimeter, ""), "");
  // Digits grouped by blanks: "1 234,5" is 1234,5 to 0,1.
  EXPECT_NEAR(model::readingUncertainty(Meter::Conductimeter, "1 234,5")->tolerance, 12.345 + 0.1, 1e-9);
}
