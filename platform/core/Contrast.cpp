// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/Contrast.h"

#include <algorithm>
#include <cmath>

namespace velmira {

namespace {
double linear(int channel) {
  const double c = std::clamp(channel, 0, 255) / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
}  // namespace

double relativeLuminance(Rgb c) { return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b); }

double contrastRatio(Rgb a, Rgb b) {
  const double la = relativeLuminance(a), lb = relativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace velmira
