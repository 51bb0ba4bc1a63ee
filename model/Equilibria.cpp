// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Equilibria.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/SoluteCatalogue.h"
#include "platform/core/TextMark.h"

namespace velmira::model {

namespace {

constexpr std::array<IonData, kIonCount> kIons = {{
    {1, 34.98},   // H3O+
    {-1, 19.86},  // HO-
    {1, 5.01},    // Na+
    {1, 7.35},    // K+
    {1, 7.34},    // NH4+
    {1, 6.19},    // Ag+
    {2, 12.72},   // Ba2+
    {2, 10.61},   // Mg2+
    {3, 18.9},    // Al3+
    {-1, 7.63},   // Cl-
    {-1, 7.68},   // I-
    {-1, 7.14},   // NO3-
    {-1, 4.09},   // CH3COO-
    {-1, 5.2},    // HSO4-
    {-2, 16.0},   // SO4 2-
}};

// Brent's bracketed root of f on [a, b], where f(a) and f(b) do not have the
// same sign: it always ends, within a few ulps of b or after 200 steps.
template <class F>
double bracketedRoot(F f, double a, double b, double fa, double fb) {
  if (fa == 0) return a;
  if (fb == 0) return b;
  double c = b, fc = fb, d = b - a, e = d;
  for (int step = 0; step < 200; ++step) {
    if ((fb > 0) == (fc > 0)) {
      c = a;
      fc = fa;
      d = e = b - a;
    }
    if (std::fabs(fc) < std::fabs(fb)) {
      a = b;
      b = c;
      c = a;
      fa = fb;
      fb = fc;
      fc = fa;
    }
    const double tol = 4 * std::numeric_limits<double>::epsilon() * std::fabs(b) + 1e-300;
    const double m = 0.5 * (c - b);
    if (std::fabs(m) <= tol || fb == 0) return b;
    if (std::fabs(e) >= tol && std::fabs(fa) > std::fabs(fb)) {
      const double s = fb / fa;
      double p, q;
      if (a == c) {
        p = 2 * m * s;
        q = 1 - s;
      } else {
        const double r = fb / fc;
        q = fa / fc;
        p = s * (2 * m * q * (q - r) - (b - a) * (r - 1));
        q = (q - 1) * (r - 1) * (s - 1);
      }
      if (p > 0)
        q = -q;
      else
        p = -p;
      if (2 * p < std::min(3 * m * q - std::fabs(tol * q), std::fabs(e * q))) {
        e = d;
        d = p / q;
      } else {
        d = e = m;
      }
    } else {
      d = e = m;
    }
    a = b;
    fa = fb;
    b += std::fabs(d) > tol ? d : (m > 0 ? tol : -tol);
    fb = f(b);
  }
  return b;
}

// The constants in concentrations at ionic strength I (Davies' activity
// coefficients of ions of charge 1 and 2; a molecule's is 1).
struct Conditional {
  double water, aceticAcid, ammonium, hydrogenSulfate;
  double silverChloride, silverIodide, silverSulfate, bariumSulfate;
};

Conditional conditional(double ionicStrength) {
  const double g1 = activityCoefficient(1, ionicStrength);
  const double g2 = activityCoefficient(2, ionicStrength);
  return {kWaterProduct / (g1 * g1),         kAceticAcidKa / (g1 * g1),
          std::pow(10.0, -kAmmoniumPKa),  // NH4+ and H3O+ carry the same charge
          kHydrogenSulfateKa / g2,        // HSO4- and H3O+ likewise
          kSilverChlorideKs / (g1 * g1),     kSilverIodideKs / (g1 * g1),
          kSilverSulfateKs / (g1 * g1 * g2), kBariumSulfateKs / (g2 * g2)};
}

// The free ions and the solids of a composition at a given [H3O+].
struct Balance {
  double silver = 0, barium = 0, chloride = 0, iodide = 0, sulfate = 0, hydrogenSulfate = 0;
  std::array<double, kPrecipitateCount> solids{};
};

class Solver {
 public:
  Solver(const Composition& t, const Conditional& k) : t_(t), k_(k) {}

