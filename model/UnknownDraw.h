// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drawing a pupil's unknown concentration: uniform within a range the
// teacher gives, from a seed, written as the concentration entry writes it
// with 3 significant digits.
#include <cstdint>
#include <optional>
#include <random>
#include <string>

namespace velmira::model {

struct DrawRange {
  double min = 0, max = 0;
};

enum class RangeProblem {
  None,
  Unreadable,  // not "MIN..MAX" with two comma-decimal numbers
  OutOfEntry,  // a bound outside the concentration entry's range
  Reversed,    // MIN > MAX
};

struct RangeRead {
  std::optional<DrawRange> range;
  RangeProblem problem = RangeProblem::None;
};

// "MIN..MAX" as typed ("0,005..0,02"), both within the concentration
// entry's range, MIN <= MAX.
RangeRead readDrawRange(const std::string& text);

// The draws of one pupil's work, one after the other from the same seed: the
// same seed gives the same draws.
class UnknownDraw {
 public:
  explicit UnknownDraw(std::uint64_t seed) : generator_(seed) {}
  // A value uniform in [min, max] rounded to 3 significant digits (kept
  // within the range), as the concentration entry writes it ("0,012 3").
  std::string draw(const DrawRange& range);

 private:
  // The 64-bit Mersenne Twister's sequence is fixed by the language; the
  // value is built from its bits, not by a library distribution.
  std::mt19937_64 generator_;
};

// `value` rounded to 3 significant digits, then brought back within the range
// by rounding toward it when the rounding left it.
double roundedWithin(double value, const DrawRange& range);

}  // namespace velmira::model
