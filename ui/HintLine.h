// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `info`: the hint line, a label in the tooltip colours whose caption every
// control replaces when the pointer moves over it.
#include <QLabel>

namespace velmira::ui {

class HintLine : public QLabel {
  Q_OBJECT
 public:
  explicit HintLine(QWidget* parent = nullptr);
  // The caption as set (a CR LF pair is the line break).
  void setHint(const QString& text);
  QString hint() const { return hint_; }

 private:
  QString hint_;
};

// The hint of the window background, also the text at start-up.
QString backgroundHint();

}  // namespace velmira::ui
