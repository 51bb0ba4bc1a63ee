// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The solutes: formula pieces, ions and conductivity-law coefficients.
#include <array>
#include <string_view>
#include <vector>

namespace velmira::model {

inline constexpr int kSoluteCount = 27;
// The first 21 solutes, those every version knows.
inline constexpr int kClassicSoluteCount = 21;

// One piece of a typeset formula.
enum class PieceKind {
  Base,     // base text, base size, on the base line
  Charge,   // raised charge
  Count,    // lowered atom count
  Stacked,  // charge over count, both starting at the same x
};

struct FormulaPiece {
  PieceKind kind;
  std::string_view text;    // base text, charge, or count
  std::string_view charge;  // Stacked only: the charge (text holds the count)
};

enum class Cation { Aluminium, Hydronium, Potassium, Magnesium, Sodium, Ammonium, Silver, Barium };
// None: ammonia, a molecule whose cation forms in water.
enum class Anion { Chloride, Iodide, Nitrate, Sulfate, Hydroxide, Acetate, None };
enum class Family { Salt, Acid, Base };

struct Solute {
  std::vector<FormulaPiece> pieces;
  Cation cation;
  int cationCount;  // cations per formula unit (2 for 2 H3O+ + SO4 2-)
  Anion anion;
  Family family;
  std::array<float, 5> a;  // a1..a5; all zero where the species model reads
  bool speciesModel;       // read through the species model (model/Equilibria), not the law
};

// Solute k (1..kSoluteCount); nullptr for any other number.
const Solute* solute(int k);

// The French name of solute k, as a pupil reads it ("chlorure de
// potassium"); empty for a number outside the catalogue. A text of the
// catalogues (msg::shown gives it in the windows' language).
std::string_view soluteName(int k);

// Coefficient table: rows 0..kSoluteCount, columns 0..5; row 0 and column 0
// stay 0, as do the rows of the solutes the species model reads.
using CoefTable = std::array<std::array<float, 6>, kSoluteCount + 1>;
void fillCoefficients(CoefTable& coefficients);

// Family of solute k; false for a number outside the catalogue.
bool isAcid(int k);
bool isBase(int k);
// Solute k is read through the species model; false outside the catalogue.
bool usesSpeciesModel(int k);

// The mixture of the two solutes is refused: it forms a precipitate the
// species model does not hold. A base (hydroxide or ammonia) meets an
// aluminium, magnesium or silver cation, or a magnesium cation meets sulfate.
bool mixtureRefused(int k1, int k2);

// The salt of an acid's anion with a base's cation; 0 when there is none.
int saltOf(int acid, int base);

}  // namespace velmira::model
