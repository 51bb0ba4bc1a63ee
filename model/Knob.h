// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rotary knob arithmetic: value, pointer angle, drag and arrow keys.
#include <string>
#include <utility>

namespace velmira::model {

class Workbench;

inline constexpr double kKnobMax = 0.6;
inline constexpr int kKnobCentre = 20;
inline constexpr int kKnobRadius = 17;  // pointer length

// Pointer angle θ (radians, clockwise from +x, y downwards), wrapped once.
double knobAngle(double v);
// Pointer end point: (round(17 cos θ + 20), round(17 sin θ + 20)), halves to even.
std::pair<int, int> knobPointerEnd(double v);

// Drag with the left button held at (x, y) in the knob's own units: the
// tag of knob i is updated by the dead-zone rule, then updateVoltmeters runs. The
// caller redraws the knob.
void knobDrag(Workbench& wb, int i, double x, double y);

// Arrow keys (37..40); true when the key is an arrow: the tag is rewritten
// and updateVoltmeters runs (the caller redraws the knob). False for any other key.
inline constexpr int kKeyLeft = 37, kKeyUp = 38, kKeyRight = 39, kKeyDown = 40;
bool knobKey(Workbench& wb, int i, int key);

// Step of one arrow press: 0.0006 for an amplitude knob (i even), 0.00075
// for a frequency knob (i odd).
double knobStep(int i);

// Generator values of a knob value.
inline double amplitudeVolts(double v) { return v * 5 / 3; }
inline double frequencyHertz(double v) { return (0.3 + v) * 1333.33333333; }

}  // namespace velmira::model
