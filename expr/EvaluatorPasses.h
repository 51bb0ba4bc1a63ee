// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The evaluator's passes, for the evaluator itself and its tests. Each one
// rewrites or reads the spaced form of an expression (" 2 * SIN 30 ").
#include <cstdint>
#include <optional>
#include <string>

#include "expr/Evaluator.h"

namespace velmira::expr::detail {

// What is left to reduce: "(" count, function codes, binary operator groups.
// Set by countOperations, decremented by the reducing passes.
struct Counters {
  std::int16_t parentheses = 0;
  std::int16_t functions = 0;
  std::int16_t operators = 0;
};

// Signs, lone-number parentheses, then splitTokens.
void normalise(std::string& text);
// The spaced form: upper case, operators and function codes set apart.
// Plays the part of `decoupe`.
void splitTokens(std::string& text);
// Unbalanced parentheses, or * / ^ followed by another operator (which wins).
// Plays the part of `verifie`.
std::optional<Error> checkSyntax(const std::string& text);
// Sets the counters; false when a count does not fit its 16 bits (the
// counter then holds the largest value). Plays the part of `compte`.
bool countOperations(const std::string& text, Counters& counters);

// The reducing passes return false when an arithmetic fault abandoned them;
// the text then holds what it held before the failing step.
// Applies every function whose argument is a number. Plays the part of `calcfonc`.
bool reduceFunctions(std::string& text, Counters& counters, Angle angle);
// Replaces innermost parenthesised groups by their value, until one holds a
// function. Plays the part of `calcpar`.
bool reduceParentheses(std::string& text, Counters& counters);
// The binary operations, in the fixed order ^ / * - +. Plays the part of `calcop`.
bool reduceOperators(std::string& text, Counters& counters);

// The whole reduction in place: on an error `text` holds the partly
// rewritten expression.
std::optional<Error> reduceInPlace(std::string& text, Angle angle);

}  // namespace velmira::expr::detail
