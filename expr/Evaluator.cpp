// SPDX-License-Identifier: GPL-3.0-or-later
// The reduction loop, with the checking and counting passes.
#include "expr/Evaluator.h"

#include <algorithm>
#include <limits>
#include <string>

#include "expr/EvaluatorPasses.h"
#include "platform/core/NumberText.h"

namespace velmira::expr {

namespace detail {

namespace {

constexpr int kMaxCycles = 100;

bool isOperator(char c) { return c == '+' || c == '-' || c == '*' || c == '/' || c == '^'; }

bool isCode(const std::string& t, std::size_t k) {
  const char a = t[k], b = t[k + 1], c = t[k + 2];
  switch (a) {
    case 'S':
      return (b == 'Q' && c == 'R') || (b == 'I' && c == 'N');
    case 'E':
      return b == 'X' && c == 'P';
    case 'L':
      return b == 'O' && (c == 'N' || c == 'G');
    case 'C':
      return b == 'O' && c == 'S';
    case 'T':
      return b == 'A' && c == 'N';
    case 'I':
      return (b == 'S' && c == 'I') || (b == 'C' && c == 'O') || (b == 'T' && c == 'A');
  }
  return false;
}

}  // namespace

std::optional<Error> checkSyntax(const std::string& text) {
  std::optional<Error> error;
  std::size_t open = 0, close = 0;
  for (char c : text) {
    if (c == '(') ++open;
    if (c == ')') ++close;
  }
  if (open != close) error = Error::Parentheses;
  for (std::size_t k = 0; k + 2 < text.size(); ++k) {
    const char c = text[k];
    if ((c == '*' || c == '/' || c == '^') && text[k + 2] == ' ') error = Error::Operators;
  }
  return error;
}

bool countOperations(const std::string& text, Counters& counters) {
  int par = 0, fonc = 0, op = 0;
  const std::size_t n = text.size();
  for (std::size_t k = 0; k < n; ++k) {
    if (text[k] == '(') ++par;
    if (k + 3 <= n) {
      if (text[k] == ' ' && isOperator(text[k + 1]) && text[k + 2] == ' ') ++op;
      if (isCode(text, k)) ++fonc;
    }
  }
  constexpr int kMax = std::numeric_limits<std::int16_t>::max();
  const bool fits = par <= kMax && fonc <= kMax && op <= kMax;
  counters.parentheses = static_cast<std::int16_t>(std::min(par, kMax));
  counters.functions = static_cast<std::int16_t>(std::min(fonc, kMax));
  counters.operators = static_cast<std::int16_t>(std::min(op, kMax));
  return fits;
}

std::optional<Error> reduceInPlace(std::string& text, Angle angle) {
  normalise(text);
  if (const auto error = checkSyntax(text)) return error;
  Counters counters;
  // A count beyond the 16-bit counters would wrap and fake a result.
  if (!countOperations(text, counters)) return Error::Parentheses;
  std::string saved;
  for (int cycle = 1;; ++cycle) {
    if (text == saved) normalise(text);
    saved = text;
    if (cycle > kMaxCycles) return Error::Unreducible;
    // A pass abandoned on a fault leaves its step undone; the loop goes on
    // and the cycle limit ends it.
    if (counters.functions > 0) {
      reduceFunctions(text, counters, angle);
      normalise(text);
    }
    if (counters.parentheses > 0) reduceParentheses(text, counters);
    countOperations(text, counters);
    if (counters.functions >= 1 || counters.parentheses >= 1) continue;
    if (counters.operators > 0) reduceOperators(text, counters);
    countOperations(text, counters);
    if (counters.operators < 1) break;
  }
  text = num::trim(text);
  if (text.find(' ') != std::string::npos) return Error::Unreducible;
  return std::nullopt;
}

}  // namespace detail

Result evaluate(std::string text, Angle angle) noexcept {
  try {
    if (const auto error = detail::reduceInPlace(text, angle)) return *error;
    return text;
  } catch (...) {  // only an allocation failure can get here
    return Error::Unreducible;
  }
}

}  // namespace velmira::expr
