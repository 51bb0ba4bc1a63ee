// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FormulaBox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "model/Workbench.h"
#include "ui/drawing/SoluteList.h"
#include "ui/drawing/SolutionPanels.h"
#include "widgets/Colours.h"

namespace velmira::ui {

FormulaBox::FormulaBox(int index, QWidget* parent) : widgets::SurfaceWidget(parent), index_(index) {
  // Reachable with Tab; Space, Enter or Alt+Down open the list.
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  place(QPoint(0, 0), kFormulaBoxSize);
  surface().setBackColor(Qt::white);
  setCursor(Qt::PointingHandCursor);
}

void FormulaBox::showSolute(const qtp::Surface& list, int n, bool unknown) {
  surface().setPersistent(true);
  showFormula(surface(), list, n);
  if (unknown) {
    // As a formula of the list would stand.
    surface().setFont(QStringLiteral("Arial"), 10, true, false);
    surface().setForeColor(Qt::black);
    surface().setPen(10, 2 + kListTextDrop);
    surface().printLine(QString::fromUtf8(model::kHiddenEntryText));
  }
  surface().setPersistent(false);
  update();
}

void FormulaBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked(index_);
  event->accept();
}

void FormulaBox::keyPressEvent(QKeyEvent* event) {
  const int k = event->key();
  const bool opens = k == Qt::Key_Space || k == Qt::Key_Return || k == Qt::Key_Enter ||
                     (k == Qt::Key_Down && (event->modifiers() & Qt::AltModifier));
  if (!opens) {
    widgets::SurfaceWidget::keyPressEvent(event);
    return;
  }
  event->accept();
  emit clicked(index_);
}

void FormulaBox::focusInEvent(QFocusEvent* event) {
  widgets::SurfaceWidget::focusInEvent(event);
  update();
}

void FormulaBox::focusOutEvent(QFocusEvent* event) {
  widgets::SurfaceWidget::focusOutEvent(event);
  update();
}

void FormulaBox::paintEvent(QPaintEvent* event) {
  widgets::SurfaceWidget::paintEvent(event);
  // A sunken edge, as an entry box.
  QPainter p(this);
  p.setPen(widgets::kDarkGrey);
  p.drawLine(0, 0, width() - 1, 0);
  p.drawLine(0, 0, 0, height() - 1);
  p.setPen(Qt::white);
  p.drawLine(1, height() - 1, width() - 1, height() - 1);
  p.drawLine(width() - 1, 1, width() - 1, height() - 1);
  if (hasFocus()) {
    p.setPen(QPen(widgets::kDarkBlue, 1, Qt::DotLine));
    p.drawRect(2, 2, width() - 5, height() - 5);
  }
}

}  // namespace velmira::ui