  Balance balance(double h) const {
    Balance r;
    const double perFree = 1 + h / k_.hydrogenSulfate;  // dissolved sulfate per free SO4 2-
    double silver = 0;
    if (t_.silver > 0) {
      auto excess = [&](double a) { return silverTaken(a, perFree) - t_.silver; };
      silver = bracketedRoot(excess, 0, t_.silver, -t_.silver, excess(t_.silver));
    }
    r.silver = silver;
    const double sulfate = freeSulfate(silver, perFree);
    r.sulfate = sulfate;
    r.hydrogenSulfate = sulfate * (perFree - 1);
    const double barium = bariumTaken(sulfate);
    // Free ions straight from Ks where a precipitate holds them: a difference
    // of totals would lose their digits.
    r.barium = sulfate > 0 ? std::min(t_.barium, k_.bariumSulfate / sulfate) : t_.barium;
    const double chloride = halideTaken(t_.chloride, k_.silverChloride, silver);
    const double iodide = halideTaken(t_.iodide, k_.silverIodide, silver);
    r.chloride = silver > 0 ? std::min(t_.chloride, k_.silverChloride / silver) : t_.chloride;
    r.iodide = silver > 0 ? std::min(t_.iodide, k_.silverIodide / silver) : t_.iodide;
    r.solids[static_cast<int>(Precipitate::SilverChloride)] = chloride;
    r.solids[static_cast<int>(Precipitate::SilverIodide)] = iodide;
    r.solids[static_cast<int>(Precipitate::SilverSulfate)] = silverSulfate(sulfate, perFree, barium);
    r.solids[static_cast<int>(Precipitate::BariumSulfate)] = barium;
    return r;
  }

  // Positive charges less negative ones, mol/L; increases with h.
  double charge(double h) const {
    const Balance b = balance(h);
    const double positive =
        h + t_.sodium + t_.potassium + ammonium(h) + b.silver + 2 * (b.barium + t_.magnesium) + 3 * t_.aluminium;
    const double negative =
        k_.water / h + b.chloride + b.iodide + t_.nitrate + acetate(h) + b.hydrogenSulfate + 2 * b.sulfate;
    return positive - negative;
  }

  double ammonium(double h) const { return t_.ammonia * h / (h + k_.ammonium); }
  double acetate(double h) const { return t_.acetate * k_.aceticAcid / (k_.aceticAcid + h); }

 private:
  // A halide precipitated with its silver salt, free silver at a.
  static double halideTaken(double total, double ks, double a) { return a > 0 ? std::max(0.0, total - ks / a) : 0.0; }
  double bariumTaken(double s) const { return s > 0 ? std::max(0.0, t_.barium - k_.bariumSulfate / s) : 0.0; }

  // Free sulfate with free silver at a: the sulfate balance with barium
  // sulfate alone, held below silver sulfate's solubility.
  double freeSulfate(double a, double perFree) const {
    if (t_.sulfate <= 0) return 0;
    auto excess = [&](double s) { return s * perFree + bariumTaken(s) - t_.sulfate; };
    const double high = t_.sulfate / perFree;
    const double s = bracketedRoot(excess, 0, high, -t_.sulfate, excess(high));
    if (a <= 0) return s;
    return std::min(s, k_.silverSulfate / (a * a));
  }
  double silverSulfate(double s, double perFree, double barium) const {
    return std::max(0.0, t_.sulfate - s * perFree - barium);
  }
  // Silver free or precipitated with free silver at a; increases with a.
  double silverTaken(double a, double perFree) const {
    const double s = freeSulfate(a, perFree);
    return a + halideTaken(t_.chloride, k_.silverChloride, a) + halideTaken(t_.iodide, k_.silverIodide, a) +
           2 * silverSulfate(s, perFree, bariumTaken(s));
  }

