// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Secondary windows on a small screen (a 1024 x 600 netbook): each fits
// the screen's free area with its frame, or scrolls inside a window that
// does.
#include <QSize>

class QDialog;
class QWidget;

namespace velmira::widgets {

// The free area of the screen `window` is on, less a window manager's frame.
QSize freeRoom(const QWidget& window);
// Runs `dialog` modal and returns its result: as it is where it fits
// `room`, else inside a window of that size whose area scrolls.
int execFitting(QDialog& dialog, QSize room);

}  // namespace velmira::widgets
