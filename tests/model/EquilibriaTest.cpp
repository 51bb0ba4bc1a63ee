// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "graph/GraphPlot.h"
#include "graph/TwoLineFit.h"
#include "model/Equilibria.h"
#include "model/Workbench.h"
#include "platform/core/NumberText.h"

using namespace velmira;
using model::Composition;
using model::Ion;
using model::Precipitate;
using model::Speciation;

namespace {

double g(int charge, const Speciation& s) { return model::activityCoefficient(charge, s.ionicStrength); }

Speciation of(int k, double c) { return model::speciate(model::soluteComposition(k, c)); }

Speciation mixed(int k1, double c1, int k2, double c2) {
  Composition t = model::soluteComposition(k1, c1);
  return model::speciate(t.add(model::soluteComposition(k2, c2)));
}

// Charges in solution, positive less negative, relative to the positive ones.
double chargeImbalance(const Speciation& s) {
  double positive = 0, negative = 0;
  for (int i = 0; i < model::kIonCount; ++i) {
    const int z = model::ionData(static_cast<Ion>(i)).charge;
    (z > 0 ? positive : negative) += std::abs(z) * s.ions[i];
  }
  return (positive - negative) / positive;
}

// Molar conductivity in S·cm²/mol, as tables give it.
double tabulated(int k, double c) { return model::conductivity(of(k, c)) / (c * 1000) * 1e4; }

}  // namespace

TEST(Speciation, WaterAndNeutralSaltsAreNeutral) {
  const Speciation water = model::speciate({});
  EXPECT_NEAR(water[Ion::Hydronium], 1e-7, 1e-10);
  EXPECT_NEAR(water[Ion::Hydroxide], 1e-7, 1e-10);
  for (int k : {9, 17, 26, 27}) {
    const Speciation s = of(k, 0.01);
    EXPECT_NEAR(s[Ion::Hydronium] / s[Ion::Hydroxide], 1, 1e-9) << k;
    EXPECT_NEAR(s[Ion::Hydronium] * s[Ion::Hydroxide] * g(1, s) * g(1, s), model::kWaterProduct, 1e-22) << k;
    EXPECT_NEAR(chargeImbalance(s), 0, 1e-12) << k;
  }
  // The ionic strength of a 2:1 salt: 3c.
  EXPECT_NEAR(of(27, 0.01).ionicStrength, 0.03, 1e-6);
}

TEST(Speciation, AceticAcidAndAcetateFollowKa) {
  for (auto [k, c] : {std::pair(22, 0.1), {22, 1e-5}, {23, 0.01}}) {
    const Speciation s = of(k, c);
    const double q = s[Ion::Hydronium] * s[Ion::Acetate] * g(1, s) * g(1, s) / s.aceticAcid;
    EXPECT_NEAR(q / model::kAceticAcidKa, 1, 1e-6) << k << " " << c;
    EXPECT_NEAR(s[Ion::Acetate] + s.aceticAcid, c, 1e-12 * c);
    EXPECT_NEAR(chargeImbalance(s), 0, 1e-9);
  }
  // Weak: 0.1 mol/L acetic acid is about 1.3 % dissociated, pH near 2.9; the
  // acetate ion makes its solution basic.
  EXPECT_NEAR(-std::log10(of(22, 0.1)[Ion::Hydronium]), 2.87, 0.03);
  EXPECT_GT(of(23, 0.01)[Ion::Hydroxide], 1e-6);
}

TEST(Speciation, AmmoniaAndAmmoniumFollowPKa) {
  const double ka = std::pow(10.0, -model::kAmmoniumPKa);
  for (auto [k, c] : {std::pair(24, 0.1), {24, 1e-5}, {25, 0.01}}) {
    const Speciation s = of(k, c);
    EXPECT_NEAR(s.ammonia * s[Ion::Hydronium] / s[Ion::Ammonium] / ka, 1, 1e-6) << k;
    EXPECT_NEAR(s.ammonia + s[Ion::Ammonium], c, 1e-12 * c);
    EXPECT_NEAR(chargeImbalance(s), 0, 1e-9);
  }
  EXPECT_NEAR(-std::log10(of(24, 0.1)[Ion::Hydronium]), 11.1, 0.05);
  EXPECT_NEAR(-std::log10(of(25, 0.1)[Ion::Hydronium]), 5.1, 0.05);
}

