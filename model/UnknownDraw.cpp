// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/UnknownDraw.h"

#include <cmath>

#include "model/EntryRules.h"
#include "platform/core/NumberText.h"

namespace velmira::model {

RangeRead readDrawRange(const std::string& text) {
  RangeRead r;
  const auto dots = text.find("..");
  const auto min = dots == std::string::npos ? std::nullopt : num::readDouble(text.substr(0, dots));
  const auto max = dots == std::string::npos ? std::nullopt : num::readDouble(text.substr(dots + 2));
  if (!min || !max) {
    r.problem = RangeProblem::Unreadable;
  } else if (*min < kMinConcentration || *max > kMaxConcentration || *max < kMinConcentration ||
             *min > kMaxConcentration) {
    r.problem = RangeProblem::OutOfEntry;
  } else if (*min > *max) {
    r.problem = RangeProblem::Reversed;
  } else {
    r.range = DrawRange{*min, *max};
  }
  return r;
}

double roundedWithin(double value, const DrawRange& range) {
  if (value <= 0) return value;
  const double step = std::pow(10.0, std::floor(std::log10(value)) - 2);
  // The decimal rounding of the text, not of the binary value.
  double r = num::readDouble(num::format(value, "0.00E+00")).value_or(value);
  if (r > range.max) r = std::floor(value / step) * step;
  if (r < range.min) r = std::ceil(value / step) * step;
  return r;
}

std::string UnknownDraw::draw(const DrawRange& range) {
  const double unit = static_cast<double>(generator_() >> 11) * 0x1p-53;  // [0, 1)
  const double value = roundedWithin(range.min + unit * (range.max - range.min), range);
  return num::trim(num::formatSingle(static_cast<float>(value), kMaskCellEntry));
}

}  // namespace velmira::model
