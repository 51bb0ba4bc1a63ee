// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Tolerance.h"

#include <cmath>

#include "platform/core/NumberText.h"

namespace velmira::model {

double tolerancePercent(Meter meter) {
  switch (meter) {
    case Meter::Conductimeter:
      return 1;
    case Meter::Voltmeter:
      return 0.5;
    case Meter::Ammeter:
      return 1;
  }
  return 0;
}

std::optional<ReadingUncertainty> readingUncertainty(Meter meter, std::string_view display) {
  const auto value = num::readDouble(display);
  if (!value) return std::nullopt;
  // The last digit shown: one unit of the last decimal, or of the units.
  int decimals = 0;
  if (const auto comma = display.find(','); comma != std::string_view::npos)
    for (std::size_t i = comma + 1; i < display.size() && display[i] >= '0' && display[i] <= '9'; ++i) ++decimals;
  ReadingUncertainty r;
  r.value = *value;
  r.digit = std::pow(10.0, -decimals);
  r.tolerance = tolerancePercent(meter) / 100 * std::fabs(r.value) + r.digit;
  r.u = r.tolerance / std::sqrt(3.0);
  return r;
}

std::optional<ReadingUncertainty> readingUncertainty(const Workbench& wb, Meter meter, int bench) {
  return readingUncertainty(meter, wb.display(meter, bench));
}

std::string readingUncertaintyText(Meter meter, std::string_view display) {
  const auto r = readingUncertainty(meter, display);
  if (!r) return std::string();
  return "u = " + num::general(r->u, 2);
}

}  // namespace velmira::model
