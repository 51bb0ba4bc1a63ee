// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "FloatCompare.h"
#include "model/Knob.h"
#include "model/Workbench.h"
#include "platform/core/NumberText.h"

using namespace velmira;
using model::Workbench;

namespace {

Workbench started() {
  Workbench wb;
  wb.startupDefaults();
  return wb;
}

void setSolutes(Workbench& wb, int a, int b) {
  wb.setSoluteTag(0, num::format(a, "0"));
  wb.setSoluteTag(1, num::format(b, "0"));
}

}  // namespace

TEST(Workbench, StartupShowsTheDefaultReadingsOnEveryBench) {
  Workbench wb = started();
  for (int b = 1; b <= 3; ++b) {
    EXPECT_EQ(wb.display(model::Meter::Conductimeter, b), "298,0") << "conductimeter " << b;  // σ in mS·m-1
    EXPECT_EQ(wb.display(model::Meter::Ammeter, b), "0,6") << "ammeter " << b;                // 200 mA calibre
    EXPECT_EQ(wb.display(model::Meter::Voltmeter, b), "0,200") << "voltmeter " << b;          // 2 V calibre
    EXPECT_EQ(wb.generatorText(b), "\xC6\x92 =  800 Hz");
  }
  EXPECT_TRUE(wb.generatorMontage());
  EXPECT_FALSE(wb.conductimeterMontage());
  EXPECT_TRUE(wb.mixturePossible());
  EXPECT_FALSE(wb.precipitateNotice());
  EXPECT_EQ(wb.selectedRange(1), 4);
  EXPECT_EQ(wb.selectedAmmeterCalibre(2), 1);
  EXPECT_EQ(wb.selectedVoltmeterCalibre(3), 1);
}

TEST(Workbench, CoefficientTableRowAndColumnZeroStayZero) {
  Workbench wb;
  for (float v : wb.coefficients()[0]) EXPECT_EQ(v, 0.f);
  for (const auto& row : wb.coefficients()) EXPECT_EQ(row[0], 0.f);
  EXPECT_EQ(wb.coefficients()[5][1], 0.0426f);
  // a4 is zero for solute 3; a5 only for 1..4; the solutes the species
  // model reads have no law.
  EXPECT_EQ(wb.coefficients()[3][4], 0.f);
  for (int k = 1; k <= model::kSoluteCount; ++k) {
    EXPECT_EQ(wb.coefficients()[k][5] != 0.f, k <= 4) << k;
    EXPECT_EQ(wb.coefficients()[k][1] == 0.f, model::usesSpeciesModel(k)) << k;
  }
  EXPECT_EQ(model::molarConductivity(wb.coefficients(), 0, 0.01f), 0.f);
}

TEST(Workbench, MolarConductivityMatchesTheWorkedExamples) {
  Workbench wb;
  EXPECT_NEAR(model::molarConductivity(wb.coefficients(), 1, 0.01f), 0.029891, 5e-7);
  EXPECT_NEAR(model::molarConductivity(wb.coefficients(), 5, 0.01f), 0.04118, 5e-6);
  // Each step rounds to a 32-bit float: the result is a float value exactly.
  float l = model::molarConductivity(wb.coefficients(), 9, 0.01f);
  EXPECT_EQ(static_cast<double>(l), static_cast<double>(static_cast<float>(l)));
}

TEST(Workbench, PotassiumChlorideReadsLikeTheRealSolution) {
  Workbench wb = started();
  setSolutes(wb, 9, 9);
  wb.updateMeters();
  EXPECT_EQ(wb.display(model::Meter::Conductimeter, 1), "141,0");
  EXPECT_EQ(wb.display(model::Meter::Conductimeter, 2), "141,0");
  EXPECT_EQ(wb.display(model::Meter::Conductimeter, 3), "141,0");
}

TEST(Workbench, TroisChiffresTruncates) {
  EXPECT_DOUBLE_EQ(model::threeSignificantDigits(0.4118), 0.411);
  EXPECT_DOUBLE_EQ(model::threeSignificantDigits(0.0029891), 0.00298);
  EXPECT_DOUBLE_EQ(model::threeSignificantDigits(12.99), 12.9);
  EXPECT_DOUBLE_EQ(model::threeSignificantDigits(5e-7), 5e-7);  // below 1E-06: untouched
  EXPECT_DOUBLE_EQ(model::threeSignificantDigits(0), 0);
}

