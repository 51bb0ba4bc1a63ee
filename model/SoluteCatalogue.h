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
  std::string_view text;   // base text, charge, or count
  std::string_view charge; // Stacked only: the charge (text holds the count)
};

struct Solute {
  std::vector<FormulaPiece> pieces;
  std::array<float, 5> a;  // a1..a5
};

// Solute k (1..21); nullptr for any other number.
const Solute* solute(int k);

// Coefficient table: rows 0..21, columns 0..5; row 0 and column 0 stay 0.
using CoefTable = std::array<std::array<float, 6>, kSoluteCount + 1>;
void remplitcoefs(CoefTable& coefsolutes);

// Groups tested by number.
inline bool isAluminium(int k) { return k >= 1 && k <= 4; }
inline bool isAcid(int k) { return k >= 5 && k <= 8; }
inline bool isBase(int k) { return k == 10 || k == 18; }
inline bool isMagnesium(int k) { return k >= 14 && k <= 16; }

}  // namespace velmira::model