  const Composition& t_;
  Conditional k_;
};

double sumOfCations(const Composition& t) {
  return t.sodium + t.potassium + t.ammonia + t.silver + 2 * (t.barium + t.magnesium) + 3 * t.aluminium;
}
double sumOfAnions(const Composition& t) { return t.chloride + t.iodide + t.nitrate + t.acetate + 2 * t.sulfate; }

// Every part made finite, non-negative and at most kMostConcentrated, far
// beyond any solution, so that no sum can overflow.
constexpr double kMostConcentrated = 1e3;  // mol/L
Composition sanitised(Composition t) {
  for (double* v : {&t.sodium, &t.potassium, &t.magnesium, &t.aluminium, &t.silver, &t.barium, &t.ammonia, &t.chloride,
                    &t.iodide, &t.nitrate, &t.acetate, &t.sulfate})
    *v = *v > 0 && std::isfinite(*v) ? std::min(*v, kMostConcentrated) : 0;
  return t;
}

Speciation speciateAt(const Composition& t, double ionicStrength) {
  const Conditional k = conditional(ionicStrength);
  const Solver solver(t, k);
  // [H3O+] on a logarithmic scale, bracketed so the charge balance changes sign:
  // below, hydroxide alone outweighs every cation; above, hydronium every anion.
  const double low = std::log(k.water / (10 * (1 + sumOfCations(t))));
  const double high = std::log(1 + sumOfAnions(t));
  auto charge = [&](double x) { return solver.charge(std::exp(x)); };
  const double h = std::exp(bracketedRoot(charge, low, high, charge(low), charge(high)));

  const Balance b = solver.balance(h);
  Speciation s;
  auto set = [&](Ion ion, double c) { s.ions[static_cast<int>(ion)] = std::max(0.0, c); };
  set(Ion::Hydronium, h);
  set(Ion::Hydroxide, k.water / h);
  set(Ion::Sodium, t.sodium);
  set(Ion::Potassium, t.potassium);
  set(Ion::Ammonium, solver.ammonium(h));
  set(Ion::Silver, b.silver);
  set(Ion::Barium, b.barium);
  set(Ion::Magnesium, t.magnesium);
  set(Ion::Aluminium, t.aluminium);
  set(Ion::Chloride, b.chloride);
  set(Ion::Iodide, b.iodide);
  set(Ion::Nitrate, t.nitrate);
  set(Ion::Acetate, solver.acetate(h));
  set(Ion::HydrogenSulfate, b.hydrogenSulfate);
  set(Ion::Sulfate, b.sulfate);
  s.ammonia = std::max(0.0, t.ammonia - s[Ion::Ammonium]);
  s.aceticAcid = std::max(0.0, t.acetate - s[Ion::Acetate]);
  for (int p = 0; p < kPrecipitateCount; ++p) s.solids[p] = std::max(0.0, b.solids[p]);
  double strength = 0;
  for (int i = 0; i < kIonCount; ++i) strength += kIons[i].charge * kIons[i].charge * s.ions[i];
  s.ionicStrength = strength / 2;
  return s;
}

}  // namespace

IonData ionData(Ion ion) { return kIons[static_cast<int>(ion)]; }

std::string_view ionFormula(Ion ion) {
  static constexpr std::array<std::string_view, kIonCount> kFormulas = {"H3O+", "HO-",  "Na+",     "K+",    "NH4+",
                                                                        "Ag+",  "Ba2+", "Mg2+",    "Al3+",  "Cl-",
                                                                        "I-",   "NO3-", "CH3COO-", "HSO4-", "SO4 2-"};
  return kFormulas[static_cast<int>(ion)];
}

double activityCoefficient(int charge, double ionicStrength) {
  const double r = std::sqrt(ionicStrength);
  return std::pow(10.0, -kDebyeHuckelA * charge * charge * (r / (1 + r) - 0.3 * ionicStrength));
}

double ionConductivity(Ion ion, double ionicStrength) {
  const IonData d = ionData(ion);
  const double z = std::abs(d.charge);
  const double g = kOnsagerElectrophoretic / 2 * z * z / d.limitingConductivity + kOnsagerRelaxation * z;
  return d.limitingConductivity / 1000 / (1 + g * std::sqrt(std::max(0.0, ionicStrength)));
}

std::string_view precipitateName(Precipitate p) {
  static constexpr std::array<std::string_view, kPrecipitateCount> names = {
      VELMIRA_TEXT("velmira::msg", "chlorure d'argent"), VELMIRA_TEXT("velmira::msg", "iodure d'argent"),
      VELMIRA_TEXT("velmira::msg", "sulfate d'argent"), VELMIRA_TEXT("velmira::msg", "sulfate de baryum")};
  return names[static_cast<int>(p)];
}

std::string_view precipitateFormula(Precipitate p) {
  static constexpr std::array<std::string_view, kPrecipitateCount> formulas = {"AgCl", "AgI", "Ag2SO4", "BaSO4"};
  return formulas[static_cast<int>(p)];
}

Composition& Composition::add(const Composition& o, double scale) {
  sodium += scale * o.sodium;
  potassium += scale * o.potassium;
  magnesium += scale * o.magnesium;
  aluminium += scale * o.aluminium;
  silver += scale * o.silver;
  barium += scale * o.barium;
  ammonia += scale * o.ammonia;
  chloride += scale * o.chloride;
  iodide += scale * o.iodide;
  nitrate += scale * o.nitrate;
  acetate += scale * o.acetate;
  sulfate += scale * o.sulfate;
  return *this;
}

Composition soluteComposition(int k, double c) {
  Composition t;
  const Solute* s = solute(k);
  if (!s) return t;
  const double cations = s->cationCount * c;
  int charge = 0;
  switch (s->cation) {
    case Cation::Aluminium:
      t.aluminium = cations;
      charge = 3;
      break;
    case Cation::Hydronium:  // from the charge balance
      charge = 1;
      break;
    case Cation::Potassium:
      t.potassium = cations;
      charge = 1;
      break;
    case Cation::Magnesium:
      t.magnesium = cations;
      charge = 2;
      break;
    case Cation::Sodium:
      t.sodium = cations;
      charge = 1;
      break;
    case Cation::Ammonium:
      t.ammonia = cations;
      charge = 1;
      break;
    case Cation::Silver:
      t.silver = cations;
      charge = 1;
      break;
    case Cation::Barium:
      t.barium = cations;
      charge = 2;
      break;
  }
  const double charges = cations * charge;
  switch (s->anion) {
    case Anion::Chloride:
      t.chloride = charges;
      break;
    case Anion::Iodide:
      t.iodide = charges;
      break;
    case Anion::Nitrate:
      t.nitrate = charges;
      break;
    case Anion::Sulfate:
      t.sulfate = charges / 2;
      break;
    case Anion::Acetate:
      t.acetate = charges;
      break;
    case Anion::Hydroxide:  // from the charge balance
    case Anion::None:
      break;
  }
  return t;
}

bool Speciation::holdsPrecipitate() const {
  return std::any_of(solids.begin(), solids.end(), [](double x) { return x > 0; });
}

Speciation speciate(const Composition& composition) {
  const Composition t = sanitised(composition);
  // The ionic strength is a fixed point: the activities depend on it and it
  // on the ions; a few rounds settle it.
  Speciation s = speciateAt(t, 0);
  for (int round = 0; round < 50; ++round) {
    const double before = s.ionicStrength;
    s = speciateAt(t, before);
    if (std::fabs(s.ionicStrength - before) <= 1e-12 * before) break;
  }
  return s;
}

double conductivity(const Speciation& species) {
  double sigma = 0;
  for (int i = 0; i < kIonCount; ++i)
    sigma += species.ions[i] * 1000 * ionConductivity(static_cast<Ion>(i), species.ionicStrength);
  return sigma;
}

}  // namespace velmira::model
