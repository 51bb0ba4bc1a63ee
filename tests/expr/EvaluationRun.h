// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One evaluation with its error code, for the evaluator tests.
#include <string>
#include <utility>

#include "expr/Evaluator.h"

namespace velmira::expr::test {

struct Outcome {
  int err;           // errorCode: 0 for a value
  std::string text;  // the value text; empty on an error
};

inline Outcome run(std::string text, Angle angle = Angle::Degrees) {
  const Result r = evaluate(std::move(text), angle);
  return {errorCode(r.error()), r.text()};
}

// Degrees for even n, radians for odd n.
inline Angle alternateAngle(int n) { return n % 2 ? Angle::Radians : Angle::Degrees; }

}  // namespace velmira::expr::test
