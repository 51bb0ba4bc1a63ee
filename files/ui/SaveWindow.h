// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `enregistrer`: where a configuration is saved.
#include <QDialog>

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
};

}  // namespace files::ui
}  // namespace velmira
