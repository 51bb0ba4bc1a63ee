// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/drawing/BeakerRule.h"

#include "model/Workbench.h"
#include "platform/core/NumberText.h"
#include "platform/qt/Surface.h"
#include "ui/drawing/BeakerPicture.h"
#include "ui/drawing/BenchLayout.h"
#include "ui/drawing/GradientBand.h"
#include "widgets/Colours.h"

namespace velmira::ui {

int surfaceLine(double volume, bool conductimeter) {
  return static_cast<int>(num::roundHalfEven(layout::emptySurfaceLine(conductimeter) - volume / 4));
}

void drawBeaker(qtp::Surface& page, int y0, int t) {
  page.arc(96, y0, 30, 0, 3.14, 0.1, widgets::kLightGrey);
  page.drawImage(63, t, beakerPicture(page.devicePixelRatio()));
  const int s = t + 32;
  const int e = t + 90;
  page.filledRectangle(98, s, 105, y0, Qt::black);
  page.filledRectangle(98, y0, 105, e, widgets::kStem);
  page.line(99, s, 99, e, Qt::white);
  page.line(100, s, 100, e, widgets::kLightGrey);
  page.filledRectangle(98, e + 1, 105, e + 7, widgets::kElectrodeTip);
  page.arc(96, y0, 30, 3.14, 6.28, 0.1, widgets::kDarkGrey);
}

double mixtureVolume(const model::Workbench& wb) {
  return static_cast<double>(wb.entryValue(model::Volume1)) + wb.entryValue(model::Volume2);
}

void updateBeakerLevel(qtp::Surface& mixturePage, bool conductimeter, double volume, bool precipitate) {
  mixturePage.setPersistent(true);
  mixturePage.clear();
  const int from = layout::beakerBandTop(conductimeter);
  drawBandRows(mixturePage, from, from + 80, 60, mixturePage.width() - 270);
  const int y0 = surfaceLine(volume, conductimeter);
  const int t = layout::beakerTop(conductimeter);
  drawBeaker(mixturePage, y0, t);
  if (precipitate) {
    // Grains in staggered rows, from below the surface to the bottom, off the cell's stem.
    for (int y = y0 + 4, row = 0; y < t + kBeakerSize.height() - 8; y += 4, ++row)
      for (int x = 70 + 2 * (row % 2); x < 63 + kBeakerSize.width() - 8; x += 5)
        if (x < 96 || x > 107) mixturePage.filledRectangle(x, y, x + 1, y + 1, widgets::kPrecipitateGrain);
  }
  mixturePage.setBackgroundPicture(mixturePage.image());
  mixturePage.setPersistent(false);
}

}  // namespace velmira::ui
