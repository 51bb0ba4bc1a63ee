// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the evaluator on any bytes. The first byte picks the angle mode.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "expr/Evaluator.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  using velmira::expr::Angle;
  using velmira::expr::Error;
  const Angle angle = data[0] & 1 ? Angle::Radians : Angle::Degrees;
  const velmira::expr::Result result =
      velmira::expr::evaluate(std::string(reinterpret_cast<const char*>(data + 1), size - 1), angle);
  // The evaluator's own errors; an overflow is for its readers to find.
  if (result.error() == Error::Overflow) std::abort();
  if (result.ok() && result.text().find(' ') != std::string::npos) std::abort();
  return 0;
}
