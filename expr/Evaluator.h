// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text-rewriting expression evaluator of the calculator and of the column
// formulas. It reduces the text in place, innermost piece first, writing every
// intermediate value back as a number text (velmira::num::numberText) and
// reading it again with the leading-number rule.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace velmira::expr {

enum class Angle { Degrees, Radians };

// Why an expression has no value; the numbers are the codes velmira-outil
// calcul prints (0 for a value).
enum class Error : std::int16_t {
  // The expression cannot be reduced: cycle limit, leftover space,
  // arithmetic fault.
  Unreducible = 1,
  // The parentheses do not balance; also a text holding more parentheses,
  // functions or operators than the 16-bit counters hold.
  Parentheses = 2,
  // An operator * / ^ followed by another operator.
  Operators = 3,
  // The value text does not fit a 64-bit float. The evaluator never gives it:
  // its readers (calculator, column formulas) do.
  Overflow = 4,
};

// The code of an outcome: 0 for a value, else the error's number.
constexpr int errorCode(std::optional<Error> e) { return e ? static_cast<int>(*e) : 0; }

// A value text or an error.
class Result {
 public:
  Result(std::string text) : text_(std::move(text)) {}
  Result(Error error) : error_(error) {}

  bool ok() const { return !error_; }
  // The value text; empty on an error.
  const std::string& text() const { return text_; }
  std::optional<Error> error() const { return error_; }

 private:
  std::string text_;
  std::optional<Error> error_;
};

// Reduces `text` to a number text. Never throws; always returns in a bounded
// number of cycles. Plays the part of `evalue`.
Result evaluate(std::string text, Angle angle) noexcept;

}  // namespace velmira::expr
