#pragma once
// One evaluation with its error code, for the evaluator tests.
#include <cstdint>
#include <string>

#include "expr/Evaluator.h"

namespace velmira::expr::test {

struct Outcome {
  std::int16_t err;
  std::string text;
};

inline Outcome run(std::string text, std::int16_t angle = kDegres) {
  std::int16_t err = -1;
  evalue(text, err, angle);
  return {err, text};
}

}  // namespace velmira::expr::test
