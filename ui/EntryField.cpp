// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/EntryField.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QWheelEvent>

#include "model/EntryRules.h"
#include "model/Workbench.h"

namespace velmira::ui {

EntryField::EntryField(int index, QWidget* parent) : QLineEdit(parent), index_(index) {}

int EntryField::keyCode(const QKeyEvent& event) {
  const int key = event.key();
  if (key == Qt::Key_Backspace) return model::kKeyBackspace;
  // Ctrl+Enter is the window's: it records the bench shown.
  if (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return -1;
  if (key == Qt::Key_Return || key == Qt::Key_Enter) return model::kKeyEnter;
  const QString text = event.text();
  if (text.size() != 1) return -1;
  const QChar c = text.at(0);
  if (c.unicode() < 32 || c.unicode() == 127) return -1;  // Tab, Escape, Delete...
  return c.unicode();
}

namespace {

// Undo and redo are the work's, from every entry: the field keeps no typing history of its own.
bool isWorkHistoryKey(const QKeyEvent& event) {
  return event.matches(QKeySequence::Undo) || event.matches(QKeySequence::Redo) ||
         event.keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y);
}

}  // namespace

bool EntryField::event(QEvent* event) {
  // Not taken here, the keys reach the window's shortcuts.
  if (event->type() == QEvent::ShortcutOverride && isWorkHistoryKey(*static_cast<QKeyEvent*>(event))) return false;
  return QLineEdit::event(event);
}

bool EntryField::isBurette() const { return index_ == model::Volume1 || index_ == model::Volume2; }

void EntryField::keyPressEvent(QKeyEvent* event) {
  const bool up = event->key() == Qt::Key_Up, down = event->key() == Qt::Key_Down;
  if (isBurette() && (up || down) && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
    emit stepRequested(index_, up ? 1 : -1, event->modifiers() & Qt::ShiftModifier);
    event->accept();
    return;
  }
  if (isWorkHistoryKey(*event)) {
    event->ignore();
    return;
  }
  const int code = keyCode(*event);
  if (code < 0) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  // Characters beyond 7-bit ASCII are letters or signs the filter refuses.
  const model::KeyOutcome outcome =
      code < 128 ? model::filterEntryKey(code) : model::KeyOutcome{model::KeyAction::Discard};
  switch (outcome.action) {
    case model::KeyAction::Insert:
      if (outcome.ch == model::kKeyBackspace) {
        backspace();
      } else {
        insert(QString(QChar(outcome.ch)));
      }
      break;
    case model::KeyAction::Validate:
      emit validationRequested(index_);
      break;
    case model::KeyAction::Discard:
      break;
  }
  event->accept();
}

void EntryField::wheelEvent(QWheelEvent* event) {
  if (!isBurette()) {
    QLineEdit::wheelEvent(event);
    return;
  }
  // One step per notch (120 eighths of a degree); finer wheels add up.
  constexpr int kNotch = 120;
  // Some platforms turn a wheel held with Shift into a horizontal one.
  const QPoint angle = event->angleDelta();
  wheelAngle_ += angle.y() != 0 ? angle.y() : angle.x();
  const int steps = wheelAngle_ / kNotch;
  wheelAngle_ -= steps * kNotch;
  if (steps != 0) emit stepRequested(index_, steps, event->modifiers() & Qt::ShiftModifier);
  event->accept();
}

void EntryField::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // A message box, a menu or another application taking the focus is not
  // a move to another control of the window.
  const Qt::FocusReason r = event->reason();
  if (r == Qt::ActiveWindowFocusReason || r == Qt::PopupFocusReason) return;
  emit validationRequested(index_);
}

}  // namespace velmira::ui
