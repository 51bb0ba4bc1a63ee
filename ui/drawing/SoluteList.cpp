// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/drawing/SoluteList.h"

#include "platform/qt/Surface.h"
#include "ui/drawing/SolutionPanels.h"

namespace velmira::ui {

void drawSoluteList(qtp::Surface& list) {
  prepareList(list);
  for (int n = 1; n <= kListRows; ++n) drawListRow(list, n);
}

void prepareList(qtp::Surface& list, int rows) {
  list.setPersistent(true);
  list.setFont(QStringLiteral("Arial"), 10, true, false);
  list.setBackColor(Qt::white);
  list.removeBackgroundPicture();
  list.resize(list.width(), kListRowHeight * rows);
  list.clear();
  list.setForeColor(Qt::black);
}

void drawListRow(qtp::Surface& list, int n) {
  list.setPersistent(true);
  list.setFont(QStringLiteral("Arial"), 10, true, false);
  list.setForeColor(Qt::black);
  list.setPen(10, kListRowHeight * (n - 1) + kListTextDrop);
  printFormula(list, n);
  list.printLine(QString());
}

void showFormula(qtp::Surface& box, const qtp::Surface& list, int n) {
  box.setPersistent(true);
  box.clear();
  if (n < 1 || kListRowHeight * n > list.height()) return;
  box.copyFrom(list, QRect(0, kListRowHeight * (n - 1), list.width(), kListRowHeight), QPoint(0, 2));
}

}  // namespace velmira::ui
