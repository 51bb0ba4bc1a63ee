// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Marking.h"

#include <algorithm>
#include <cmath>

#include "platform/core/NumberText.h"

namespace velmira::model {

namespace {

// The difference and the limit are each a rounded result: a given value
// typed at the very bound must not fall outside by the last bit.
constexpr double kBoundSlack = 1e-9;

}  // namespace

Mark markResult(double expected, std::optional<double> given, std::optional<double> u, double tolerancePercent) {
  Mark m;
  if (!given) return m;
  const double difference = *given - expected;
  if (expected != 0) m.deviationPercent = difference / std::fabs(expected) * 100;
  if (u && *u > 0) m.z = std::fabs(difference) / *u;
  const double limit = tolerancePercent / 100 * std::fabs(expected);
  m.verdict = std::fabs(difference) <= limit * (1 + kBoundSlack) ? Verdict::Right : Verdict::Wrong;
  return m;
}

const char* verdictText(Verdict verdict) {
  switch (verdict) {
    case Verdict::Right:
      return "juste";
    case Verdict::Wrong:
      return "faux";
    case Verdict::None:
      break;
  }
  return "";
}

std::string markFigure(const std::optional<double>& value, bool decimalComma) {
  if (!value) return {};
  std::string text = num::format(*value, "0.00");
  if (!decimalComma) std::replace(text.begin(), text.end(), ',', '.');
  return text;
}

}  // namespace velmira::model
