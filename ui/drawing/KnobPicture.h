// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The knob picture (`desbouton1`'s drawing), on a knob surface of at least
// 42 × 42: the surface is cleared, then with pen width 2 and solid fill a
// shadow disc (radius 18 at (23, 23), (200, 100, 0)), the face (radius 18 at
// (20, 20), (220, 220, 230) outlined in palette 8), a light stroke
// (9, 31)-(31, 9) in (240, 240, 250) and the pointer from (20, 20) to
// model::knobPointerEnd(v) in palette 12. Pen width and fill are restored.
// The caller refreshes the widget and runs updateVoltmeters.
namespace velmira::qtp {
class Surface;
}

namespace velmira::ui {

inline constexpr int kKnobSize = 42;

void drawKnob(qtp::Surface& knob, double v);

}  // namespace velmira::ui
