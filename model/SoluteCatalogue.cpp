// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/SoluteCatalogue.h"

#include "platform/core/TextMark.h"

namespace velmira::model {

namespace {

FormulaPiece B(std::string_view t) { return {PieceKind::Base, t, {}}; }
FormulaPiece Q(std::string_view t) { return {PieceKind::Charge, t, {}}; }
FormulaPiece N(std::string_view t) { return {PieceKind::Count, t, {}}; }
FormulaPiece S(std::string_view count, std::string_view charge) { return {PieceKind::Stacked, count, charge}; }

// Catalogue order: formula, ions, family, then a1 in S·m²/mol and a2..a5
// as the law takes them, and whether the species model reads the solute
// instead (sulfuric acid, for its second acidity, and the solutes after 21).
const std::vector<Solute>& catalogue() {
  static const std::vector<Solute> c = {
      {{B("Al"), Q("3+"), B(" + 3Cl"), Q("-")},
       Cation::Aluminium,
       1,
       Anion::Chloride,
       Family::Salt,
       {0.0415f, -162.f, 445.f, 1.15f, -1.07f},
       false},
      {{B("Al"), Q("3+"), B(" + 3I"), Q("-")},
       Cation::Aluminium,
       1,
       Anion::Iodide,
       Family::Salt,
       {0.0415f, -161.f, 446.f, 1.13f, -1.07f},
       false},
      {{B("Al"), Q("3+"), B(" + 3NO"), S("3", "-")},
       Cation::Aluminium,
       1,
       Anion::Nitrate,
       Family::Salt,
       {0.0400f, -160.f, 433.f, 0.f, -1.07f},
       false},
      {{B("2Al"), Q("3+"), B(" + 3SO"), S("4", "2-")},
       Cation::Aluminium,
       2,
       Anion::Sulfate,
       Family::Salt,
       {0.085f, -351.f, 984.f, 3.5f, -2.14f},
       false},
      {{B("H"), N("3"), B("O"), Q("+"), B(" + Cl"), Q("-")},
       Cation::Hydronium,
       1,
       Anion::Chloride,
       Family::Acid,
       {0.0426f, -14.87f, 13.64f, -0.327f, 0.f},
       false},
      {{B("H"), N("3"), B("O"), Q("+"), B(" + I"), Q("-")},
       Cation::Hydronium,
       1,
       Anion::Iodide,
       Family::Acid,
       {0.0426f, -14.f, 14.2f, -0.502f, 0.f},
       false},
      {{B("H"), N("3"), B("O"), Q("+"), B(" + NO"), S("3", "-")},
       Cation::Hydronium,
       1,
       Anion::Nitrate,
       Family::Acid,
       {0.0421f, -4.6f, 1.36f, -4.94f, 0.f},
       false},
      {{B("2H"), N("3"), B("O"), Q("+"), B(" + SO"), S("4", "2-")},
       Cation::Hydronium,
       2,
       Anion::Sulfate,
       Family::Acid,
       {},
       true},
      {{B("K"), Q("+"), B(" + Cl"), Q("-")},
       Cation::Potassium,
       1,
       Anion::Chloride,
       Family::Salt,
       {0.015f, -9.53f, 9.25f, -0.00251f, 0.f},
       false},
      {{B("K"), Q("+"), B(" + HO"), Q("-")},
       Cation::Potassium,
       1,
       Anion::Hydroxide,
       Family::Base,
       {0.0272f, -10.2f, 6.88f, -0.589f, 0.f},
       false},
      {{B("K"), Q("+"), B(" + I"), Q("-")},
       Cation::Potassium,
       1,
       Anion::Iodide,
       Family::Salt,
       {0.015f, -9.51f, 9.67f, -0.00731f, 0.f},
       false},
      {{B("K"), Q("+"), B(" + NO"), S("3", "-")},
       Cation::Potassium,
       1,
       Anion::Nitrate,
       Family::Salt,
       {0.0145f, -8.92f, 5.31f, -0.385f, 0.f},
       false},
      {{B("2K"), Q("+"), B(" + SO"), S("4", "2-")},
       Cation::Potassium,
       2,
       Anion::Sulfate,
       Family::Salt,
       {0.0306f, -42.7f, 50.f, 0.442f, 0.f},
       false},
      {{B("Mg"), Q("2+"), B(" + 2Cl"), Q("-")},
       Cation::Magnesium,
       1,
       Anion::Chloride,
       Family::Salt,
       {0.0259f, -32.1f, 40.6f, -0.751f, 0.f},
       false},
      {{B("Mg"), Q("2+"), B(" + 2I"), Q("-")},
       Cation::Magnesium,
       1,
       Anion::Iodide,
       Family::Salt,
       {0.0261f, -34.5f, 46.4f, 0.257f, 0.f},
       false},
      {{B("Mg"), Q("2+"), B(" + 2NO"), S("3", "-")},
       Cation::Magnesium,
       1,
       Anion::Nitrate,
       Family::Salt,
       {0.0249f, -30.9f, 32.7f, -1.52f, 0.f},
       false},
      {{B("Na"), Q("+"), B(" + Cl"), Q("-")},
       Cation::Sodium,
       1,
       Anion::Chloride,
       Family::Salt,
       {0.0126f, -8.5f, 7.71f, -0.115f, 0.f},
       false},
      {{B("Na"), Q("+"), B(" + HO"), Q("-")},
       Cation::Sodium,
       1,
       Anion::Hydroxide,
       Family::Base,
       {0.0248f, -9.13f, 5.34f, -0.701f, 0.f},
       false},
      {{B("Na"), Q("+"), B(" + I"), Q("-")},
       Cation::Sodium,
       1,
       Anion::Iodide,
       Family::Salt,
       {0.0127f, -9.68f, 10.6f, 0.389f, 0.f},
       false},
      {{B("Na"), Q("+"), B(" + NO"), S("3", "-")},
       Cation::Sodium,
       1,
       Anion::Nitrate,
       Family::Salt,
       {0.0121f, -7.09f, 3.77f, -0.475f, 0.f},
       false},
      {{B("2Na"), Q("+"), B(" + SO"), S("4", "2-")},
       Cation::Sodium,
       2,
       Anion::Sulfate,
       Family::Salt,
       {0.026f, -40.6f, 47.f, 0.217f, 0.f},
       false},
      {{B("CH"), N("3"), B("COOH")}, Cation::Hydronium, 1, Anion::Acetate, Family::Acid, {}, true},
      {{B("Na"), Q("+"), B(" + CH"), N("3"), B("COO"), Q("-")},
       Cation::Sodium,
       1,
       Anion::Acetate,
       Family::Salt,
       {},
       true},
      {{B("NH"), N("3")}, Cation::Ammonium, 1, Anion::None, Family::Base, {}, true},
      {{B("NH"), S("4", "+"), B(" + Cl"), Q("-")}, Cation::Ammonium, 1, Anion::Chloride, Family::Salt, {}, true},
      {{B("Ag"), Q("+"), B(" + NO"), S("3", "-")}, Cation::Silver, 1, Anion::Nitrate, Family::Salt, {}, true},
      {{B("Ba"), Q("2+"), B(" + 2Cl"), Q("-")}, Cation::Barium, 1, Anion::Chloride, Family::Salt, {}, true},
  };
  return c;
}

}  // namespace

bool isAcid(int k) {
  const Solute* s = solute(k);
  return s && s->family == Family::Acid;
}

bool isBase(int k) {
  const Solute* s = solute(k);
  return s && s->family == Family::Base;
}

bool usesSpeciesModel(int k) {
  const Solute* s = solute(k);
  return s && s->speciesModel;
}

bool mixtureRefused(int k1, int k2) {
  const Solute* a = solute(k1);
  const Solute* b = solute(k2);
  if (!a || !b) return false;
  auto forms = [](const Solute& x, const Solute& y) {
    const bool hydroxide = y.family == Family::Base;
    return (hydroxide &&
            (x.cation == Cation::Aluminium || x.cation == Cation::Magnesium || x.cation == Cation::Silver)) ||
           (y.anion == Anion::Sulfate && x.cation == Cation::Magnesium);
  };
  return forms(*a, *b) || forms(*b, *a);
}

int saltOf(int acid, int base) {
  const Solute* a = solute(acid);
  const Solute* b = solute(base);
  if (!a || !b) return 0;
  for (int k = 1; k <= kSoluteCount; ++k) {
    const Solute* s = solute(k);
    if (s->family == Family::Salt && s->cation == b->cation && s->anion == a->anion) return k;
  }
  return 0;
}

std::string_view soluteName(int k) {
  // In catalogue order.
  static constexpr std::array<std::string_view, kSoluteCount> names = {
      VELMIRA_TEXT("velmira::msg", "chlorure d'aluminium"),  VELMIRA_TEXT("velmira::msg", "iodure d'aluminium"),
      VELMIRA_TEXT("velmira::msg", "nitrate d'aluminium"),   VELMIRA_TEXT("velmira::msg", "sulfate d'aluminium"),
      VELMIRA_TEXT("velmira::msg", "acide chlorhydrique"),   VELMIRA_TEXT("velmira::msg", "acide iodhydrique"),
      VELMIRA_TEXT("velmira::msg", "acide nitrique"),        VELMIRA_TEXT("velmira::msg", "acide sulfurique"),
      VELMIRA_TEXT("velmira::msg", "chlorure de potassium"), VELMIRA_TEXT("velmira::msg", "hydroxyde de potassium"),
      VELMIRA_TEXT("velmira::msg", "iodure de potassium"),   VELMIRA_TEXT("velmira::msg", "nitrate de potassium"),
      VELMIRA_TEXT("velmira::msg", "sulfate de potassium"),  VELMIRA_TEXT("velmira::msg", "chlorure de magnésium"),
      VELMIRA_TEXT("velmira::msg", "iodure de magnésium"),   VELMIRA_TEXT("velmira::msg", "nitrate de magnésium"),
      VELMIRA_TEXT("velmira::msg", "chlorure de sodium"),    VELMIRA_TEXT("velmira::msg", "hydroxyde de sodium"),
      VELMIRA_TEXT("velmira::msg", "iodure de sodium"),      VELMIRA_TEXT("velmira::msg", "nitrate de sodium"),
      VELMIRA_TEXT("velmira::msg", "sulfate de sodium"),     VELMIRA_TEXT("velmira::msg", "acide éthanoïque"),
      VELMIRA_TEXT("velmira::msg", "éthanoate de sodium"),   VELMIRA_TEXT("velmira::msg", "ammoniac"),
      VELMIRA_TEXT("velmira::msg", "chlorure d'ammonium"),   VELMIRA_TEXT("velmira::msg", "nitrate d'argent"),
      VELMIRA_TEXT("velmira::msg", "chlorure de baryum")};
  if (k < 1 || k > kSoluteCount) return {};
  return names[static_cast<std::size_t>(k - 1)];
}

const Solute* solute(int k) {
  if (k < 1 || k > kSoluteCount) return nullptr;
  return &catalogue()[static_cast<std::size_t>(k - 1)];
}

void fillCoefficients(CoefTable& coefficients) {
  for (auto& row : coefficients) row.fill(0.f);
  for (int k = 1; k <= kSoluteCount; ++k)
    for (int j = 0; j < 5; ++j) coefficients[k][j + 1] = solute(k)->a[j];
}

}  // namespace velmira::model
