// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calculator's logic: the working expression built key by key, EXE with
// its result and error texts, the last answer, the memory keys and the two
// display modes. The calculator window only forwards keys and shows
// display().
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "expr/Evaluator.h"

namespace velmira::expr {

// Texts the display shows.
inline constexpr std::string_view kPatience = "    Patience... Calculs en cours.     ";
inline constexpr std::string_view kCalculImpossible = "Calcul impossible";
inline constexpr std::string_view kErreurParentheses = "Erreur saisie: revoir les parenthèses";
inline constexpr std::string_view kErreurOperateurs = "Erreur saisie: incompréhension sur opérateurs: ^ * / + -";
inline constexpr std::string_view kDepassement = "Dépassement de capacité";

// The evaluator's result text read as a number with the leading-number rule;
// a text without a leading number (an unknown word such as "X") reads as 0.
// nullopt when the number does not fit a 64-bit float.
std::optional<double> resultValue(std::string_view text);
// The "Scientifique" form: mask "#.#######E+00" with "." ("3.3333333E-01").
std::string scientificText(double value);
// A result as the display shows it: the plain number text (" 5", "-.5") or
// the scientific form.
std::string displayText(double value, bool scientific);

// What EXE shows for an expression.
struct Evaluation {
  std::optional<Error> error;  // the evaluator's, or Error::Overflow
  std::string text;            // the result or the error text
};
Evaluation evaluateForDisplay(std::string expression, Angle angle, bool scientific);

// The keys, named by what they do.
enum class Key : std::uint8_t {
  Digit0,
  Digit1,
  Digit2,
  Digit3,
  Digit4,
  Digit5,
  Digit6,
  Digit7,
  Digit8,
  Digit9,
  Point,
  Exponent,
  OpenParenthesis,
  CloseParenthesis,
  Tera,
  Giga,
  Mega,
  Kilo,
  Milli,
  Micro,
  Nano,
  Pico,
  Sine,
  Cosine,
  Tangent,
  ArcSine,
  ArcCosine,
  ArcTangent,
  Exponential,
  NaturalLog,
  DecimalLog,
  SquareRoot,
  PowerOfTen,
  Reciprocal,
  Pi,
  Column1,
  Column2,
  Column3,
  Column4,
  Column5,
  Plus,
  Times,
  Divide,
  Power,
  Minus,
  Square,
  Answer,
  Backspace,
  ClearAll,
  Execute,
  MemoryAdd,
  MemorySubtract,
  MemoryRecall,
  MemoryClear,
};
inline constexpr int kKeyCount = static_cast<int>(Key::MemoryClear) + 1;

inline Key digitKey(int d) { return static_cast<Key>(static_cast<int>(Key::Digit0) + d); }
inline Key columnKey(int col) { return static_cast<Key>(static_cast<int>(Key::Column1) + col); }
inline bool isColumnKey(Key k) { return k >= Key::Column1 && k <= Key::Column5; }

// The keyboard: the key a typed character stands for ('\b' Backspace, '\r'
// or '\n' Enter; "," as "." is, the decimal comma of the entries); nullopt
// for a character the calculator ignores.
std::optional<Key> keyForCharacter(char32_t c);

// The keyboard over several characters: "C" (or "c") followed by 1..5 is
// that column's key, as a formula is written ("C2*(C3+C1)/C3"); any other
// character as keyForCharacter has it (a "C" before it is dropped).
class TypedKeys {
 public:
  std::optional<Key> take(char32_t c);

 private:
  bool afterColumnLetter_ = false;
};

class Calculator {
 public:
  // `memory` is the M keys' store; it outlives every calculator.
  explicit Calculator(double& memory) : memory_(memory) {}

  // One key. False when it ended in an error (the window beeps).
  bool press(Key key);
  // The working expression and the display both become `expression`.
  void load(std::string expression);
  // Display mode. When a result is shown it is shown again in the new mode;
  // the answer is kept as it was.
  void setScientific(bool scientific);
  // Angle mode passed to the evaluator.
  void setAngle(Angle angle) { angle_ = angle; }

  const std::string& expression() const { return expression_; }
  const std::string& display() const { return display_; }
  // The text shown after the last EXE.
  const std::string& answer() const { return answer_; }
  std::optional<Error> lastError() const { return lastError_; }
  bool scientific() const { return scientific_; }
  Angle angle() const { return angle_; }

 private:
  void append(std::string_view text, bool implicitProduct);
  void appendAnswer();
  void binaryOperator(std::string_view group);
  void minus();
  void backspace();
  bool addToMemory(double sign);
  bool execute();

  double& memory_;
  std::string expression_;
  std::string display_;
  std::string answer_;
  std::optional<Error> lastError_;
  Angle angle_ = Angle::Degrees;
  bool scientific_ = false;
};

}  // namespace velmira::expr
