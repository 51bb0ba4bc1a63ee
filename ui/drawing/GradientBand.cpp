// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/drawing/GradientBand.h"

#include "platform/core/NumberText.h"
#include "platform/qt/Surface.h"
#include "widgets/Colours.h"

namespace velmira::ui {

QColor bandColour(int i) {
  const int g = static_cast<int>(num::roundHalfEven(200 + 55.0 * i / 300));
  const int b = static_cast<int>(num::roundHalfEven(155 + 100.0 * i / 300));
  return {255, g, b};
}

void drawBandRows(qtp::Surface& page, int from, int to, int x1, int x2) {
  const int top = bandTop(page.height());
  std::vector<qtp::Surface::Segment> rows;
  rows.reserve(static_cast<std::size_t>(std::max(0, to - from + 1)));
  for (int i = from; i <= to; ++i)
    rows.push_back({double(x1), double(top + i), double(x2), double(top + i), bandColour(i)});
  page.lines(rows);
}

void drawBand(qtp::Surface& page) {
  const int w = page.width();
  const int top = bandTop(page.height());
  drawBandRows(page, 0, kBandRows - 1, kBandMargin, w - kBandMargin);
  page.rectangle(kBandMargin, top, w - kBandMargin, top + kBandRows - 1, widgets::kDarkGrey);
}

}  // namespace velmira::ui
