// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Workbench.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

#include "model/EntryRules.h"
#include "model/Knob.h"
#include "model/Tolerance.h"
#include "platform/core/NumberText.h"

namespace velmira::model {

namespace {

constexpr const char* kMaskConductimeter = "# ##0.0##";

constexpr std::array<const char*, kEntries> kDefaultEntries = {"0,01", "0,01", "1,0", "1,0", "50,0", "50,0"};

// Selects button i of a group of `size` buttons, deselecting the others.
template <std::size_t N>
void selectInGroup(std::array<bool, N>& group, int i, int size, bool on) {
  if (!on) {
    group[i] = false;
    return;
  }
  const int first = i / size * size;
  for (int j = first; j < first + size; ++j) group[j] = (j == i);
}

template <std::size_t N>
int selectedIn(const std::array<bool, N>& group, int bench, int size) {
  for (int j = 0; j < size; ++j)
    if (group[(bench - 1) * size + j]) return j;
  return -1;
}

}  // namespace

float molarConductivity(const CoefTable& coefs, int k, float c) {
  const auto& a = coefs[k];
  const double cd = c;
  float l = a[1];
  l = static_cast<float>(l + a[2] * std::sqrt(cd) / 1000);
  l = static_cast<float>(l + cd * a[3] / 1000);
  l = static_cast<float>(l + std::pow(cd, 1.0 / 3.0) * a[4] / 1000);
  l = static_cast<float>(l + cd * cd * a[5]);
  return l;
}

double molarConductivityDouble(const CoefTable& coefs, int k, double c) {
  const auto& a = coefs[k];
  double l = a[1];
  l += a[2] * std::sqrt(c) / 1000;
  l += c * a[3] / 1000;
  l += std::pow(c, 1.0 / 3.0) * a[4] / 1000;
  l += c * c * a[5];
  return l;
}

double threeSignificantDigits(double x) {
  if (!std::isfinite(x)) return x;
  // n written as a plain decimal integer: its first three digits and its length.
  const double n = std::floor(std::fabs(x) * 1000000000.0);
  double head;
  int length;
  if (n < 1e18) {
    auto i = static_cast<std::uint64_t>(n);
    length = 1;
    for (std::uint64_t t = i; t >= 10; t /= 10) ++length;
    if (length <= 3) return x;
    std::uint64_t scale = 1;
    for (int k = 3; k < length; ++k) scale *= 10;
    head = static_cast<double>(i / scale);
  } else {
    char buf[400];
    length = std::snprintf(buf, sizeof buf, "%.0f", n);
    head = (buf[0] - '0') * 100 + (buf[1] - '0') * 10 + (buf[2] - '0');
  }
  const double r = head * std::pow(10.0, length - 3) / 1000000000.0;
  return x < 0 ? -r : r;
}

Workbench::Workbench() {
  fillCoefficients(coefficients_);
  for (int i = 0; i < kEntries; ++i) entries_[i] = kDefaultEntries[i];
  for (int i = 0; i < kKnobs; ++i) knobTag_[i] = i % 2 == 0 ? "0.12" : "0.3";
  ionsTag_ = {"1", "1"};
  for (int b = 0; b < kBenches; ++b) {
    conductimeterRanges_[6 * b + 4] = true;
    ammeterCalibres_[4 * b + 1] = true;
    voltmeterCalibres_[4 * b + 1] = true;
  }
}

void Workbench::startupDefaults() {
  for (int i = 0; i < kEntries; ++i) entries_[i] = kDefaultEntries[i];
  for (int i = 0; i < kKnobs; i += 2) knobTag_[i] = "0.12";
  for (int i = 1; i < kKnobs; i += 2) knobTag_[i] = "0.3";
  for (int i = 0; i < kKnobs; ++i) updateVoltmeters();  // each knob is drawn, which refreshes the meters
  ionsTag_ = {"1", "1"};
  updateMeters();
}

int Workbench::soluteOf(int b) const {
  const double v = num::roundHalfEven(num::leadingValue(ionsTag_[b - 1]));
  return v >= 1 && v <= kSoluteCount ? static_cast<int>(v) : 0;
}

float Workbench::entryValue(int i) const {
  auto v = num::readSingle(entries_[i]);
  switch (i) {
    case Concentration1:
    case Concentration2:
      if (concealed(i) && entries_[i] == kHiddenEntryText) return 0;
      return v && *v >= 0 ? *v : correctedValue(*this, i);
    case Distance:
    case Area:
      return v && *v > 0 ? *v : correctedValue(*this, i);
    default: {
      // Two empty volumes would leave nothing in the beaker.
      auto other = num::readSingle(entries_[i == Volume1 ? Volume2 : Volume1]);
      const bool usable = v && *v >= 0 && (*v > 0 || (other && *other > 0));
      return usable ? *v : correctedValue(*this, i);
    }
  }
}

double Workbench::knobValue(int i) const { return num::leading(knobTag_[i]).value; }

void Workbench::setVoltmeterCalibre(int i, bool on) { selectInGroup(voltmeterCalibres_, i, kCalibresPerBench, on); }
void Workbench::setAmmeterCalibre(int i, bool on) { selectInGroup(ammeterCalibres_, i, kCalibresPerBench, on); }
void Workbench::setConductimeterRange(int i, bool on) { selectInGroup(conductimeterRanges_, i, kRangesPerBench, on); }
void Workbench::setGeneratorMontage(bool on) {
  generatorMontage_ = on;
  if (on) conductimeterMontage_ = false;
}
void Workbench::setConductimeterMontage(bool on) {
  conductimeterMontage_ = on;
  if (on) generatorMontage_ = false;
}
const std::string& Workbench::display(Meter meter, int bench) const {
  switch (meter) {
    case Meter::Conductimeter:
      return conductimeters_[bench - 1];
    case Meter::Ammeter:
      return ammeters_[bench - 1];
    default:
      return voltmeters_[bench - 1];
  }
}

int Workbench::selectedRange(int bench) const { return selectedIn(conductimeterRanges_, bench, kRangesPerBench); }
int Workbench::selectedAmmeterCalibre(int bench) const {
  return selectedIn(ammeterCalibres_, bench, kCalibresPerBench);
}
int Workbench::selectedVoltmeterCalibre(int bench) const {
  return selectedIn(voltmeterCalibres_, bench, kCalibresPerBench);
}

std::string Workbench::readingUnit(Meter meter, int bench) const {
  static constexpr const char* kConductimeterUnits[kRangesPerBench] = {"S", "mS", "µS", "S/m", "mS/m", "µS/m"};
  static constexpr const char* kAmmeterUnits[kCalibresPerBench] = {"A", "mA", "mA", "mA"};
  static constexpr const char* kVoltmeterUnits[kCalibresPerBench] = {"V", "V", "mV", "mV"};
  switch (meter) {
    case Meter::Conductimeter: {
      const int j = selectedRange(bench);
      return j >= 0 ? kConductimeterUnits[j] : "";
    }
    case Meter::Ammeter: {
      const int j = selectedAmmeterCalibre(bench);
      return j >= 0 ? kAmmeterUnits[j] : "";
    }
    case Meter::Voltmeter: {
      const int j = selectedVoltmeterCalibre(bench);
      return j >= 0 ? kVoltmeterUnits[j] : "";
    }
  }
  return "";
}

void Workbench::checkMixture() {
  const int a = soluteOf(1), b = soluteOf(2);
  mixturePossible_ = !mixtureRefused(a, b);
  acidBaseReaction_ = (isAcid(a) && isBase(b)) || (isBase(a) && isAcid(b));
}

Workbench::Inputs Workbench::inputs() const {
  return {soluteOf(1),          soluteOf(2),      entryValue(Concentration1), entryValue(Concentration2),
          entryValue(Distance), entryValue(Area), entryValue(Volume1),        entryValue(Volume2)};
}

double Workbench::acidBaseConductivity() const { return acidBaseConductivity(inputs()); }

Speciation Workbench::mixtureSpecies(const Inputs& in) const {
  const double v1 = in.v1, v2 = in.v2;
  // Each solute at its diluted concentration, then the equilibria of the whole.
  Composition mixture = soluteComposition(in.k1, in.c1 * v1 / (v1 + v2));
  mixture.add(soluteComposition(in.k2, in.c2 * v2 / (v1 + v2)));
  return speciate(mixture);
}

double Workbench::acidBaseConductivity(const Inputs& in) const {
  const int a = in.k1, b = in.k2;
  if (usesSpeciesModel(a) || usesSpeciesModel(b)) return model::conductivity(mixtureSpecies(in));
  // The one-proton acids the law reads, mole for mole.
  const double c1 = in.c1, c2 = in.c2;
  const double v1 = in.v1, v2 = in.v2;
  const double c1p = c1 * v1 / (v1 + v2);
  const double c2p = c2 * v2 / (v1 + v2);
  const bool acidFirst = isAcid(a) && isBase(b);
  if (!acidFirst && !(isBase(a) && isAcid(b))) return 0;
  const int s = acidFirst ? saltOf(a, b) : saltOf(b, a);
  int s1, s2;
  double x1, x2;
  if (c1p > c2p) {
    s1 = a;
    x1 = c1p - c2p;
    s2 = s;
    x2 = c2p;
  } else {
    s1 = s;
    x1 = c1p;
    s2 = b;
    x2 = c2p - c1p;
  }
  return molarConductivityDouble(coefficients_, s1, x1) * x1 * 1000 +
         molarConductivityDouble(coefficients_, s2, x2) * x2 * 1000;
}

bool Workbench::mixtureHoldsPrecipitate() const {
  return std::any_of(mixtureSolids_.begin(), mixtureSolids_.end(), [](double x) { return x > 0; });
}

template <typename Write>
std::string Workbench::scattered(Meter meter, int bench, int calibre, const std::string& shown, Write write) {
  if (!scatter_.on) return shown;
  const auto reading = readingUncertainty(meter, shown);
  if (!reading) return shown;
  std::size_t slot = 0;
  while (kMeterSlots[slot].meter != meter || kMeterSlots[slot].bench != bench) ++slot;
  // Drawn again when the reading without scatter, or its calibre, is another.
  const double z = scatter_.take(scatter_.readings[slot], drawKey(std::to_string(calibre) + '\n' + shown));
  return write(std::max(0.0, reading->value + z * reading->u));
}

void Workbench::newMeasurement(int bench) {
  if (!scatter_.on) return;
  for (std::size_t slot = 0; slot < kMeterSlots.size(); ++slot)
    if (kMeterSlots[slot].bench == bench) scatter_.readings[slot].reset();
  updateVoltmeters();
}

void Workbench::updateMeters() {
  checkMixture();
  Inputs in = inputs();
  if (scatter_.on) {
    // Each solution as prepared; the mixture is made of the two.
    in.c1 = static_cast<float>(in.c1 * scatter_.preparationFactor(1, ionsTag_[0], entries_[Concentration1]));
    in.c2 = static_cast<float>(in.c2 * scatter_.preparationFactor(2, ionsTag_[1], entries_[Concentration2]));
  }
  const float s = static_cast<float>(in.s / 10000.0);
  const float l = static_cast<float>(in.l / 100.0);
  const int k1 = in.k1, k2 = in.k2;
  const float c1 = in.c1, c2 = in.c2;
  auto contribution = [&](int k, float c) {
    return static_cast<float>(static_cast<double>(molarConductivity(coefficients_, k, c)) * c * 1000);
  };
  // A solution of one solute, by the law or by the species model.
  auto solution = [&](int k, float c) {
    if (!usesSpeciesModel(k)) return contribution(k, c);
    return static_cast<float>(model::conductivity(speciate(soluteComposition(k, c))));
  };

  conductivities_[0] = solution(k1, c1);
  conductivities_[1] = solution(k2, c2);
  displayBench(1, conductivities_[0], s, l);
  displayBench(2, conductivities_[1], s, l);

  mixtureSolids_.fill(0);
  if (!mixturePossible_) {
    precipitateNotice_ = true;
    conductivities_[2] = 0;
    conductimeters_[2].clear();
    return;
  }
  precipitateNotice_ = false;
  const double v1 = in.v1, v2 = in.v2;
  double sigma;
  if (usesSpeciesModel(k1) || usesSpeciesModel(k2)) {
    const Speciation species = mixtureSpecies(in);
    mixtureSolids_ = species.solids;
    sigma = static_cast<float>(model::conductivity(species));
  } else if (k1 == k2) {
    const float c = static_cast<float>((c1 * v1 + c2 * v2) / (v1 + v2));
    sigma = contribution(k2, c);
  } else {
    const float c1p = static_cast<float>(c1 * v1 / (v1 + v2));
    const float c2p = static_cast<float>(c2 * v2 / (v1 + v2));
    if (acidBaseReaction_)
      sigma = acidBaseConductivity(in);
    else
      sigma = static_cast<float>(contribution(k1, c1p) + contribution(k2, c2p));
  }
  conductivities_[2] = sigma;
  displayBench(3, sigma, s, l);
}

void Workbench::displayBench(int bench, double sigma, float s, float l) {
  const int j = selectedRange(bench);
  const int m = selectedAmmeterCalibre(bench);
  const double u = amplitudeVolts(knobValue(2 * bench - 2));
  const double current = ((sigma * u) * s) / l;

  double x = sigma;
  if (j >= 0 && j <= 2) x = sigma * s / l;
  x = threeSignificantDigits(x);

  std::string& conductimeter = conductimeters_[bench - 1];
  auto shown = [&](double value) { return num::trim(num::format(value, kMaskConductimeter)); };
  // A scattered reading keeps the conductimeter's three significant digits
  // and its ranges' limit (1000 in the unit shown, none in S and S/m).
  auto measured = [&](double value) {
    return scattered(Meter::Conductimeter, bench, j, shown(value), [&](double v) {
      return j % 3 == 0 || v < 1000 ? shown(threeSignificantDigits(v)) : std::string(kConductimeterOverflow);
    });
  };
  if (j >= 0) {
    if (!std::isfinite(x)) {
      conductimeter = kConductimeterOverflow;
    } else if (j == 0 || j == 3) {
      conductimeter = measured(x);
    } else if (j == 1 || j == 4) {
      conductimeter = x < 1 ? measured(x * 1000) : std::string(kConductimeterOverflow);
    } else {
      conductimeter = x < 0.001 ? measured(x * 1000000) : std::string(kConductimeterOverflow);
    }
  }

  std::string& ammeter = ammeters_[bench - 1];
  if (m >= 0) {
    static constexpr double kLimit[] = {2, 0.2, 0.02, 0.002};
    static constexpr const char* kMask[] = {"0.000", "##0.0", "#0.00", "0.000"};
    // In the unit shown; a scattered reading past the calibre overflows too.
    const double limit = m == 0 ? kLimit[m] : kLimit[m] * 1000;
    const auto write = [&](double value) {
      return value <= limit ? num::format(value, kMask[m]) : std::string(kMeterOverflow);
    };
    if (std::isfinite(current) && current <= kLimit[m])
      ammeter = scattered(Meter::Ammeter, bench, m, write(m == 0 ? current : current * 1000), write);
    else
      ammeter = kMeterOverflow;
  }
}

void Workbench::updateVoltmeters() {
  for (int b = 1; b <= kBenches; ++b) {
    const double u = amplitudeVolts(knobValue(2 * b - 2));
    const int pos = selectedVoltmeterCalibre(b);
    if (pos >= 0) {
      static constexpr double kLimit[] = {20, 2, 0.2, 0.02};
      static constexpr const char* kMask[] = {"#0.00", "0.000", "##0.0", "#0.00"};
      std::string& voltmeter = voltmeters_[b - 1];
      const double limit = pos >= 2 ? kLimit[pos] * 1000 : kLimit[pos];
      const auto write = [&](double value) {
        return value <= limit ? num::format(value, kMask[pos]) : std::string(kMeterOverflow);
      };
      if (std::isfinite(u) && u <= kLimit[pos])
        voltmeter = scattered(Meter::Voltmeter, b, pos, write(pos >= 2 ? u * 1000 : u), write);
      else
        voltmeter = kMeterOverflow;
    }
  }
  for (int b = 1; b <= kBenches; ++b) {
    const double f = frequencyHertz(knobValue(2 * b - 1));
    generatorScreens_[b - 1] = "\xC6\x92 = " + num::format(f, "## ##0") + " Hz";
  }
  updateMeters();
}

}  // namespace velmira::model