TEST(Speciation, SulfuricAcidKeepsItsSecondAcidity) {
  for (double c : {1e-5, 0.005, 0.1}) {
    const Speciation s = of(8, c);
    const double q = s[Ion::Hydronium] * s[Ion::Sulfate] * g(2, s) / s[Ion::HydrogenSulfate];
    EXPECT_NEAR(q / model::kHydrogenSulfateKa, 1, 1e-6) << c;
    EXPECT_NEAR(s[Ion::Sulfate] + s[Ion::HydrogenSulfate], c, 1e-12 * c);
    EXPECT_NEAR(chargeImbalance(s), 0, 1e-9);
  }
  // Dilute, both protons are given; at 0.1 mol/L most sulfate is HSO4-.
  EXPECT_GT(of(8, 1e-5)[Ion::Sulfate] / 1e-5, 0.99);
  EXPECT_GT(of(8, 0.1)[Ion::HydrogenSulfate], of(8, 0.1)[Ion::Sulfate]);
}

TEST(Speciation, EachPrecipitateHoldsItsIonsAtKs) {
  struct Case {
    int salt;
    double c;
    int precipitant;
    Precipitate solid;
    Ion cation, anion;
    int cations;  // per formula unit
    double ks;
  };
  const Case cases[] = {
      {17, 0.005, 26, Precipitate::SilverChloride, Ion::Silver, Ion::Chloride, 1, model::kSilverChlorideKs},
      {19, 0.005, 26, Precipitate::SilverIodide, Ion::Silver, Ion::Iodide, 1, model::kSilverIodideKs},
      {21, 0.05, 26, Precipitate::SilverSulfate, Ion::Silver, Ion::Sulfate, 2, model::kSilverSulfateKs},
      {21, 0.005, 27, Precipitate::BariumSulfate, Ion::Barium, Ion::Sulfate, 1, model::kBariumSulfateKs},
      {8, 0.005, 27, Precipitate::BariumSulfate, Ion::Barium, Ion::Sulfate, 1, model::kBariumSulfateKs},
  };
  for (const Case& t : cases) {
    const double precipitant =
        t.precipitant == 26 ? 2 * t.c * (t.solid == Precipitate::SilverSulfate ? 1.0 : 0.6) : 0.8 * t.c;
    const Speciation s = mixed(t.salt, t.c, t.precipitant, precipitant);
    const int zc = model::ionData(t.cation).charge, za = -model::ionData(t.anion).charge;
    const double q = std::pow(s[t.cation] * g(zc, s), t.cations) * s[t.anion] * g(za, s);
    EXPECT_NEAR(q / t.ks, 1, 1e-6) << model::precipitateFormula(t.solid);
    EXPECT_GT(s.solid(t.solid), 0);
    EXPECT_TRUE(s.holdsPrecipitate());
    for (int p = 0; p < model::kPrecipitateCount; ++p) {
      if (static_cast<Precipitate>(p) != t.solid) {
        EXPECT_EQ(s.solids[p], 0) << model::precipitateFormula(t.solid);
      }
    }
    // The cation's mass balance.
    const Composition start = model::soluteComposition(t.precipitant, precipitant);
    const double total = t.cation == Ion::Silver ? start.silver : start.barium;
    EXPECT_NEAR(s[t.cation] + t.cations * s.solid(t.solid), total, 1e-12);
    EXPECT_NEAR(chargeImbalance(s), 0, 1e-9);
  }
  // Below saturation nothing precipitates.
  EXPECT_FALSE(mixed(17, 1e-5, 26, 1e-5).holdsPrecipitate());
  EXPECT_FALSE(mixed(21, 0.001, 26, 0.002).holdsPrecipitate());
  EXPECT_FALSE(of(26, 0.1).holdsPrecipitate());
  // Silver iodide, far less soluble, takes the silver before the chloride.
  Composition both = model::soluteComposition(17, 0.01);
  both.add(model::soluteComposition(19, 0.01)).add(model::soluteComposition(26, 0.015));
  const Speciation s = model::speciate(both);
  EXPECT_NEAR(s.solid(Precipitate::SilverIodide), 0.01, 1e-8);
  EXPECT_NEAR(s.solid(Precipitate::SilverChloride), 0.005, 1e-6);
}

