// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace velmira::widgets {

namespace {

QAccessibleInterface* notification(const QString&, QObject* object) {
  if (auto* a = qobject_cast<Announcer*>(object)) return new QAccessibleWidget(a, QAccessible::Notification);
  return nullptr;
}

}  // namespace

Announcer::Announcer(QWidget* window) : QWidget(window) {
  static const bool installed = [] {
    QAccessible::installFactory(notification);
    return true;
  }();
  (void)installed;
  setObjectName(QStringLiteral("announcer"));
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setGeometry(0, 0, 1, 1);
  hide();
}

void Announcer::say(const QString& text) {
  if (text.isEmpty()) return;
  setAccessibleName(text);
  // Shown again: a reader speaks a notification as it appears.
  hide();
  show();
}

}  // namespace velmira::widgets