TEST(Workbench, ConductimeterModesAndRanges) {
  Workbench wb = started();
  setSolutes(wb, 5, 5);  // σ ≈ 0.4118 S/m
  auto mode = [&](int j) {
    wb.setConductimeterRange(j, true);
    wb.updateMeters();
    return wb.display(model::Meter::Conductimeter, 1);
  };
  EXPECT_EQ(mode(3), "0,411");
  EXPECT_EQ(mode(4), "411,0");
  EXPECT_EQ(wb.readingUnit(model::Meter::Conductimeter, 1), "mS/m");  // 0,411 S/m
  EXPECT_EQ(mode(5), std::string(model::kConductimeterOverflow));
  // Conductance with S = L = 1 cm: G = σ / 100.
  EXPECT_EQ(mode(0), "0,004");
  EXPECT_EQ(mode(1), "4,11");
  EXPECT_EQ(wb.readingUnit(model::Meter::Conductimeter, 1), "mS");
  EXPECT_EQ(mode(2), std::string(model::kConductimeterOverflow));
  setSolutes(wb, 1, 1);
  EXPECT_EQ(mode(1), "2,98");
  // Conductance in S has no range test: a tiny G shows 0,0.
  wb.setEntryText(model::Concentration1, "0,00001");
  EXPECT_EQ(mode(0), "0,0");
  EXPECT_EQ(mode(2), "4,1");  // G ≈ 4.1017E-06 S
}

TEST(Workbench, AmmeterCalibresAreInclusiveAndShowOverflow) {
  Workbench wb = started();
  setSolutes(wb, 1, 1);
  auto ammeter = [&](int m) {
    wb.setAmmeterCalibre(m, true);
    wb.updateMeters();
    return wb.display(model::Meter::Ammeter, 1);
  };
  EXPECT_EQ(ammeter(0), "0,001");
  EXPECT_EQ(ammeter(1), "0,6");
  EXPECT_EQ(wb.readingUnit(model::Meter::Ammeter, 1), "mA");  // 0,001 A
  EXPECT_EQ(ammeter(2), "0,60");
  EXPECT_EQ(ammeter(3), "0,598");
  // Amplitude 0: no current.
  wb.setKnobTag(0, "0");
  wb.updateVoltmeters();
  EXPECT_EQ(ammeter(0), "0,000");
  EXPECT_EQ(ammeter(1), "0,0");
  EXPECT_EQ(ammeter(3), "0,000");
  // Full amplitude, strong acid, large electrodes close together: beyond 2 mA.
  wb.setKnobTag(0, "0.6");
  setSolutes(wb, 8, 8);
  wb.setEntryText(model::Concentration1, "0,1");
  wb.setEntryText(model::Area, "10,0");
  wb.setEntryText(model::Distance, "0,5");
  wb.updateVoltmeters();
  EXPECT_EQ(ammeter(3), std::string(model::kMeterOverflow));
  EXPECT_EQ(ammeter(2), std::string(model::kMeterOverflow));
}

TEST(Workbench, VoltmeterShowsTheAmplitudeOnEachCalibre) {
  Workbench wb = started();
  auto volts = [&](int pos) {
    wb.setVoltmeterCalibre(pos, true);
    wb.updateVoltmeters();
    return wb.display(model::Meter::Voltmeter, 1);
  };
  EXPECT_EQ(volts(0), "0,20");
  EXPECT_EQ(volts(1), "0,200");
  EXPECT_EQ(volts(2), "200,0");  // 0.12 * 5 / 3 is just below 0.2: inclusive test
  EXPECT_EQ(wb.readingUnit(model::Meter::Voltmeter, 1), "mV");
  wb.setKnobTag(0, "0.1206");
  EXPECT_EQ(volts(2), std::string(model::kMeterOverflow));
  wb.setKnobTag(0, "0.0102");  // 17 mV
  EXPECT_EQ(volts(2), "17,0");
  EXPECT_EQ(volts(3), "17,00");
  wb.setKnobTag(0, "0.6");
  EXPECT_EQ(volts(1), "1,000");
  EXPECT_EQ(volts(3), std::string(model::kMeterOverflow));
}