TEST(Speciation, MolarConductivitiesMeetTheTabulatedValues) {
  // Λ in S·cm²/mol at 25 °C (per formula unit) and the tolerance.
  struct Reference {
    int k;
    double c, lambda, tolerance;
  };
  const Reference references[] = {
      {22, 0.00103, 48.1, 0.03}, {22, 0.00984, 16.4, 0.03}, {22, 0.1, 5.2, 0.03},      {23, 0.001, 88.5, 0.03},
      {23, 0.01, 83.7, 0.03},    {23, 0.1, 72.8, 0.03},     {25, 0.01, 141.2, 0.03},   {26, 0.001, 130.5, 0.03},
      {26, 0.01, 124.7, 0.03},   {26, 0.1, 109.1, 0.03},    {27, 0.0005, 268.5, 0.03}, {27, 0.005, 247.9, 0.03},
      {8, 0.0005, 799, 0.05},    {8, 0.0025, 730, 0.05},    {8, 0.005, 673, 0.05},     {8, 0.025, 545, 0.05},
  };
  for (const Reference& r : references)
    EXPECT_NEAR(tabulated(r.k, r.c) / r.lambda, 1, r.tolerance) << r.k << " at " << r.c;
}

TEST(Speciation, SulfuricAcidNeverExceedsItsLimitingConductivity) {
  const double limiting =
      (2 * model::ionData(Ion::Hydronium).limitingConductivity + model::ionData(Ion::Sulfate).limitingConductivity) *
      10;  // S·cm²/mol
  double previous = limiting;
  for (double logc = -5; logc <= -1 + 1e-9; logc += 0.05) {
    const double lambda = tabulated(8, std::pow(10.0, logc));
    EXPECT_LE(lambda, limiting) << logc;
    EXPECT_LE(lambda, previous) << logc;  // and falls as the acid gets stronger
    previous = lambda;
  }
}

TEST(Speciation, AmmoniaReadsNearItsIdealSpeciation) {
  const double kb = model::kWaterProduct / std::pow(10.0, -model::kAmmoniumPKa);
  const double limiting =
      model::ionData(Ion::Ammonium).limitingConductivity + model::ionData(Ion::Hydroxide).limitingConductivity;
  for (double c : {0.001, 0.01, 0.1}) {
    const double ions = (-kb + std::sqrt(kb * kb + 4 * kb * c)) / 2;
    const double ideal = ions * 1000 * limiting / 1000;  // S/m
    EXPECT_NEAR(model::conductivity(of(24, c)) / ideal, 1, 0.05) << c;
  }
}

TEST(Speciation, IonConductivityFallsWithIonicStrength) {
  for (int i = 0; i < model::kIonCount; ++i) {
    const Ion ion = static_cast<Ion>(i);
    EXPECT_DOUBLE_EQ(model::ionConductivity(ion, 0), model::ionData(ion).limitingConductivity / 1000);
    EXPECT_LT(model::ionConductivity(ion, 0.1), model::ionConductivity(ion, 0.01));
  }
}

TEST(Speciation, MendedAluminiumNitrateAgreesWithKohlrausch) {
  const model::Solute* nitrate = model::solute(3);
  const double additive = model::solute(1)->a[0] - 3 * (model::solute(5)->a[0] - model::solute(7)->a[0]);
  EXPECT_NEAR(nitrate->a[0], additive, 1e-4);
  const double ions =
      (model::ionData(Ion::Aluminium).limitingConductivity + 3 * model::ionData(Ion::Nitrate).limitingConductivity) /
      1000;
  EXPECT_NEAR(nitrate->a[0] / ions, 1, 0.01);
}

