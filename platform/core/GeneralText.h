// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared by the general number format and the plain conversion.
#include <string>

namespace velmira::num::detail {

// Up to `significant` significant digits, no trailing zeros, exponent form
// ("E-05", "E+15") when the decimal exponent is below -4 or from
// `significant` on; "-" before a negative value, nothing before the others.
std::string generalText(double value, int significant, char separator, bool zeroBeforePoint);

}  // namespace velmira::num::detail
