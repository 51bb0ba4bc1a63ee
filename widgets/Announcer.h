// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a window says to a screen reader without moving the focus (a new
// model's equation, a new zoom): an invisible notification, spoken as it
// is shown. Qt's own change events carry no text a reader can speak.
#include <QWidget>

namespace velmira::widgets {

class Announcer : public QWidget {
  Q_OBJECT
 public:
  explicit Announcer(QWidget* window);
  // Says `text` (nothing for an empty one); the last text said is the
  // notification's name.
  void say(const QString& text);
};

}  // namespace velmira::widgets
