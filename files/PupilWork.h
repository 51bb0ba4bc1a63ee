// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a practical with unknowns keeps in extension blocks: the results an
// exercise asks for (its file's block), the hidden values of a
// configuration, and a pupil's work (name, exercise, results handed in).
//
// Keys: an exercise's block holds resultat1..resultat4 ("TEXTE<TAB>ATTENDU")
// and tolerance (percent). A configuration's block holds inconnue1,
// inconnue2 ("oui", or "MIN..MAX" for a draw), inconnue_solute2 ("oui"),
// and the hidden values scrambled in cache1, cache2, cache_solute2. A
// pupil's work adds nom, exercice (the exercise's file name, what marks a
// work), resultat1..4 and tolerance copied from the exercise, and for each
// result handed in donne1..4 (the value as typed) and u1..4 (the pupil's
// uncertainty, when given).
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "files/ExtensionBlock.h"
#include "model/Workbench.h"
#include "platform/core/Messages.h"

namespace velmira::files {

inline constexpr std::size_t kMaxResults = 4;

// One result an exercise asks for: its label ("c1 (mol/L)") and what is
// expected: "c1" or "c2" (the pupil's own hidden value) or a number text.
struct ResultDeclaration {
  std::string label;
  std::string expected;
  bool operator==(const ResultDeclaration&) const = default;
};

struct ExerciseResults {
  std::vector<ResultDeclaration> results;
  // As typed ("5", "2,5"); empty for the default tolerance.
  std::string tolerance;
  bool operator==(const ExerciseResults&) const = default;
};

// The configuration's extension hides concentration k.
bool hidesConcentration(const ExtensionItems& items, int k);

// What a configuration may hide: concentration 1 or 2, the solute of solution 2.
enum class Hidden { Concentration1, Concentration2, Solute2 };
inline constexpr Hidden kHiddenItems[] = {Hidden::Concentration1, Hidden::Concentration2, Hidden::Solute2};
// "inconnue1", "inconnue2", "inconnue_solute2": the teacher's setting.
std::string hiddenKey(Hidden h);
// "cache1", "cache2", "cache_solute2": the hidden value, scrambled.
std::string hiddenValueKey(Hidden h);
// The column of the class table: "c1", "c2", "solute2".
std::string hiddenName(Hidden h);
// The record (from 1) of a configuration that holds "?" for it.
std::size_t hiddenRecord(Hidden h);
inline constexpr const char* kHiddenText = model::kHiddenEntryText;

// A simple scrambling, so that a text editor does not show the number: it
// does not resist a determined reader. unscramble is nullopt for a text
// scramble did not make (damaged).
std::string scramble(const std::string& text);
std::optional<std::string> unscramble(const std::string& text);

// The hidden value of `h` in a configuration's items; nullopt when it is not
// hidden or its value is missing or damaged (`damaged` then set).
std::optional<std::string> hiddenValue(const ExtensionItems& items, Hidden h, bool* damaged = nullptr);

// A number as a teacher or a pupil types it: "," or "." as separator,
// "1,5E-3"; nullopt for anything else.
std::optional<double> readTypedNumber(const std::string& text);

// The results in `items` (a result whose item is not "TEXTE<TAB>ATTENDU" is
// left out, as are those after a missing number).
ExerciseResults readResults(const ExtensionItems& items);
// Writes them into `items`, replacing any there. False when a label holds a
// tab or a line break, or a value cannot be an item.
bool writeResults(ExtensionItems& items, const ExerciseResults& results);
// The tolerance in percent: the default one when none or unreadable.
double tolerancePercent(const ExerciseResults& results);

// After a load: the hidden values put into the workbench's fields and
// tags, the hidden concentrations concealed, the scatter the items ask for
// set (files/ScatterRecord.h), the displays recomputed from them exactly as
// from visible ones. False when a hidden value is missing or
// damaged: that field or tag then holds "?", read as no solute.
bool revealHidden(const ExtensionItems& items, model::Workbench& wb);
// Hides the workbench's present values: the items of every hidden field or
// tag (hiddenKey set) take its scrambled text. False when one cannot be an item.
bool keepHidden(ExtensionItems& items, const model::Workbench& wb);
// The records as written: those of the hidden items hold "?".
void maskHiddenRecords(std::vector<std::string>& records, const ExtensionItems& items);

// What a pupil hands in for one result, as typed; empty when not given.
struct GivenResult {
  std::string value;
  std::string u;
  bool operator==(const GivenResult&) const = default;
};

// What a pupil's work keeps beside the configuration.
struct WorkItems {
  std::string name;
  std::string exercise;
  ExerciseResults results;
  std::array<GivenResult, kMaxResults> given;
  bool operator==(const WorkItems&) const = default;
};

// The work in a configuration's items; nullopt when they are no pupil's work
// (no exercice item).
std::optional<WorkItems> readWork(const ExtensionItems& items);
// Writes the work into `items`, replacing any there. False, nothing changed,
// when the name or the exercise holds a tab or a line break, or an item
// cannot be written.
bool writeWork(ExtensionItems& items, const WorkItems& work);

// Why a given result cannot be kept; nullopt when it can: the value and the
// uncertainty numbers as typed ("1,5E-3"), the uncertainty positive or zero.
std::optional<std::string> givenProblem(const GivenResult& given);

// The value a result expects, as text: the work's own hidden value for "c1"
// or "c2", else the number as the exercise gives it; nullopt when missing.
std::optional<std::string> expectedValue(const ExtensionItems& items, const std::string& expected);

// The lines a pupil's work's correction starts with: its hidden values, then
// each result with the value expected and the tolerance; none for a
// configuration that is no pupil's work.
std::vector<std::string> correctionHeading(const ExtensionItems& items);

// The pupil's text kept beside a work's configuration: the same name, ".rtf".
std::string workTextPath(const std::string& configurationPath);

// Said when a result typed in the window cannot be kept (`problem` from givenProblem).
Message givenRefused(const std::string& problem);

// The work a pupil's opening of an exercise makes from its configuration's
// items: every concentration hidden with a range (inconnueK=MIN..MAX) drawn
// from `seed` in the order c1, c2 and kept hidden (its setting then "oui",
// so that it is never drawn again), the scatter's seed (files/ScatterRecord.h)
// set to `seed` when the scatter is on without one, then the work's items
// written. nullopt when a range cannot be read or an item cannot be written.
std::optional<ExtensionItems> startWork(const ExtensionItems& configuration, const WorkItems& work, std::uint64_t seed);

// Opening an exercise makes a pupil's work when its configuration hides a
// value or the exercise asks for results.
bool makesPupilWork(const ExtensionItems& configuration, const ExerciseResults& results);
// Said once when a work's hidden value cannot be read back.
Message hiddenValueDamaged();
// The question asked when a pupil's work starts: "Votre nom :".
TextQuestion pupilNameQuestion();

}  // namespace velmira::files
