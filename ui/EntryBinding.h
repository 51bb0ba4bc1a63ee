// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The entry fields bound to the workbench: what is typed is the workbench's
// entry, leaving a field validates it (`Text1_LostFocus`), and the volume
// fields' burette steps it.
#include <QObject>
#include <QString>

namespace velmira {
class MessageService;
}
namespace velmira::model {
class Workbench;
}

namespace velmira::ui {

class EntryField;

class EntryBinding : public QObject {
  Q_OBJECT
 public:
  EntryBinding(model::Workbench& wb, MessageService& messages, QObject* parent);
  void bind(EntryField* field);
  // The field's text validated now, as when it is left.
  void validate(EntryField* field);
  // The name of the work's step a validated entry makes.
  static QString entryStep() { return QStringLiteral(QT_TRANSLATE_NOOP("velmira::steps", "Saisie d'une valeur")); }

 signals:
  // Entry `entry` of the workbench changed: the readings are to be shown again.
  void entryChanged(int entry);
  // The work's step of a validation or a burette step (after entryChanged).
  void stepMade(const QString& step);

 private:
  void step(EntryField* field, int steps, bool fine);

  model::Workbench& wb_;
  MessageService& messages_;
  // A validation's message box can make another field lose the focus.
  bool validating_ = false;
};

}  // namespace velmira::ui
