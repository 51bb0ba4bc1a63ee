// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A group of option buttons whose selection the program decides (not
// auto-exclusive): one Tab stop, the checked button (the first when none
// is), and the arrow keys move to the next or previous button and press it,
// as in a group of radio buttons. Its buttons are announced as radio
// buttons (see isSelector).
#include <QList>
#include <QObject>
#include <QRadioButton>

class QAbstractButton;

namespace velmira::widgets {

class SelectorGroup : public QObject {
  Q_OBJECT
 public:
  // The buttons in the order the arrows walk them; they stay owned by
  // their parents, the group by `parent`.
  SelectorGroup(QList<QAbstractButton*> buttons, QObject* parent);
  const QList<QAbstractButton*>& buttons() const { return buttons_; }
  // The Tab stop follows the checked button; called after a change of the
  // selection (the buttons' toggles call it too).
  void updateTabStop();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QList<QAbstractButton*> buttons_;
};

// A radio button of the style for a selector group: a class of its own, so
// that its accessibility interface (a radio button) is chosen before Qt's.
class SelectorButton : public QRadioButton {
  Q_OBJECT
 public:
  using QRadioButton::QRadioButton;
};

// The button belongs to a selector group: it is a radio button for
// assistive technologies whatever its exclusivity.
bool isSelector(const QAbstractButton* button);

}  // namespace velmira::widgets