TEST(Workbench, GeneratorScreenFollowsTheFrequencyKnob) {
  Workbench wb = started();
  wb.setKnobTag(1, "0.6");
  wb.setKnobTag(3, "0");
  wb.updateVoltmeters();
  EXPECT_EQ(wb.generatorText(1), "\xC6\x92 = 1 200 Hz");
  EXPECT_EQ(wb.generatorText(2), "\xC6\x92 =  400 Hz");
  EXPECT_EQ(wb.generatorText(3), "\xC6\x92 =  800 Hz");
}

TEST(Workbench, OptionGroupsAreExclusivePerBench) {
  Workbench wb;
  wb.setConductimeterRange(7, true);  // bench 2, mS
  EXPECT_EQ(wb.selectedRange(2), 1);
  EXPECT_EQ(wb.selectedRange(1), 4);  // other benches untouched
  wb.setConductimeterRange(7, false);
  EXPECT_EQ(wb.selectedRange(2), -1);
  wb.setConductimeterMontage(true);
  EXPECT_FALSE(wb.generatorMontage());
  EXPECT_TRUE(wb.conductimeterMontage());
}

TEST(Workbench, AGroupWithNothingSelectedKeepsItsDisplay) {
  Workbench wb = started();
  wb.setConductimeterRange(4, false);
  wb.setAmmeterCalibre(1, false);
  setSolutes(wb, 9, 9);
  wb.updateMeters();
  EXPECT_EQ(wb.display(model::Meter::Conductimeter, 1), "298,0");
  EXPECT_EQ(wb.display(model::Meter::Ammeter, 1), "0,6");
  EXPECT_EQ(wb.display(model::Meter::Conductimeter, 2), "141,0");
}

TEST(Mixing, AutorisemelRefusesPrecipitatesOnly) {
  Workbench wb;
  auto check = [&](int a, int b) {
    setSolutes(wb, a, b);
    wb.checkMixture();
    return std::pair(wb.mixturePossible(), wb.acidBaseReaction());
  };
  for (int k = 1; k <= 21; ++k) EXPECT_EQ(check(k, k), std::pair(true, false)) << k;
  EXPECT_FALSE(check(1, 10).first);
  EXPECT_FALSE(check(18, 4).first);
  EXPECT_FALSE(check(14, 18).first);
  EXPECT_FALSE(check(21, 16).first);
  EXPECT_FALSE(check(4, 15).first);  // neither is a base
  EXPECT_FALSE(check(15, 8).first);
  EXPECT_FALSE(check(10, 14).first);
  EXPECT_FALSE(check(13, 16).first);
  EXPECT_TRUE(check(1, 3).first);  // same group
  EXPECT_TRUE(check(14, 17).first);
  EXPECT_EQ(check(5, 10), std::pair(true, true));
  EXPECT_EQ(check(18, 8), std::pair(true, true));
  EXPECT_EQ(check(5, 9), std::pair(true, false));
  EXPECT_EQ(check(10, 18), std::pair(true, false));
}

