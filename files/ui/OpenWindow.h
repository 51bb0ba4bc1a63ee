// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `ouvrir`: which configuration is opened.
#include <QDialog>
#include <string>

class QLineEdit;
class QPushButton;

namespace velmira {
class MessageService;
namespace files::ui {

class ConfigOwner;
class FileChooser;
class WaitNotice;

class OpenWindow : public QDialog {
  Q_OBJECT
 public:
  OpenWindow(ConfigOwner& owner, MessageService& messages, const QString& appFolder, QWidget* parent = nullptr);

  FileChooser* chooser() const { return chooser_; }
  QLineEdit* fileNameField() const { return fileNameField_; }
  WaitNotice* waitNotice() const { return notice_; }
  // OUVRIR: checks the name, then loads it and closes the window.
  void openNamed();

 private:
  // A file of the list clicked (its name's bytes): its full name shown in the
  // field, its folder the current folder.
  void fileChosen(const std::string& name);

  ConfigOwner& owner_;
  MessageService& messages_;
  FileChooser* chooser_ = nullptr;
  QLineEdit* fileNameField_ = nullptr;
  WaitNotice* notice_ = nullptr;
  std::string chosen_;  // the clicked file's path, as bytes
};

}  // namespace files::ui
}  // namespace velmira
