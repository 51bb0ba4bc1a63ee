// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Comparing floating-point values by units in the last place.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace velmira::test {

inline std::int64_t ulpDistance(double a, double b) {
  if (a == b) return 0;
  if (std::isnan(a) || std::isnan(b)) return std::numeric_limits<std::int64_t>::max();
  std::int64_t ia, ib;
  std::memcpy(&ia, &a, sizeof a);
  std::memcpy(&ib, &b, sizeof b);
  if (ia < 0) ia = std::numeric_limits<std::int64_t>::min() - ia;
  if (ib < 0) ib = std::numeric_limits<std::int64_t>::min() - ib;
  return ia > ib ? ia - ib : ib - ia;
}

inline bool nearlyEqual(double a, double b, double relTol = 1e-12, double absTol = 1e-300) {
  return std::fabs(a - b) <= std::fmax(absTol, relTol * std::fmax(std::fabs(a), std::fabs(b)));
}

}  // namespace velmira::test
