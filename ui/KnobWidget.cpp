// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/KnobWidget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "model/Knob.h"
#include "model/Workbench.h"
#include "ui/drawing/KnobPicture.h"
#include "widgets/Colours.h"

namespace velmira::ui {

KnobWidget::KnobWidget(int index, model::Workbench& wb, QWidget* parent)
    : widgets::SurfaceWidget(parent), index_(index), wb_(wb) {
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  place(QPoint(0, 0), QSize(kKnobSize, kKnobSize));
  surface().setBackColor(widgets::kGeneratorFace);
}

double KnobWidget::value() const { return wb_.knobValue(index_); }

void KnobWidget::redraw() {
  drawn_ = false;
  if (isVisible()) draw();
}

void KnobWidget::draw() {
  surface().setPersistent(true);
  drawKnob(surface(), wb_.knobValue(index_));
  surface().setPersistent(false);
  drawn_ = true;
  update();
}

void KnobWidget::showEvent(QShowEvent* event) {
  if (!drawn_) draw();
  widgets::SurfaceWidget::showEvent(event);
}

QImage KnobWidget::picture(double ratio) {
  if (surface().devicePixelRatio() == ratio) {
    if (!drawn_) draw();
    return surface().image();
  }
  qtp::Surface s(surface().width(), surface().height(), ratio);
  s.setBackColor(surface().backColor());
  s.setPersistent(true);
  drawKnob(s, wb_.knobValue(index_));
  return s.image();
}

void KnobWidget::mouseMoveEvent(QMouseEvent* event) {
  emit pointerHint(index_);
  if (event->buttons() & Qt::LeftButton) {
    const QPointF pos = event->position();
    model::knobDrag(wb_, index_, pos.x(), pos.y());
    redraw();
    emit turned(index_);
  }
  event->accept();
}

void KnobWidget::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  event->accept();
}

void KnobWidget::keyPressEvent(QKeyEvent* event) {
  int key = 0;
  switch (event->key()) {
    case Qt::Key_Left:
      key = model::kKeyLeft;
      break;
    case Qt::Key_Up:
      key = model::kKeyUp;
      break;
    case Qt::Key_Right:
      key = model::kKeyRight;
      break;
    case Qt::Key_Down:
      key = model::kKeyDown;
      break;
    default:
      widgets::SurfaceWidget::keyPressEvent(event);
      return;
  }
  if (model::knobKey(wb_, index_, key)) {
    redraw();
    emit turned(index_);
  }
  event->accept();
}

void KnobWidget::focusInEvent(QFocusEvent* event) {
  widgets::SurfaceWidget::focusInEvent(event);
  update();
  emit focusHint(index_);
}

void KnobWidget::focusOutEvent(QFocusEvent* event) {
  widgets::SurfaceWidget::focusOutEvent(event);
  update();
}

void KnobWidget::paintEvent(QPaintEvent* event) {
  widgets::SurfaceWidget::paintEvent(event);
  if (!hasFocus()) return;
  // The knob the arrow keys turn: a ring around its face.
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(QPen(widgets::kDarkBlue, 2, Qt::DotLine));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(20, 20), 19.5, 19.5);
}

}  // namespace velmira::ui
