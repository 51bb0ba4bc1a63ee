// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/SurfaceWidget.h"

#include <QPainter>
#include <QResizeEvent>

namespace velmira::widgets {

SurfaceWidget::SurfaceWidget(QWidget* parent)
    : QWidget(parent), surface_(1, 1, parent ? parent->devicePixelRatioF() : 1.0) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  surface_.setChangedCallback([this] {
    if (!painting_) update();
  });
}

void SurfaceWidget::place(const QRect& r) {
  setGeometry(r);
  if (surface_.size() != r.size()) surface_.resize(r.width(), r.height());
}

void SurfaceWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (surface_.devicePixelRatio() != devicePixelRatioF()) surface_.setDevicePixelRatio(devicePixelRatioF());
  if (surface_.size() != size()) surface_.resize(width(), height());
}

void SurfaceWidget::paintEvent(QPaintEvent*) {
  painting_ = true;
  paintHandler();
  painting_ = false;
  QPainter p(this);
  surface_.paintTo(p);
}

}  // namespace velmira::widgets
