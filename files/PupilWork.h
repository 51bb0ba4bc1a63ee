#pragma once
// What a practical with unknowns keeps in extension blocks: the results an
// exercise asks for (its file's block), the hidden values of a
// configuration, and a pupil's work (name, exercise, results handed in).
//
// Keys: an exercise's block holds resultat1..resultat4 ("TEXTE<TAB>ATTENDU")
// and tolerance (percent). A configuration's block holds inconnue1,
// inconnue2 ("oui", or "MIN..MAX" for a draw), inconnue_solute2 ("oui"),
// and the hidden values scrambled in cache1, cache2, cache_solute2. A
// pupil's work adds nom, exercice, resultat1..4 and tolerance copied from
// the exercise, and donne1..4 ("VALEUR" or "VALEUR:U").
#include <optional>
#include <string>
#include <vector>

#include "files/ExtensionBlock.h"

namespace velmira::model {
class Workbench;
}

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
inline constexpr const char* kHiddenText = "?";

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
// tags, the displays recomputed from them exactly as from visible ones.
// False when a hidden value is missing or damaged: that field or tag is then
// left as read ("?", read as no value).
bool revealHidden(const ExtensionItems& items, model::Workbench& wb);
// Hides the workbench's present values: the items of every hidden field or
// tag (hiddenKey set) take its scrambled text. False when one cannot be an item.
bool keepHidden(ExtensionItems& items, const model::Workbench& wb);
// The records as written: those of the hidden items hold "?".
void maskHiddenRecords(std::vector<std::string>& records, const ExtensionItems& items);

}  // namespace velmira::files
