#pragma once
// The workbench: every setting of the three benches in its textual form, the
// twelve display texts, and the measurement procedures that rewrite them.
#include <array>
#include <string>

#include "model/SoluteCatalogue.h"

namespace velmira::model {

inline constexpr int kBenches = 3;
inline constexpr int kEntries = 6;   // Text1 0..5
inline constexpr int kKnobs = 6;     // bouton1 0..5
inline constexpr int kOption6 = 18;  // conductimeter modes, 6 per bench
inline constexpr int kOption5 = 12;  // ammeter calibres, 4 per bench
inline constexpr int kOption4 = 12;  // voltmeter calibres, 4 per bench

// Entry indices.
enum Entry { C1 = 0, C2 = 1, DistanceL = 2, AreaS = 3, V1 = 4, V2 = 5 };

// The overflow texts of the instruments.
inline constexpr std::string_view kConductimeterOverflow = "            \xC2\xA6";  // 12 blanks + ¦
inline constexpr std::string_view kMeterOverflow = "         \xC2\xA6";          // 9 blanks + ¦
inline constexpr std::string_view kPrecipitateNotice =
    "Formation d'un pr\xC3\xA9" "cipit\xC3\xA9 : m\xC3\xA9lange non \xC3\xA9tudi\xC3\xA9 ici.";

class Workbench {
 public:
  // The record with its defaults and `coefsolutes` filled; the displays are
  // empty until a recomputation.
  Workbench();

  // Start-up defaults, in the start-up order: entries, knobs (each drawn,
  // hence majvolt), solutes "1", majaff.
  void startupDefaults();

  // --- Textual fields (as the controls show them) -------------------------
  const std::string& entryText(int i) const { return text1_[i]; }
  void setEntryText(int i, std::string text) { text1_[i] = std::move(text); }
  const std::string& soluteTag(int solution) const { return ionsTag_[solution]; }  // 0, 1
  void setSoluteTag(int solution, std::string tag) { ionsTag_[solution] = std::move(tag); }
  const std::string& knobTag(int i) const { return knobTag_[i]; }
  void setKnobTag(int i, std::string tag) { knobTag_[i] = std::move(tag); }

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

  // --- Option groups ---------------------------------------------------
  // Selecting a button deselects the others of its group (a bench's four
  // calibres, a bench's six modes, the two montages); deselecting one leaves
  // the others alone, so a group may have none selected.
  bool option4(int i) const { return option4_[i]; }
  bool option5(int i) const { return option5_[i]; }
  bool option6(int i) const { return option6_[i]; }
  void setOption4(int i, bool on);
  void setOption5(int i, bool on);
  void setOption6(int i, bool on);
  bool option2() const { return option2_; }  // generator montage
  bool option3() const { return option3_; }  // conductimeter montage
  void setOption2(bool on);
  void setOption3(bool on);
  bool conductimeterMontage() const { return option3_; }
  // Selected position in a bench's group, -1 when none (bench 1..3).
  int selectedMode(int bench) const;
  int selectedAmmeter(int bench) const;
  int selectedVoltmeter(int bench) const;

  // --- Displays ------------------------------------------------------------
  const std::string& afficheur(int i) const { return afficheur_[i]; }
  const std::string& ecrangbf(int i) const { return ecrangbf_[i]; }
  // Frame9, the precipitate overlay of the mixture page.
  bool frame9Visible() const { return frame9Visible_; }

  // --- Flags ---------------------------------------------------------------
  bool melangepossible() const { return melangepossible_; }
  bool reactionacidobasique() const { return reactionacidobasique_; }

  // --- Procedures ----------------------------------------------------------
  void autorisemel();
  // Conductivity (S/m) of an acid + base mixture after reaction.
  double KacBas() const;

  // Everything one recomputation reads from the fields, read once.
  struct Inputs {
    int k1, k2;              // solutes
    float c1, c2, l, s;      // mol/L, cm, cm²
    float v1, v2;            // mL
  };
  Inputs inputs() const;
  // Conductimeters and ammeters of the three benches.
  void majaff();
  // Voltmeters and generator screens, then majaff.
  void majvolt();

  const CoefTable& coefsolutes() const { return coefsolutes_; }

 private:
  void displayBench(int bench, double sigma, float s, float l);
  double KacBas(const Inputs& in) const;

  CoefTable coefsolutes_{};
  std::array<std::string, kEntries> text1_;
  std::array<std::string, 2> ionsTag_;
  std::array<std::string, kKnobs> knobTag_;
  std::array<bool, kOption4> option4_{};
  std::array<bool, kOption5> option5_{};
  std::array<bool, kOption6> option6_{};
  bool option2_ = true;
  bool option3_ = false;
  std::array<std::string, 9> afficheur_;
  std::array<std::string, 3> ecrangbf_;
  bool frame9Visible_ = false;
  bool melangepossible_ = true;
  bool reactionacidobasique_ = false;
};

// Molar conductivity Λ (S·m²/mol) of solute k at c mol/L, rounded to a
// 32-bit float after each term; the double variant rounds nothing.
float lambdamolaire(const CoefTable& coefs, int k, float c);
double lambdamolaireDouble(const CoefTable& coefs, int k, double c);

// Three significant digits by truncation.
double troischiffres(double x);

}  // namespace velmira::model