TEST(Mixing, KacBasFollowsTheReactionTable) {
  Workbench wb = started();
  const auto& coefs = wb.coefficients();
  auto sigma = [&](int s1, double x1, int s2, double x2) {
    return model::molarConductivityDouble(coefs, s1, x1) * x1 * 1000 +
           model::molarConductivityDouble(coefs, s2, x2) * x2 * 1000;
  };
  // Equal diluted concentrations: only salt 9 at c1' = 0.005.
  setSolutes(wb, 5, 10);
  const double c = static_cast<double>(0.01f) * 50 / 100;
  EXPECT_DOUBLE_EQ(wb.acidBaseConductivity(), sigma(9, c, 10, 0));
  // Sulfuric acid, read by the species model: with soda at the same
  // concentrations, what remains is 8 at c'/2 with 21 at c'/2.
  auto species = [](int s1, double x1, int s2, double x2) {
    model::Composition t = model::soluteComposition(s1, x1);
    return model::conductivity(model::speciate(t.add(model::soluteComposition(s2, x2))));
  };
  setSolutes(wb, 8, 18);
  EXPECT_DOUBLE_EQ(wb.acidBaseConductivity(), species(8, c / 2, 21, c / 2));
  // Base first: the excess base keeps the slot of solution 1.
  setSolutes(wb, 10, 5);
  wb.setEntryText(model::Concentration1, "0,02");
  const double c1 = static_cast<double>(0.02f) * 50 / 100;
  EXPECT_DOUBLE_EQ(wb.acidBaseConductivity(), sigma(10, c1 - c, 9, c));
  // Base with sulfuric acid: the base in excess, then the acid.
  setSolutes(wb, 18, 8);
  EXPECT_NEAR(wb.acidBaseConductivity() / species(18, c1 - 2 * c, 21, c), 1, 1e-9);
  wb.setEntryText(model::Concentration1, "0,01");
  EXPECT_NEAR(wb.acidBaseConductivity() / species(21, c / 2, 8, c - c / 2), 1, 1e-9);
}

TEST(Mixing, MixtureBenchDilutesOrReactsOrRefuses) {
  Workbench wb = started();
  // Same solute at the same concentration: the σ of either beaker whatever the volumes.
  wb.setEntryText(model::Volume1, "10,0");
  wb.setEntryText(model::Volume2, "200,0");
  wb.updateMeters();
  EXPECT_EQ(wb.display(model::Meter::Conductimeter, 3), wb.display(model::Meter::Conductimeter, 1));

  // Two non-reacting solutes: each law at its own diluted concentration.
  setSolutes(wb, 9, 17);
  wb.setEntryText(model::Volume1, "50,0");
  wb.setEntryText(model::Volume2, "50,0");
  wb.updateMeters();
  const auto& coefs = wb.coefficients();
  const float cp = static_cast<float>(static_cast<double>(0.01f) * 50 / 100);
  const float s1 = static_cast<float>(static_cast<double>(model::molarConductivity(coefs, 9, cp)) * cp * 1000);
  const float s2 = static_cast<float>(static_cast<double>(model::molarConductivity(coefs, 17, cp)) * cp * 1000);
  const double x = model::threeSignificantDigits(static_cast<float>(s1 + s2));
  EXPECT_EQ(wb.display(model::Meter::Conductimeter, 3), num::trim(num::format(x * 1000, "# ##0.0##")));

  // A precipitate: empty conductimeter, overlay shown, ammeter keeps its text.
  const std::string ammeterBefore = wb.display(model::Meter::Ammeter, 3);
  setSolutes(wb, 14, 18);
  wb.setKnobTag(4, "0.6");
  wb.updateVoltmeters();
  EXPECT_FALSE(wb.mixturePossible());
  EXPECT_TRUE(wb.precipitateNotice());
  EXPECT_EQ(wb.display(model::Meter::Conductimeter, 3), "");
  EXPECT_EQ(wb.display(model::Meter::Ammeter, 3), ammeterBefore);
  setSolutes(wb, 9, 9);
  wb.updateMeters();
  EXPECT_FALSE(wb.precipitateNotice());
  EXPECT_EQ(wb.display(model::Meter::Conductimeter, 3), "141,0");
}

TEST(Workbench, GarbageFieldsNeverBreakTheReadings) {
  Workbench wb = started();
  wb.setSoluteTag(0, "abc");
  wb.setSoluteTag(1, "99");
  for (int i = 0; i < model::kEntries; ++i) wb.setEntryText(i, i % 2 ? "" : "-3");
  wb.setKnobTag(0, "1E400");
  wb.setKnobTag(1, "zz");
  wb.updateVoltmeters();
  EXPECT_EQ(wb.soluteOf(1), 0);
  EXPECT_EQ(wb.soluteOf(2), 0);
  EXPECT_EQ(wb.display(model::Meter::Conductimeter, 1), "0,0");  // solute 0 conducts nothing
  EXPECT_EQ(wb.generatorText(1), "\xC6\x92 =  400 Hz");
  // Unreadable or impossible entries read as validation would correct them.
  EXPECT_FLOAT_EQ(wb.entryValue(model::Concentration1), 0.00001f);
  EXPECT_FLOAT_EQ(wb.entryValue(model::Distance), 0.5f);
  EXPECT_FLOAT_EQ(wb.entryValue(model::Area), 0.5f);
  wb.setEntryText(model::Volume1, "0");
  wb.setEntryText(model::Volume2, "0");
  EXPECT_GT(wb.entryValue(model::Volume1) + wb.entryValue(model::Volume2), 0.f);
  wb.updateMeters();
  for (auto [meter, bench] : model::kMeterSlots) EXPECT_EQ(wb.display(meter, bench).find("nan"), std::string::npos);
}

