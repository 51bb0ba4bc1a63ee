// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where things are on a bench page (page pixels, the same on the three
// pages): the instrument boxes of both montages, the anchors of their live
// controls and the beaker. The bench picture draws from these positions and
// the panels place their controls from them.
#include <QPoint>
#include <QRect>

namespace velmira::ui::layout {

// Generator montage: the voltmeter, the ammeter and the generator (G.B.F.),
// each box from its top-left to its bottom-right corner.
inline constexpr QRect kVoltmeterBox{QPoint(90, 165), QPoint(180, 275)};
inline constexpr QRect kAmmeterBox{QPoint(262, 206), QPoint(352, 316)};
inline constexpr QRect kGeneratorBox{QPoint(233, 344), QPoint(375, 447)};
// An instrument's title, from its box's corner; its display follows the
// title's line, its calibres follow the display's caption.
inline constexpr QPoint kTitleOffset{5, 1};
// The vertical axis of the voltmeter's and the ammeter's display and calibres.
inline constexpr int kVoltmeterAxis = 135;
inline constexpr int kAmmeterAxis = 307;
// The generator's screen (centred on its axis) and its two knobs: the
// amplitude's left edge, the frequency's right edge.
inline constexpr int kGeneratorScreenAxis = 304;
inline constexpr int kGeneratorScreenTop = 367;
inline constexpr int kKnobTop = 390;
inline constexpr int kAmplitudeKnobLeft = 250;
inline constexpr int kFrequencyKnobRight = 360;

// Conductimeter montage: the instrument's outer frame, its display (made
// this wide) and its six range buttons with their unit captions.
inline constexpr QRect kConductimeterBox{QPoint(225, 230), QPoint(345, 409)};
inline constexpr QPoint kConductimeterDisplay{235, 250};
inline constexpr int kConductimeterDisplayWidth = 100;
inline constexpr int kRangeButtonLeft = 260;
inline constexpr int kRangeUnitLeft = 280;
inline constexpr int kConductanceTitleTop = 275;
inline constexpr int kConductivityTitleTop = 340;

// Range button j (0..5): S, mS, µS under "Conductance", then the three
// conductivity units under "Conductivité".
constexpr int rangeButtonTop(int j) { return j < 3 ? 290 + 15 * j : 355 + 15 * (j - 3); }

// The beaker picture's top in each montage.
constexpr int beakerTop(bool conductimeter) { return conductimeter ? 305 : 345; }
// The liquid's surface line for an empty beaker; each mL raises it by 1/4 px.
constexpr double emptySurfaceLine(bool conductimeter) { return conductimeter ? 400.0 : 440.0; }
// The band rows behind the mixture's beaker start here (80 rows).
constexpr int beakerBandTop(bool conductimeter) { return conductimeter ? 170 : 210; }

}  // namespace velmira::ui::layout