// Every pair of solutes at concentrations over the entry's range, diluted
// in every proportion: each solve ends with finite values and keeps its
// balances.
TEST(Speciation, EverySolveIsFiniteAndBalanced) {
  std::mt19937 rng(33);
  std::uniform_int_distribution<int> soluteDist(1, model::kSoluteCount);
  std::uniform_real_distribution<double> logc(-5, -1), share(0, 1);
  for (int n = 0; n < 4000; ++n) {
    const int k1 = soluteDist(rng), k2 = soluteDist(rng);
    const double f = n % 10 == 0 ? (n % 20 == 0 ? 0.0 : 1.0) : share(rng);
    const double c1 = std::pow(10.0, logc(rng)) * f, c2 = std::pow(10.0, logc(rng)) * (1 - f);
    const Speciation s = mixed(k1, c1, k2, c2);
    bool finite = std::isfinite(s.ionicStrength) && std::isfinite(s.aceticAcid) && std::isfinite(s.ammonia);
    for (double x : s.ions) finite = finite && std::isfinite(x) && x >= 0;
    for (double x : s.solids) finite = finite && std::isfinite(x) && x >= 0;
    const double sigma = model::conductivity(s);
    ASSERT_TRUE(finite && std::isfinite(sigma) && sigma > 0) << k1 << " " << c1 << " " << k2 << " " << c2;
    EXPECT_NEAR(chargeImbalance(s), 0, 1e-8) << k1 << " " << c1 << " " << k2 << " " << c2;
    const Composition t = model::soluteComposition(k1, c1).add(model::soluteComposition(k2, c2));
    const double scale = 1e-10 * (t.chloride + t.iodide + t.sulfate + t.silver + t.barium) + 1e-300;
    EXPECT_NEAR(s[Ion::Chloride] + s.solid(Precipitate::SilverChloride), t.chloride, scale);
    EXPECT_NEAR(s[Ion::Iodide] + s.solid(Precipitate::SilverIodide), t.iodide, scale);
    EXPECT_NEAR(s[Ion::Barium] + s.solid(Precipitate::BariumSulfate), t.barium, scale);
    EXPECT_NEAR(s[Ion::Silver] + s.solid(Precipitate::SilverChloride) + s.solid(Precipitate::SilverIodide) +
                    2 * s.solid(Precipitate::SilverSulfate),
                t.silver, scale);
    EXPECT_NEAR(s[Ion::Sulfate] + s[Ion::HydrogenSulfate] + s.solid(Precipitate::SilverSulfate) +
                    s.solid(Precipitate::BariumSulfate),
                t.sulfate, scale);
  }
  // Whatever a caller passes: negative, infinite or not a number counts as none.
  Composition odd;
  odd.sodium = -1;
  odd.chloride = std::numeric_limits<double>::infinity();
  odd.silver = std::numeric_limits<double>::quiet_NaN();
  const Speciation s = model::speciate(odd);
  EXPECT_NEAR(s[Ion::Hydronium], 1e-7, 1e-10);
  EXPECT_TRUE(std::isfinite(model::conductivity(s)));
  odd.sulfate = std::numeric_limits<double>::max();
  odd.barium = std::numeric_limits<double>::max();
  EXPECT_TRUE(std::isfinite(model::conductivity(model::speciate(odd))));
}

// --- The workbench ----------------------------------------------------------

namespace {

model::Workbench bench(int k1, const char* c1, int k2, const char* c2) {
  model::Workbench wb;
  wb.startupDefaults();
  wb.setSoluteTag(0, num::format(k1, "0"));
  wb.setSoluteTag(1, num::format(k2, "0"));
  wb.setEntryText(model::Concentration1, c1);
  wb.setEntryText(model::Concentration2, c2);
  wb.updateMeters();
  return wb;
}

// The titration on the mixture bench: V1 = 100 mL, V2 from 0 to 20 mL by
// 1 mL; σ' = σ·(V1 + V2)/V1 against V2; the two lines fitted on the points
// from V2 = 2 mL.
graph::TwoLineFit titration(int k1, const char* c1, int k2, const char* c2) {
  model::Workbench wb = bench(k1, c1, k2, c2);
  wb.setEntryText(model::Volume1, "100");
  std::vector<graph::PlottedPoint> points;
  for (int v2 = 0; v2 <= 20; ++v2) {
    wb.setEntryText(model::Volume2, num::format(v2, "0"));
    wb.updateMeters();
    EXPECT_TRUE(wb.mixturePossible());
    const double corrected = wb.conductivity(3) * (100.0 + v2) / 100;
    if (v2 >= 2) points.push_back({v2 + 1, static_cast<float>(v2), static_cast<float>(corrected), {}});
  }
  return graph::fitTwoLines(points);
}

}  // namespace

