// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Knob.h"

#include <cmath>

#include "model/Workbench.h"
#include "platform/core/NumberText.h"

namespace velmira::model {

namespace {
// The constants are used as written.
constexpr double kPi = 3.1416;
constexpr double kHalfPi = 1.57;
constexpr double kTwoPi = 6.28;
}  // namespace

double knobAngle(double v) {
  double theta = 10 * v + 1.6;
  if (theta > kTwoPi) theta -= kTwoPi;
  if (theta < 0) theta += kTwoPi;
  return theta;
}

std::pair<int, int> knobPointerEnd(double v) {
  const double theta = knobAngle(v);
  return {static_cast<int>(num::roundHalfEven(kKnobRadius * std::cos(theta) + kKnobCentre)),
          static_cast<int>(num::roundHalfEven(kKnobRadius * std::sin(theta) + kKnobCentre))};
}

void knobDrag(Workbench& wb, int i, double x, double y) {
  double theta;
  if (x != kKnobCentre) {
    theta = std::atan((y - kKnobCentre) / (x - kKnobCentre));
    if (x < kKnobCentre) theta += kPi;
  } else {
    theta = y < kKnobCentre ? -kHalfPi : kHalfPi;
  }
  if (theta - 1.6 < 0) theta += kTwoPi;
  double vNew = (theta - 1.6) / 10;
  if (vNew < 0) vNew = 0;
  if (vNew > kKnobMax) vNew = kKnobMax;
  const double vOld = wb.knobValue(i);
  if (std::fabs(vNew - vOld) < 0.3) {
    wb.setKnobTag(i, num::plain(vNew));
  } else {
    // Crossing the dead zone between the two ends, or a jump.
    if (vOld < 0.1) wb.setKnobTag(i, "0");
    if (wb.knobValue(i) > 0.5) wb.setKnobTag(i, "0.6");
  }
  wb.updateVoltmeters();
}

double knobStep(int i) { return i % 2 == 0 ? 0.0006 : 0.006 / 8; }

bool knobKey(Workbench& wb, int i, int key) {
  double v = wb.knobValue(i);
  const double step = knobStep(i);
  if (key == kKeyRight || key == kKeyUp) {
    if (v < kKnobMax) v += step;
    if (v > kKnobMax) v = kKnobMax;
  } else if (key == kKeyLeft || key == kKeyDown) {
    if (v > 0) v -= step;
    if (v < 0) v = 0;
  } else {
    return false;
  }
  wb.setKnobTag(i, num::plain(v));
  wb.updateVoltmeters();
  return true;
}

}  // namespace velmira::model
