// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/EntryBinding.h"

#include "model/EntryRules.h"
#include "model/Workbench.h"
#include "platform/qt/Beep.h"
#include "ui/EntryField.h"

namespace velmira::ui {

EntryBinding::EntryBinding(model::Workbench& wb, MessageService& messages, QObject* parent)
    : QObject(parent), wb_(wb), messages_(messages) {}

void EntryBinding::bind(EntryField* field) {
  const int i = field->index();
  connect(field, &EntryField::validationRequested, this, [this, field] {
    validate(field);
    emit stepMade(entryStep());
  });
  connect(field, &QLineEdit::textChanged, this, [this, i](const QString& t) {
    // An unknown's field shows "?": its value stays behind it.
    if (wb_.entryConcealed(i)) return;
    wb_.setEntryText(i, t.toStdString());
  });
  if (i == model::Volume1 || i == model::Volume2) {
    connect(field, &EntryField::stepRequested, this, [this, field](int, int steps, bool fine) {
      step(field, steps, fine);
      emit stepMade(QStringLiteral(QT_TRANSLATE_NOOP("velmira::steps", "Burette")));
    });
  }
}

void EntryBinding::validate(EntryField* field) {
  if (validating_) return;
  const int i = field->index();
  if (wb_.entryConcealed(i)) return;  // "?" is shown, never taken
  validating_ = true;
  wb_.setEntryText(i, field->text().toStdString());
  model::validateEntry(wb_, i, messages_);
  emit entryChanged(i);
  validating_ = false;
}

void EntryBinding::step(EntryField* field, int steps, bool fine) {
  const int i = field->index();
  wb_.setEntryText(i, field->text().toStdString());
  if (model::stepVolume(wb_, i, steps, fine)) qtp::beep();
  emit entryChanged(i);
}

}  // namespace velmira::ui
