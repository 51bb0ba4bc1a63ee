// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/drawing/TabStripPaint.h"

#include <QCoreApplication>
#include <QFontMetrics>

#include "platform/core/NumberText.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/Surface.h"
#include "widgets/Colours.h"

namespace velmira::ui {

QString benchTabTitle(int i) {
  switch (i) {
    case 1:
      return QCoreApplication::translate("velmira::ui::drawing", "Solution 1");
    case 2:
      return QCoreApplication::translate("velmira::ui::drawing", "Solution 2");
    case 3:
      return QCoreApplication::translate("velmira::ui::drawing", "Mélange");
    default:
      return {};
  }
}

TabLayout layoutTabs(int innerWidth, int innerHeight, int shown) {
  TabLayout t;
  t.shown = (shown >= 1 && shown <= 3) ? shown : 1;
  const QFontMetrics plain(qtp::mapFont(QStringLiteral("Arial"), 8, false));
  const QFontMetrics bold(qtp::mapFont(QStringLiteral("Arial"), 8, true));
  t.th = plain.height();
  int widths[4] = {0, 0, 0, 0};
  int total = 0;
  for (int i = 1; i <= 3; ++i) {
    widths[i] = (i == t.shown ? bold : plain).horizontalAdvance(benchTabTitle(i));
    total += widths[i];
  }
  t.gap = (innerWidth - total) / 6.0;
  t.tabEdges[0] = -1;
  for (int i = 1; i <= 2; ++i)
    t.tabEdges[i] = static_cast<int>(num::roundHalfEven(t.tabEdges[i - 1] + widths[i] + 2 * t.gap));
  t.tabEdges[3] = innerWidth;
  const int top = t.th + 5;
  t.page = QRect(4, top, innerWidth - 4 - 4, innerHeight - 4 - top);
  return t;
}

TabLayout paintTabs(qtp::Surface& s, int shown) {
  const TabLayout t = layoutTabs(s.width(), s.height(), shown);
  if (s.backColor() != widgets::kStripBackground) {
    const bool persistent = s.persistent();
    s.setBackColor(widgets::kStripBackground);
    s.setPersistent(true);
    s.clear();
    s.setPersistent(persistent);
  }
  s.clear();
  s.setDrawWidth(1);
  s.setDotted(false);
  s.setFillTransparent();
  s.setFont(QStringLiteral("Arial"), 8, false, false);
  s.setForeColor(Qt::black);
  const int w = s.width(), h = s.height(), th = t.th;
  const auto& b = t.tabEdges;

  s.rectangle(0, 0, w - 1, h - 1, widgets::kDarkGrey);
  s.line(0, 0, 0, h - 1, widgets::kWhite);
  for (int i = 0; i <= 3; ++i) {
    s.line(b[i] - 1, 1, b[i] - 1, th + 1, widgets::kDarkGrey);
    s.line(b[i], 0, b[i], th, widgets::kWhite);
  }
  for (int i = 1; i <= 3; ++i) s.line(b[i - 1] + 1, 0, b[i] - 1, 0, widgets::kWhite);

  const int a = t.shown;
  s.line(0, th + 1, b[a - 1] + 2, th + 1, widgets::kWhite);
  s.line(b[a], th + 1, b[3], th + 1, widgets::kWhite);

  for (int i = 1; i <= 3; ++i) {
    s.setBold(i == a);
    s.setPen(b[i - 1] + t.gap, i == a ? 2 : 1);
    s.printStay(benchTabTitle(i));
  }
  s.setBold(false);

  s.rectangle(1, th + 2, w - 2, h - 2, widgets::kStripBackground);
  s.rectangle(2, th + 3, w - 3, h - 3, widgets::kStripBackground);
  return t;
}

int tabAt(const std::array<int, 4>& tabEdges, double x, double y) {
  if (!(y >= 0 && y <= 15)) return 0;
  for (int i = 3; i >= 1; --i)
    if (tabEdges[i - 1] <= x && x <= tabEdges[i]) return i;
  return 0;
}

}  // namespace velmira::ui
