// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/SelectorGroup.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace velmira::widgets {

namespace {
constexpr char kSelectorProperty[] = "velmiraSelector";
}

bool isSelector(const QAbstractButton* button) { return button && button->property(kSelectorProperty).toBool(); }

SelectorGroup::SelectorGroup(QList<QAbstractButton*> buttons, QObject* parent)
    : QObject(parent), buttons_(std::move(buttons)) {
  for (QAbstractButton* b : buttons_) {
    b->setProperty(kSelectorProperty, true);
    b->installEventFilter(this);
    connect(b, &QAbstractButton::toggled, this, &SelectorGroup::updateTabStop);
  }
  updateTabStop();
}

void SelectorGroup::updateTabStop() {
  QAbstractButton* stop = nullptr;
  for (QAbstractButton* b : buttons_)
    if (b->isChecked() && b->isEnabled()) stop = b;
  if (!stop)
    for (QAbstractButton* b : buttons_)
      if (b->isEnabled() && !stop) stop = b;
  for (QAbstractButton* b : buttons_) {
    // A button that has the focus keeps it reachable until it loses it.
    b->setFocusPolicy(b == stop || b->hasFocus() ? Qt::StrongFocus : Qt::ClickFocus);
  }
}

bool SelectorGroup::eventFilter(QObject* watched, QEvent* event) {
  auto* button = qobject_cast<QAbstractButton*>(watched);
  if (!button) return false;
  if (event->type() == QEvent::FocusOut) {
    updateTabStop();
    return false;
  }
  if (event->type() != QEvent::KeyPress) return false;
  const int key = static_cast<QKeyEvent*>(event)->key();
  int step = 0;
  if (key == Qt::Key_Down || key == Qt::Key_Right)
    step = 1;
  else if (key == Qt::Key_Up || key == Qt::Key_Left)
    step = -1;
  else
    return false;
  const int n = static_cast<int>(buttons_.size());
  int i = static_cast<int>(buttons_.indexOf(button));
  for (int tries = 0; tries < n; ++tries) {
    i = (i + step + n) % n;
    QAbstractButton* next = buttons_[i];
    if (!next->isEnabled() || !next->isVisibleTo(next->window())) continue;
    next->setFocusPolicy(Qt::StrongFocus);
    next->setFocus(Qt::TabFocusReason);
    next->click();
    break;
  }
  updateTabStop();
  return true;
}

}  // namespace velmira::widgets
