#pragma once
// `Text1`: an entry field with the entry key filter. Enter and the loss of
// focus to another control of the window ask for validation.
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

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  int index_;
};

}  // namespace velmira::ui
