// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The workbench: every setting of the three benches in its textual form, the
// twelve display texts, and the measurement procedures that rewrite them.
#include <array>
#include <string>

#include "model/Equilibria.h"
#include "model/Scatter.h"
#include "model/SoluteCatalogue.h"
#include "platform/core/TextMark.h"

namespace velmira::model {

inline constexpr int kBenches = 3;
inline constexpr int kEntries = 6;  // the window's Text1 0..5
inline constexpr int kKnobs = 6;    // the window's knob 0..5: bench b has 2b-2 (amplitude), 2b-1 (frequency)
// Selector buttons, indexed bench by bench: button j of bench b is
// (b-1) * per-bench + j.
inline constexpr int kRangesPerBench = 6;    // conductimeter quantity and unit (the window's Option6)
inline constexpr int kCalibresPerBench = 4;  // ammeter (Option5) and voltmeter (Option4) calibres
inline constexpr int kConductimeterRanges = kBenches * kRangesPerBench;
inline constexpr int kAmmeterCalibres = kBenches * kCalibresPerBench;
inline constexpr int kVoltmeterCalibres = kBenches * kCalibresPerBench;

// The six entry fields.
enum Entry { Concentration1 = 0, Concentration2 = 1, Distance = 2, Area = 3, Volume1 = 4, Volume2 = 5 };

// The instruments that show a reading.
enum class Meter { Conductimeter, Ammeter, Voltmeter };
// The window's display labels afficheur(0..8), in order.
struct MeterSlot {
  Meter meter;
  int bench;
};
inline constexpr std::array<MeterSlot, 9> kMeterSlots = {{{Meter::Conductimeter, 1},
                                                          {Meter::Conductimeter, 2},
                                                          {Meter::Conductimeter, 3},
                                                          {Meter::Ammeter, 1},
                                                          {Meter::Voltmeter, 1},
                                                          {Meter::Ammeter, 2},
                                                          {Meter::Voltmeter, 2},
                                                          {Meter::Ammeter, 3},
                                                          {Meter::Voltmeter, 3}}};
static_assert(kMeterSlots.size() == kScatteredReadings);

// The overflow texts of the instruments.
inline constexpr std::string_view kConductimeterOverflow = "            \xC2\xA6";  // 12 blanks + ¦
inline constexpr std::string_view kMeterOverflow = "         \xC2\xA6";             // 9 blanks + ¦
inline constexpr std::string_view kPrecipitateNotice =
    VELMIRA_TEXT("velmira::msg", "Formation d'un précipité : mélange non étudié ici.");

// What the field of a hidden concentration shows.
inline constexpr const char* kHiddenEntryText = "?";

class Workbench {
 public:
  // The record with its defaults and the coefficients filled; the displays are
  // empty until a recomputation.
  Workbench();

  // Start-up defaults, in the start-up order: entries, knobs (each drawn,
  // hence updateVoltmeters), solutes "1", updateMeters.
  void startupDefaults();

  // --- Textual fields (as the controls show them) -------------------------
  const std::string& entryText(int i) const { return entries_[i]; }
  void setEntryText(int i, std::string text) { entries_[i] = std::move(text); }
  const std::string& soluteTag(int solution) const { return ionsTag_[solution]; }  // 0, 1
  void setSoluteTag(int solution, std::string tag) { ionsTag_[solution] = std::move(tag); }
  const std::string& knobTag(int i) const { return knobTag_[i]; }
  void setKnobTag(int i, std::string tag) { knobTag_[i] = std::move(tag); }
  // A concentration the pupil must not see (an unknown): the readings are
  // computed from its field as from any, a recording never copies it, and a
  // field left at kHiddenEntryText (its value lost) reads as no solute.
  bool concealed(int concentration) const { return concealed_[concentration == Concentration2]; }
  void setConcealed(int concentration, bool on) { concealed_[concentration == Concentration2] = on; }
  // Solution 2's solute hidden (an identification exercise): computed from
  // as any, shown as none.
  bool soluteConcealed() const { return soluteConcealed_; }
  void setSoluteConcealed(bool on) { soluteConcealed_ = on; }
  // The solute the controls and printouts show for solution b: 0 when hidden.
  int shownSoluteOf(int b) const { return b == 2 && soluteConcealed_ ? 0 : soluteOf(b); }
  // Entry i (any entry) is a concealed concentration.
  bool entryConcealed(int i) const { return (i == Concentration1 || i == Concentration2) && concealed(i); }
  // What entry i's field shows: kHiddenEntryText for a concealed concentration.
  std::string shownEntryText(int i) const { return entryConcealed(i) ? kHiddenEntryText : entries_[i]; }

  // --- Numeric getters -----------------------------------------------------
  // Solute number of solution b (1, 2): the tag's integer value, 0 when it
  // is not a catalogue number.
  int soluteOf(int b) const;
  // Entry i as a 32-bit float (comma decimal). A text that cannot be read,
  // or that lies outside what the computation can take (a negative value,
  // a zero distance or area, two zero volumes), gives the value validation
  // would assign to it.
  float entryValue(int i) const;
  // Knob i: leading-number reading of its tag (non-finite reads as 0).
  double knobValue(int i) const;

