#pragma once
// The 21 solutes: formula pieces and conductivity-law coefficients.
#include <array>
#include <string_view>
#include <vector>

namespace velmira::model {

inline constexpr int kSoluteCount = 21;

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

enum class Cation { Aluminium, Hydronium, Potassium, Magnesium, Sodium };
enum class Anion { Chloride, Iodide, Nitrate, Sulfate, Hydroxide };
enum class Family { Salt, Acid, Base };

struct Solute {
  std::vector<FormulaPiece> pieces;
  Cation cation;
  int cationCount;  // cations per formula unit (2 for 2 H3O+ + SO4 2-)
  Anion anion;
  Family family;
  std::array<float, 5> a;  // a1..a5
};

// Solute k (1..21); nullptr for any other number.
const Solute* solute(int k);

// The French name of solute k, as a pupil reads it ("chlorure de
// potassium"); empty for a number outside the catalogue.
std::string_view soluteName(int k);

// Coefficient table: rows 0..21, columns 0..5; row 0 and column 0 stay 0.
using CoefTable = std::array<std::array<float, 6>, kSoluteCount + 1>;
void fillCoefficients(CoefTable& coefficients);

// Family of solute k; false for a number outside the catalogue.
bool isAcid(int k);
bool isBase(int k);

// The two solutes form a precipitate when mixed: an aluminium or magnesium
// cation meets hydroxide, or a magnesium cation meets sulfate.
bool precipitates(int k1, int k2);

// The salt of an acid's anion with a base's cation; 0 when there is none.
int saltOf(int acid, int base);

}  // namespace velmira::model
