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

// The item that hides concentration k (1, 2) of a configuration.
std::string unknownKey(int k);
// The configuration's extension hides concentration k.
bool hidesConcentration(const ExtensionItems& items, int k);

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

}  // namespace velmira::files
