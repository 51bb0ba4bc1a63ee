// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/ui/WaitNotice.h"

namespace velmira::files::ui {

WaitNotice::WaitNotice(const QString& text, QWidget* window) : QLabel(text, window) {
  setAlignment(Qt::AlignCenter);
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setAutoFillBackground(true);
  hide();
}

void WaitNotice::showNow() {
  const QWidget* w = parentWidget();
  setGeometry(w->rect().adjusted(w->width() / 4, w->height() / 3, -w->width() / 4, -w->height() / 3));
  show();
  raise();
  repaint();
}

}  // namespace velmira::files::ui
