// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/TitleStrip.h"

#include "platform/core/NumberText.h"
#include "platform/qt/Surface.h"

namespace velmira::widgets {

QColor titleLetterColour(int i, int n) {
  return {255, 255, static_cast<int>(num::roundHalfEven(static_cast<double>(i) / n * 100 + 155))};
}

void drawTitleStrip(qtp::Surface& strip, const QString& title) {
  strip.setPersistent(true);
  strip.setBackColor(kTitleStripBackground);
  strip.clear();
  strip.setFont(QStringLiteral("Arial"), 24, true);
  strip.setPen(30, (strip.height() - strip.textHeight(title)) / 2 - 2);
  const int n = static_cast<int>(title.size());
  for (int i = 1; i <= n; ++i) {
    strip.setForeColor(titleLetterColour(i, n));
    strip.printStay(title.mid(i - 1, 1));
  }
}

}  // namespace velmira::widgets
