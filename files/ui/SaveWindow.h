// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `enregistrer`: where a configuration is saved.
#include <QDialog>
#include <string>

class QLineEdit;
class QPushButton;

namespace velmira {
class MessageService;
namespace files::ui {

class ConfigOwner;
class FileChooser;

class SaveWindow : public QDialog {
  Q_OBJECT
 public:
  SaveWindow(ConfigOwner& owner, MessageService& messages, const QString& appFolder, QWidget* parent = nullptr);

  FileChooser* chooser() const { return chooser_; }
  QLineEdit* fileNameField() const { return fileNameField_; }
  QPushButton* saveButton() const { return save_; }
  // "Enregistrer": forms the name, asks before overwriting, writes; closes
  // the window on success.
  void saveNamed();

 private:
  ConfigOwner& owner_;
  MessageService& messages_;
  QString appFolder_;
  FileChooser* chooser_ = nullptr;
  QLineEdit* fileNameField_ = nullptr;
  QPushButton* save_ = nullptr;
  // The name put in the field, as bytes: saved under them while the field
  // still shows it (a name that is not UTF-8 written back as it was).
  std::string offered_;
};

}  // namespace files::ui
}  // namespace velmira
