// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `Text1`: an entry field with the entry key filter. Enter and the loss of
// focus to another control of the window ask for validation. The two volume
// fields are burettes: Up/Down and the wheel ask for a step (Shift: a fine
// one).
#include <QLineEdit>

namespace velmira::ui {

class EntryField : public QLineEdit {
  Q_OBJECT
 public:
  EntryField(int index, QWidget* parent = nullptr);
  int index() const { return index_; }

  // The key code of a character key as the filter receives it (Backspace 8,
  // Enter 13, else the character's code); -1 for keys that are not
  // characters (arrows, Delete, Tab, shortcuts), which keep their usual
  // editing effect.
  static int keyCode(const QKeyEvent& event);

 signals:
  void validationRequested(int index);
  // `steps` up (negative: down), fine with Shift.
  void stepRequested(int index, int steps, bool fine);

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  bool isBurette() const;

  int index_;
  int wheelAngle_ = 0;  // eighths of a degree not yet stepped
};

}  // namespace velmira::ui