  // --- Selectors -------------------------------------------------------------
  // Selecting a button deselects the others of its group (a bench's four
  // calibres, a bench's six ranges, the two montages); deselecting one leaves
  // the others alone, so a group may have none selected.
  bool voltmeterCalibre(int i) const { return voltmeterCalibres_[i]; }
  bool ammeterCalibre(int i) const { return ammeterCalibres_[i]; }
  bool conductimeterRange(int i) const { return conductimeterRanges_[i]; }
  void setVoltmeterCalibre(int i, bool on);
  void setAmmeterCalibre(int i, bool on);
  void setConductimeterRange(int i, bool on);
  // The montage: generator with voltmeter and ammeter (the window's Option2),
  // or conductimeter (Option3).
  bool generatorMontage() const { return generatorMontage_; }
  bool conductimeterMontage() const { return conductimeterMontage_; }
  void setGeneratorMontage(bool on);
  void setConductimeterMontage(bool on);
  // Selected position in a bench's group, -1 when none (bench 1..3).
  int selectedRange(int bench) const;
  int selectedAmmeterCalibre(int bench) const;
  int selectedVoltmeterCalibre(int bench) const;
  // The unit of what a bench's meter shows, its selected calibre's or
  // range's ("mV", "mA", "mS/m"); empty when none is selected.
  std::string readingUnit(Meter meter, int bench) const;

  // --- Displays ------------------------------------------------------------
  const std::string& display(Meter meter, int bench) const;
  // The generator screen of a bench ("ƒ = 800 Hz").
  const std::string& generatorText(int bench) const { return generatorScreens_[bench - 1]; }
  // The precipitate notice over the mixture page (the window's Frame9).
  bool precipitateNotice() const { return precipitateNotice_; }
  // The conductivity (S/m) the displays of a bench were computed from; 0 for
  // a refused mixture.
  double conductivity(int bench) const { return conductivities_[bench - 1]; }
  // What the studied mixture holds as precipitates (mol of solid per litre
  // of mixture); all zero when it holds none or is refused.
  const std::array<double, kPrecipitateCount>& mixtureSolids() const { return mixtureSolids_; }
  bool mixtureHoldsPrecipitate() const;
  bool mixtureHolds(Precipitate p) const { return mixtureSolids_[static_cast<int>(p)] > 0; }

  // --- Flags ---------------------------------------------------------------
  // The two solutions may be mixed (`melangepossible`); they react as an
  // acid and a base (`reactionacidobasique`).
  bool mixturePossible() const { return mixturePossible_; }
  bool acidBaseReaction() const { return acidBaseReaction_; }

  // --- Procedures ----------------------------------------------------------
  // `autorisemel`: sets both flags from the two solutes.
  void checkMixture();
  // `KacBas`: conductivity (S/m) of an acid + base mixture after reaction;
  // where the species model reads a solute, its conductivity of the mixture.
  double acidBaseConductivity() const;

  // Everything one recomputation reads from the fields, read once.
  struct Inputs {
    int k1, k2;          // solutes
    float c1, c2, l, s;  // mol/L, cm, cm²
    float v1, v2;        // mL
  };
  Inputs inputs() const;
  // `majaff`: conductimeters and ammeters of the three benches.
  void updateMeters();
  // `majvolt`: voltmeters and generator screens, then updateMeters.
  void updateVoltmeters();

  // The scatter of preparations and readings (off unless the work asks for
  // it): with it on, each solution's concentration is computed with its
  // preparation gap and each display shows its reading plus z times its
  // standard uncertainty (model/Tolerance), never below 0. The next
  // recomputation uses a scatter set here.
  const Scatter& scatter() const { return scatter_; }
  void setScatter(Scatter scatter) { scatter_ = std::move(scatter); }
  // "Nouvelle mesure" on bench b (1..3): its three readings drawn again, the
  // displays recomputed. Nothing when the scatter is off.
  void newMeasurement(int bench);

  // The solutes' coefficients (`coefsolutes`).
  const CoefTable& coefficients() const { return coefficients_; }

 private:
  void displayBench(int bench, double sigma, float s, float l);
  double acidBaseConductivity(const Inputs& in) const;
  // `shown` (a display's text, in its unit) with its reading's scatter,
  // written by `write` from the scattered value; as it is with the scatter off.
  template <typename Write>
  std::string scattered(Meter meter, int bench, int calibre, const std::string& shown, Write write);
  Speciation mixtureSpecies(const Inputs& in) const;

  CoefTable coefficients_{};
  std::array<std::string, kEntries> entries_;
  std::array<std::string, 2> ionsTag_;
  std::array<std::string, kKnobs> knobTag_;
  std::array<bool, 2> concealed_{};
  bool soluteConcealed_ = false;
  std::array<bool, kVoltmeterCalibres> voltmeterCalibres_{};
  std::array<bool, kAmmeterCalibres> ammeterCalibres_{};
  std::array<bool, kConductimeterRanges> conductimeterRanges_{};
  bool generatorMontage_ = true;
  bool conductimeterMontage_ = false;
  std::array<std::string, kBenches> conductimeters_, ammeters_, voltmeters_, generatorScreens_;
  bool precipitateNotice_ = false;
  std::array<double, kBenches> conductivities_{};
  std::array<double, kPrecipitateCount> mixtureSolids_{};
  bool mixturePossible_ = true;
  bool acidBaseReaction_ = false;
  Scatter scatter_;
};

// `lambdamolaire`: molar conductivity Λ (S·m²/mol) of solute k at c mol/L, rounded to a
// 32-bit float after each term; the double variant rounds nothing.
float molarConductivity(const CoefTable& coefs, int k, float c);
double molarConductivityDouble(const CoefTable& coefs, int k, double c);

// `troischiffres`: three significant digits by truncation.
double threeSignificantDigits(double x);

}  // namespace velmira::model
