// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Marking a pupil's result against the expected value: the deviation, the
// z-score with the pupil's uncertainty, and the verdict within a tolerance.
#include <optional>
#include <string>

namespace velmira::model {

// The tolerance (percent of the expected value) when an exercise gives none.
inline constexpr double kDefaultTolerancePercent = 5;

enum class Verdict {
  None,   // no result given
  Right,  // "juste"
  Wrong,  // "faux"
};

struct Mark {
  // (given - expected) / |expected| in percent; empty without a given value
  // or with an expected 0.
  std::optional<double> deviationPercent;
  // |given - expected| / u; empty without a given value or a positive u.
  std::optional<double> z;
  Verdict verdict = Verdict::None;
};

// Right when |given - expected| <= tolerancePercent/100 * |expected|, the
// bounds included (with an expected 0, only a given 0 is right).
Mark markResult(double expected, std::optional<double> given, std::optional<double> u, double tolerancePercent);

// "juste", "faux", or "" for no result.
const char* verdictText(Verdict verdict);

// A mark's figure with 2 decimals, "," or "." as the separator; "" when empty.
std::string markFigure(const std::optional<double>& value, bool decimalComma);

}  // namespace velmira::model
