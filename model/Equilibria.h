// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The species model: what a solution holds once its equilibria are reached
// (water, acetic acid, ammonium, hydrogen sulfate, four precipitates), and
// the conductivity of what it holds. Every constant of the chemistry at
// 25 °C lives here.
#include <array>
#include <string_view>

namespace velmira::model {

// --- Constants at 25 °C -----------------------------------------------------
inline constexpr double kWaterProduct = 1.0e-14;      // Kw
inline constexpr double kAceticAcidKa = 1.75e-5;      // CH3COOH / CH3COO-
inline constexpr double kAmmoniumPKa = 9.25;          // NH4+ / NH3
inline constexpr double kHydrogenSulfateKa = 1.0e-2;  // HSO4- / SO4 2-
inline constexpr double kSilverChlorideKs = 1.8e-10;  // AgCl
inline constexpr double kSilverIodideKs = 8.5e-17;    // AgI
inline constexpr double kSilverSulfateKs = 1.2e-5;    // Ag2SO4
inline constexpr double kBariumSulfateKs = 1.1e-10;   // BaSO4
inline constexpr double kDebyeHuckelA = 0.509;        // (mol/L)^-1/2, Davies' activity coefficients
inline constexpr double kOnsagerElectrophoretic =
    6.02;  // mS·m²/mol per (mol/L)^1/2, shared by the two ions of a 1:1 salt
inline constexpr double kOnsagerRelaxation = 0.229;  // (mol/L)^-1/2

// Ions a solution may hold.
enum class Ion {
  Hydronium,
  Hydroxide,
  Sodium,
  Potassium,
  Ammonium,
  Silver,
  Barium,
  Magnesium,
  Aluminium,
  Chloride,
  Iodide,
  Nitrate,
  Acetate,
  HydrogenSulfate,
  Sulfate,
};
inline constexpr int kIonCount = 15;

struct IonData {
  int charge;
  double limitingConductivity;  // λ°, mS·m²/mol per mole of ion
};
IonData ionData(Ion ion);
// The ion's formula in plain letters: "H3O+", "SO4 2-".
std::string_view ionFormula(Ion ion);

// Davies' activity coefficient of an ion of that charge at ionic strength I
// (mol/L); 1 for a molecule.
double activityCoefficient(int charge, double ionicStrength);

// Molar conductivity of an ion at ionic strength I (mol/L), in S·m²/mol:
// λ = λ° / (1 + G·√I) with G = (A/2)·z²/λ° + B·|z|, A and B the two terms of
// Onsager's limiting law.
double ionConductivity(Ion ion, double ionicStrength);

enum class Precipitate { SilverChloride, SilverIodide, SilverSulfate, BariumSulfate };
inline constexpr int kPrecipitateCount = 4;
// "chlorure d'argent", "iodure d'argent", "sulfate d'argent", "sulfate de baryum"
// (texts of the catalogues, as soluteName).
std::string_view precipitateName(Precipitate p);
// Its formula as plain text ("AgCl", "Ag2SO4").
std::string_view precipitateFormula(Precipitate p);

// What a solution is made of before its equilibria, in mol/L. Hydronium and
// hydroxide follow from the charge balance: an acid brings only its anion,
// a hydroxide only its cation.
struct Composition {
  double sodium = 0, potassium = 0, magnesium = 0, aluminium = 0, silver = 0, barium = 0;
  double ammonia = 0;  // NH3 + NH4+
  double chloride = 0, iodide = 0, nitrate = 0;
  double acetate = 0;  // CH3COOH + CH3COO-
  double sulfate = 0;  // HSO4- + SO4 2-

  // This composition plus `scale` times `other`.
  Composition& add(const Composition& other, double scale = 1);
};

// Solute k of the catalogue at c mol/L; nothing for a number outside it.
Composition soluteComposition(int k, double c);

struct Speciation {
  std::array<double, kIonCount> ions{};  // mol/L, indexed by Ion
  double aceticAcid = 0, ammonia = 0;    // the neutral molecules, mol/L
  // Precipitated, in mol of solid per litre of solution.
  std::array<double, kPrecipitateCount> solids{};
  double ionicStrength = 0;  // mol/L

  double operator[](Ion ion) const { return ions[static_cast<int>(ion)]; }
  double solid(Precipitate p) const { return solids[static_cast<int>(p)]; }
  bool holdsPrecipitate() const;
};

// The equilibria of a composition: mass balances, the charge balance and
// every constant above, with Davies' activity coefficients. The solves are
// bracketed one-dimensional ones (on [H3O+], on the free silver and the free
// sulfate ions): they always end, and every value is finite and non-negative
// for any finite non-negative composition.
Speciation speciate(const Composition& composition);

// σ = Σ cᵢ·λᵢ, in S/m.
double conductivity(const Speciation& species);

}  // namespace velmira::model