TEST(SpeciesBench, TitrationsFindTheirEquivalence) {
  struct Case {
    int k1;
    const char* c1;
    int k2;
    const char* c2;
  };
  for (const Case& t : {Case{22, "0,01", 18, "0,1"},  // acetic acid by soda
                        Case{24, "0,01", 5, "0,1"},   // ammonia by hydrochloric acid
                        Case{17, "0,01", 26, "0,1"},  // chloride ions by silver nitrate
                        Case{21, "0,005", 27, "0,05"}}) {
    const graph::TwoLineFit fit = titration(t.k1, t.c1, t.k2, t.c2);
    ASSERT_TRUE(fit.possible && fit.crossing) << t.k1;
    EXPECT_NEAR(fit.x, 10, 0.1) << t.k1 << " by " << t.k2;
  }
}

TEST(SpeciesBench, MixtureBenchTellsItsPrecipitate) {
  model::Workbench wb = bench(17, "0,01", 26, "0,1");
  wb.setEntryText(model::Volume1, "100");
  wb.setEntryText(model::Volume2, "0");
  wb.updateMeters();
  EXPECT_FALSE(wb.mixtureHoldsPrecipitate());
  wb.setEntryText(model::Volume2, "5");
  wb.updateMeters();
  EXPECT_TRUE(wb.mixtureHoldsPrecipitate());
  EXPECT_TRUE(wb.mixtureHolds(Precipitate::SilverChloride));
  EXPECT_FALSE(wb.mixtureHolds(Precipitate::BariumSulfate));
  EXPECT_FALSE(wb.precipitateNotice());
  // Barium with sulfuric acid: barium sulfate.
  wb = bench(8, "0,01", 27, "0,01");
  EXPECT_TRUE(wb.mixtureHolds(Precipitate::BariumSulfate));
  // A refused mixture holds nothing the bench shows, and reads nothing.
  wb = bench(26, "0,01", 18, "0,01");
  EXPECT_FALSE(wb.mixturePossible());
  EXPECT_TRUE(wb.precipitateNotice());
  EXPECT_FALSE(wb.mixtureHoldsPrecipitate());
  EXPECT_EQ(wb.conductivity(3), 0);
  EXPECT_EQ(wb.display(model::Meter::Conductimeter, 3), "");
}

TEST(SpeciesBench, RefusesThePrecipitatesTheModelDoesNotHold) {
  // The mixing rule of the first 21, as it was written.
  auto refusedBefore = [](int a, int b) {
    const int p = std::min(a, b), q = std::max(a, b);
    return (p <= 4 && (q == 10 || q == 18)) || (p >= 14 && p <= 16 && (q == 18 || q == 21)) ||
           (q >= 14 && q <= 16 && (p == 4 || p == 8 || p == 10 || p == 13));
  };
  for (int a = 1; a <= model::kClassicSoluteCount; ++a)
    for (int b = 1; b <= model::kClassicSoluteCount; ++b) EXPECT_EQ(model::mixtureRefused(a, b), refusedBefore(a, b));
  // Silver with a hydroxide or ammonia; ammonia with aluminium or magnesium.
  for (int base : {10, 18, 24}) EXPECT_TRUE(model::mixtureRefused(26, base)) << base;
  for (int k : {1, 2, 3, 4, 14, 15, 16}) EXPECT_TRUE(model::mixtureRefused(k, 24)) << k;
  // The precipitates it holds, and the reactions, are studied.
  for (auto [a, b] : {std::pair(26, 17),
                      {26, 9},
                      {26, 1},
                      {26, 19},
                      {26, 21},
                      {26, 8},
                      {27, 21},
                      {27, 4},
                      {27, 8},
                      {22, 18},
                      {24, 5},
                      {25, 18},
                      {23, 5},
                      {27, 18},
                      {26, 27}})
    EXPECT_FALSE(model::mixtureRefused(a, b)) << a << " " << b;
}

