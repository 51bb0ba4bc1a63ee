// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A waiting notice shown over a window while files load.
#include <QLabel>

namespace velmira::files::ui {

class WaitNotice : public QLabel {
  Q_OBJECT
 public:
  WaitNotice(const QString& text, QWidget* window);
  // Shown at once over the middle of the window.
  void showNow();
};

}  // namespace velmira::files::ui
