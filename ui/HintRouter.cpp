// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/HintRouter.h"

#include <QMouseEvent>
#include <QWidget>

#include "ui/HintLine.h"

namespace velmira::ui {

HintRouter::HintRouter(QWidget& window, HintLine& line) : QObject(&window), window_(window), line_(line) {}

void HintRouter::watchAll() {
  for (QWidget* w : window_.findChildren<QWidget*>()) {
    w->setMouseTracking(true);
    w->installEventFilter(this);
  }
}

void HintRouter::setHint(QWidget* w, const QString& text) {
  hints_.insert(w, text);
  w->setMouseTracking(true);
  w->installEventFilter(this);
}

void HintRouter::keepOver(QWidget* w, const QString& kept) {
  keptOver_ = w;
  kept_ = kept;
}

void HintRouter::showUnder(QWidget* w) {
  while (w && !hints_.contains(w)) w = w == &window_ ? nullptr : w->parentWidget();
  if (!w) return;
  if (w == keptOver_ && line_.hint() == kept_) return;
  line_.setHint(hints_.value(w));
}

bool HintRouter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove) {
    auto* me = static_cast<QMouseEvent*>(event);
    QWidget* under = me->buttons() == Qt::NoButton
                         ? window_.childAt(window_.mapFromGlobal(me->globalPosition().toPoint()))
                         : nullptr;
    if (!under) under = qobject_cast<QWidget*>(watched);
    if (under && under != &window_ && !window_.isAncestorOf(under)) under = qobject_cast<QWidget*>(watched);
    showUnder(under);
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace velmira::ui