// Readings recomputed from the law with an independent copy of the
// coefficients, on random solutions of bench 1 (the solutes the law reads).
TEST(Workbench, ReadingsAgreeWithAnIndependentComputation) {
  static const double kCoef[22][5] = {{0, 0, 0, 0, 0},
                                      {0.0415, -162, 445, 1.15, -1.07},
                                      {0.0415, -161, 446, 1.13, -1.07},
                                      {0.0400, -160, 433, 0, -1.07},
                                      {0.085, -351, 984, 3.5, -2.14},
                                      {0.0426, -14.87, 13.64, -0.327, 0},
                                      {0.0426, -14, 14.2, -0.502, 0},
                                      {0.0421, -4.6, 1.36, -4.94, 0},
                                      {0, 0, 0, 0, 0},  // the species model reads 8
                                      {0.015, -9.53, 9.25, -0.00251, 0},
                                      {0.0272, -10.2, 6.88, -0.589, 0},
                                      {0.015, -9.51, 9.67, -0.00731, 0},
                                      {0.0145, -8.92, 5.31, -0.385, 0},
                                      {0.0306, -42.7, 50, 0.442, 0},
                                      {0.0259, -32.1, 40.6, -0.751, 0},
                                      {0.0261, -34.5, 46.4, 0.257, 0},
                                      {0.0249, -30.9, 32.7, -1.52, 0},
                                      {0.0126, -8.5, 7.71, -0.115, 0},
                                      {0.0248, -9.13, 5.34, -0.701, 0},
                                      {0.0127, -9.68, 10.6, 0.389, 0},
                                      {0.0121, -7.09, 3.77, -0.475, 0},
                                      {0.026, -40.6, 47, 0.217, 0}};
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> soluteDist(1, 21);
  std::uniform_real_distribution<double> logc(-5, -1);
  int checked = 0;
  for (int n = 0; n < 3000; ++n) {
    const int k = soluteDist(rng);
    if (k == 8) continue;  // the species model reads it
    const float c = static_cast<float>(std::pow(10.0, logc(rng)));
    Workbench wb = started();
    setSolutes(wb, k, k);
    wb.setEntryText(model::Concentration1, num::formatSingle(c, "0.000000E+00"));
    const float cr = *num::readSingle(wb.entryText(model::Concentration1));
    wb.updateMeters();
    const double* a = kCoef[k];
    float l = static_cast<float>(a[0]);
    l = static_cast<float>(l + static_cast<float>(a[1]) * std::sqrt(static_cast<double>(cr)) / 1000);
    l = static_cast<float>(l + static_cast<double>(cr) * static_cast<float>(a[2]) / 1000);
    l = static_cast<float>(l + std::cbrt(static_cast<double>(cr)) * static_cast<float>(a[3]) / 1000);
    l = static_cast<float>(l + static_cast<double>(cr) * cr * static_cast<float>(a[4]));
    const double sigma = static_cast<float>(static_cast<double>(l) * cr * 1000);
    // Truncate to three significant digits in mS·m-1 units.
    const double digits = std::floor(std::log10(std::floor(sigma * 1e9)));
    const double truncated = std::floor(sigma * 1e9 / std::pow(10, digits - 2)) * std::pow(10, digits - 2) / 1e6;
    if (!(sigma < 1)) continue;
    EXPECT_EQ(wb.display(model::Meter::Conductimeter, 1), num::trim(num::format(truncated, "# ##0.0##")))
        << "solute " << k << " c " << cr;
    ++checked;
  }
  EXPECT_GT(checked, 2400);
}
