// SPDX-License-Identifier: GPL-3.0-or-later
// The scatter of preparations and readings: its generator, its normal law,
// the draws kept until what they were drawn for changes.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "model/Scatter.h"
#include "model/Tolerance.h"
#include "model/Workbench.h"
#include "platform/core/NumberText.h"

using namespace velmira::model;

namespace {

struct Sample {
  double mean = 0, sd = 0;
};
Sample sampleOf(const std::vector<double>& x) {
  Sample s;
  for (double v : x) s.mean += v;
  s.mean /= static_cast<double>(x.size());
  for (double v : x) s.sd += (v - s.mean) * (v - s.mean);
  s.sd = std::sqrt(s.sd / static_cast<double>(x.size() - 1));
  return s;
}

Scatter scatterOn(std::uint64_t seed) {
  Scatter s;
  s.on = true;
  s.seed = seed;
  return s;
}

}  // namespace

TEST(Scatter, GeneratorGivesTheReferenceSplitMix64WordsAndANormalLaw) {
  // The published first words of splitmix64 seeded with 1234567.
  EXPECT_EQ(splitMix64(1234567, 0), 6457827717110365317ULL);
  EXPECT_EQ(splitMix64(1234567, 1), 3203168211198807973ULL);
  EXPECT_EQ(splitMix64(1234567, 4), 16408922859458223821ULL);
  std::vector<double> z;
  for (std::uint64_t i = 0; i < 20000; ++i) z.push_back(standardNormal(2024, i));
  const Sample s = sampleOf(z);
  EXPECT_NEAR(s.mean, 0, 0.03);
  EXPECT_NEAR(s.sd, 1, 0.02);
  EXPECT_NE(standardNormal(2024, 5), standardNormal(2025, 5));
}

TEST(Scatter, PreparationGapIsDrawnAgainOnlyWhenItsSolutionChanges) {
  Scatter a = scatterOn(9), b = scatterOn(9);
  const double first = a.preparationFactor(1, "1", "0,01");
  const double second = a.preparationFactor(2, "1", "0,01");
  EXPECT_EQ(a.preparationFactor(1, "1", "0,01"), first);
  EXPECT_NE(a.preparationFactor(1, "1", "0,02"), first);
  EXPECT_NE(a.preparationFactor(1, "3", "0,02"), first);
  EXPECT_EQ(a.preparationFactor(2, "1", "0,01"), second);
  EXPECT_EQ(a.next, 4u);
  // The same seed, the same draws in the same order.
  EXPECT_EQ(b.preparationFactor(1, "1", "0,01"), first);
  // Its relative standard deviation over many preparations.
  std::vector<double> gaps;
  for (int i = 0; i < 2000; ++i) gaps.push_back(a.preparationFactor(1, "1", i % 2 ? "0,01" : "0,010") - 1);
  EXPECT_NEAR(sampleOf(gaps).sd / kPreparationDeviation, 1, 0.05);
}

TEST(Scatter, NewMeasurementsScatterByTheReadingsUncertainty) {
  Workbench plain;
  plain.startupDefaults();
  Workbench wb = plain;
  wb.setScatter(scatterOn(77));
  wb.updateVoltmeters();
  // Two displays whose u is above their last digit d: the display's own
  // rounding adds d²/12 to the variance, under 4 % on the deviation.
  for (Meter meter : {Meter::Conductimeter, Meter::Voltmeter}) {
    const auto u = readingUncertainty(plain, meter, 1);
    ASSERT_TRUE(u);
    ASSERT_GT(u->u, u->digit);
    std::vector<double> readings;
    for (int i = 0; i < 2000; ++i) {
      wb.newMeasurement(1);
      readings.push_back(*velmira::num::readDouble(wb.display(meter, 1)));
    }
    const Sample s = sampleOf(readings);
    EXPECT_NEAR(s.sd / u->u, 1, 0.05);
    // Around the reading of the solution as prepared, within a few u.
    EXPECT_NEAR(s.mean, u->value, 5 * u->u);
  }
  // Another bench's readings are not drawn again.
  const std::string mixture = wb.display(Meter::Ammeter, 3);
  wb.newMeasurement(1);
  EXPECT_EQ(wb.display(Meter::Ammeter, 3), mixture);
  // Off again: the readings without scatter.
  wb.setScatter({});
  wb.updateVoltmeters();
  for (const MeterSlot& slot : kMeterSlots)
    EXPECT_EQ(wb.display(slot.meter, slot.bench), plain.display(slot.meter, slot.bench));
}

TEST(Scatter, MixtureFollowsTheSolutionsGaps) {
  Workbench wb;
  wb.startupDefaults();
  wb.setScatter(scatterOn(3));
  wb.updateMeters();
  const double s1 = wb.conductivity(1), s2 = wb.conductivity(2), s3 = wb.conductivity(3);
  // The same concentration typed otherwise: solution 1 prepared again.
  wb.setEntryText(Concentration1, "0,010");
  wb.updateMeters();
  EXPECT_NE(wb.conductivity(1), s1);
  EXPECT_EQ(wb.conductivity(2), s2);
  EXPECT_NE(wb.conductivity(3), s3);
  // Nothing of solution 2 in the beaker: the mixture is solution 1 as prepared.
  wb.setEntryText(Volume2, "0");
  wb.updateMeters();
  EXPECT_EQ(wb.conductivity(3), wb.conductivity(1));
}

TEST(Scatter, AScatteredReadingPastTheCalibreOverflows) {
  Workbench wb;
  wb.startupDefaults();
  // 0,2 V on the 200 mV calibre: at its limit.
  wb.setVoltmeterCalibre(2, true);
  wb.updateVoltmeters();
  ASSERT_EQ(wb.display(Meter::Voltmeter, 1), "200,0");
  wb.setScatter(scatterOn(5));
  int overflows = 0;
  for (int i = 0; i < 40; ++i) {
    wb.newMeasurement(1);
    const std::string& shown = wb.display(Meter::Voltmeter, 1);
    if (shown == kMeterOverflow)
      ++overflows;
    else
      EXPECT_LE(*velmira::num::readDouble(shown), 200) << shown;
  }
  EXPECT_GT(overflows, 5);
  EXPECT_LT(overflows, 35);
}
