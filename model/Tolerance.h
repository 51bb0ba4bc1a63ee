// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The instruments' stated tolerances (type B), as school instruments state
// them: ±(p % of the reading + 1 unit of the last digit shown), on the
// calibre in use; conductimeter 1 %, voltmeter 0,5 %, ammeter 1 %. The
// standard uncertainty is tolerance / √3.
//
// Everything is read from the display as shown (its unit, its last digit),
// so the readings themselves are untouched.
#include <optional>
#include <string>
#include <string_view>

#include "model/Workbench.h"

namespace velmira::model {

// p, in percent of the reading.
double tolerancePercent(Meter meter);

struct ReadingUncertainty {
  double value = 0;      // the reading, in the display's unit
  double digit = 0;      // one unit of its last digit
  double tolerance = 0;  // p % of |value| + digit
  double u = 0;          // tolerance / √3
};

// None for a display that shows no number (empty, overflow).
std::optional<ReadingUncertainty> readingUncertainty(Meter meter, std::string_view display);
std::optional<ReadingUncertainty> readingUncertainty(const Workbench& wb, Meter meter, int bench);

// "u = 0,17" for a display: u with two significant digits, in the
// display's unit; empty when the display shows no number.
std::string readingUncertaintyText(Meter meter, std::string_view display);

}  // namespace velmira::model
