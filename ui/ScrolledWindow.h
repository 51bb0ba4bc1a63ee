// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window too large for the screen even at the least scale sits whole in a
// scroll area: a window of its own that shows the content's title and icon,
// asks the content before closing and closes when the content closes itself.
#include <QScrollArea>

namespace velmira::ui {

class ScrolledWindow : public QScrollArea {
 public:
  // `content` was a window; it stays owned by its owner (taken back when this
  // window goes).
  explicit ScrolledWindow(QWidget& content);
  ~ScrolledWindow() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& content_;
  bool closing_ = false;
};

}  // namespace velmira::ui
