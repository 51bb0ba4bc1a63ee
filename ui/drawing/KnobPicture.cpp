// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/drawing/KnobPicture.h"

#include "model/Knob.h"
#include "platform/qt/Surface.h"
#include "widgets/Colours.h"

namespace velmira::ui {

void drawKnob(qtp::Surface& knob, double v) {
  const int width = knob.drawWidth();
  const bool solid = knob.fillSolid();
  const QColor fill = knob.fillColor();
  knob.clear();
  knob.setDrawWidth(2);
  knob.setFillSolid(widgets::kKnobRim);
  knob.circle(23, 23, 18, widgets::kKnobRim);
  knob.setFillSolid(widgets::kKnobFace);
  knob.circle(20, 20, 18, widgets::kDarkGrey);
  knob.line(9, 31, 31, 9, widgets::kKnobHighlight);
  const auto [x, y] = model::knobPointerEnd(v);
  knob.line(model::kKnobCentre, model::kKnobCentre, x, y, widgets::kRed);
  knob.setDrawWidth(width);
  if (solid)
    knob.setFillSolid(fill);
  else
    knob.setFillTransparent();
}

}  // namespace velmira::ui
