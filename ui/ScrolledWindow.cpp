// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ScrolledWindow.h"

#include <QCloseEvent>

namespace velmira::ui {

ScrolledWindow::ScrolledWindow(QWidget& content) : content_(content) {
  setWindowTitle(content.windowTitle());
  setWindowIcon(content.windowIcon());
  setWidgetResizable(false);
  setWidget(&content);
  content.installEventFilter(this);
}

ScrolledWindow::~ScrolledWindow() {
  content_.removeEventFilter(this);
  takeWidget();
}

void ScrolledWindow::closeEvent(QCloseEvent* event) {
  // The content's own question decides (its close event); a content that
  // closed itself has already been asked.
  if (closing_) {
    event->accept();
    return;
  }
  closing_ = true;
  if (content_.close()) {
    event->accept();
  } else {
    closing_ = false;
    event->ignore();
  }
}

bool ScrolledWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &content_) {
    switch (event->type()) {
      case QEvent::WindowTitleChange:
        setWindowTitle(content_.windowTitle());
        break;
      case QEvent::WindowIconChange:
        setWindowIcon(content_.windowIcon());
        break;
      case QEvent::Hide:
        // Hidden itself (an accepted close: its "Fermer" command), not with
        // this window: this window goes too.
        if (!closing_ && content_.isHidden() && isVisible()) {
          closing_ = true;
          close();
        }
        break;
      default:
        break;
    }
  }
  return QScrollArea::eventFilter(watched, event);
}

}  // namespace velmira::ui