TEST(SpeciesBench, SolutionAloneReadsAsTheMixtureWithNothingAdded) {
  for (int k = 22; k <= model::kSoluteCount; ++k) {
    for (int other = 1; other <= model::kSoluteCount; ++other) {
      if (model::mixtureRefused(k, other)) continue;
      for (const char* c : {"0,00001", "0,003", "0,1"}) {
        model::Workbench wb = bench(k, c, other, "0,05");
        wb.setEntryText(model::Volume1, "100");
        wb.setEntryText(model::Volume2, "0");
        wb.updateMeters();
        EXPECT_EQ(wb.conductivity(3), wb.conductivity(1)) << k << " " << other << " " << c;
        EXPECT_EQ(wb.display(model::Meter::Conductimeter, 3), wb.display(model::Meter::Conductimeter, 1));
      }
    }
  }
}

TEST(SpeciesBench, SulfuricAcidReadsFromTheSpeciesModel) {
  // 0.005 mol/L: about 336 mS/m from tabulated equivalent conductivities.
  model::Workbench wb = bench(8, "0,005", 8, "0,005");
  EXPECT_NEAR(wb.conductivity(1), 0.336, 0.336 * 0.03);
  // At 0.1 mol/L, measured solutions give about 4.7 S/m.
  wb = bench(8, "0,1", 8, "0,1");
  EXPECT_NEAR(wb.conductivity(1), 4.7, 4.7 * 0.15);
  // With soda at its equivalence: the solution of sodium sulfate.
  wb = bench(8, "0,01", 18, "0,02");
  const double sulfate = model::conductivity(of(21, static_cast<double>(0.01f) / 2));
  EXPECT_NEAR(wb.conductivity(3) / sulfate, 1, 1e-3);
}

// Every pair of solutes with entries drawn over their whole ranges (the
// volumes too): every bench reads a finite conductivity.
TEST(SpeciesBench, EveryEntryGivesAFiniteReading) {
  std::mt19937 rng(27);
  std::uniform_real_distribution<double> logc(-5, -1), volume(0, 250);
  for (int k1 = 1; k1 <= model::kSoluteCount; ++k1) {
    for (int k2 = 1; k2 <= model::kSoluteCount; ++k2) {
      if (!model::usesSpeciesModel(k1) && !model::usesSpeciesModel(k2)) continue;
      for (int n = 0; n < 3; ++n) {
        model::Workbench wb =
            bench(k1, num::formatSingle(static_cast<float>(std::pow(10.0, logc(rng))), "0.0000E+00").c_str(), k2,
                  num::formatSingle(static_cast<float>(std::pow(10.0, logc(rng))), "0.0000E+00").c_str());
        const double v1 = n == 0 ? 0 : volume(rng);
        const double v2 = n == 1 ? 250 - v1 : std::max(60 - v1, volume(rng) * (250 - v1) / 250);
        wb.setEntryText(model::Volume1, num::format(v1, "0.0"));
        wb.setEntryText(model::Volume2, num::format(v2, "0.0"));
        wb.updateMeters();
        for (int b = 1; b <= model::kBenches; ++b) {
          EXPECT_TRUE(std::isfinite(wb.conductivity(b)) && wb.conductivity(b) >= 0) << k1 << " " << k2 << " " << b;
          EXPECT_EQ(wb.display(model::Meter::Conductimeter, b).find("nan"), std::string::npos);
        }
        EXPECT_EQ(wb.conductivity(3) > 0, wb.mixturePossible()) << k1 << " " << k2;
      }
    }
  }
}
