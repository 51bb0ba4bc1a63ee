// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DesignSize.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "platform/core/ScreenFit.h"

namespace velmira::ui {

DesignSize::DesignSize(QWidget& window) : QObject(&window), window_(window) { window.installEventFilter(this); }

void DesignSize::applyOnScreen() {
  if (QScreen* s = window_.screen()) apply(s->geometry().size());
}

void DesignSize::apply(QSize screen) {
  if (screen.width() <= kWideScreen) return;
  QWidget& w = window_;
  // Maximised or full screen, the window takes what the pupil gave it.
  if (w.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) return;
  sizing_ = true;
  // The rule sizes the whole window, frame included; it may grow from there.
  const QRect frame = w.frameGeometry();
  const QRect client = w.geometry();
  const int dw = frame.width() - client.width();
  const int dh = frame.height() - client.height();
  w.setMinimumSize(kWindowWidth - dw, kWindowHeight - dh);
  w.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  w.resize(kWindowWidth - dw, kWindowHeight - dh);
  const QScreen* on = w.screen();
  const QRect whole = on ? on->geometry() : QRect(QPoint(0, 0), screen);
  const QRect free = on && on->geometry().size() == screen ? on->availableGeometry() : QRect(whole.topLeft(), screen);
  // Centred on the screen, but whole within its free area (a frame not yet
  // known counts as the usual one).
  const double ratio = w.devicePixelRatioF();
  const int frameW = dw > 0 ? dw : qRound(kFrameWidth / ratio);
  const int frameH = dh > 0 ? dh : qRound(kFrameHeight / ratio);
  const int x = std::max(
      free.left(), std::min(whole.x() + (screen.width() - kWindowWidth) / 2, free.right() + 1 - (w.width() + frameW)));
  const int y = std::max(free.top(), std::min(whole.y() + (screen.height() - kWindowHeight) / 2,
                                              free.bottom() + 1 - (w.height() + frameH)));
  w.move(x, y);
  sizing_ = false;
}

bool DesignSize::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &window_) return false;
  switch (event->type()) {
    case QEvent::Move:
      // The window manager's frame becomes known after the window is shown:
      // the rule is applied again with it, once.
      if (shownOnce_ && !framedOnce_ && !sizing_ && window_.isWindow() &&
          window_.frameGeometry() != window_.geometry()) {
        framedOnce_ = true;
        applyOnScreen();
      }
      break;
    case QEvent::Show:
      // The frame's size is known once the window is on screen.
      if (!shownOnce_) {
        shownOnce_ = true;
        applyOnScreen();
      }
      break;
    default:
      break;
  }
  return false;
}

}  // namespace velmira::ui
