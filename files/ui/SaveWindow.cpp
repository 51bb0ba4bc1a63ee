// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/ui/SaveWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "files/ConfigFile.h"
#include "files/ConfigName.h"
#include "files/SavePlaces.h"
#include "files/ui/ConfigOwner.h"
#include "files/ui/FileChooser.h"
#include "files/ui/StartFolder.h"
#include "platform/core/FileNames.h"
#include "platform/core/Messages.h"
#include "platform/core/SafeFile.h"
#include "platform/qt/WaitCursor.h"

namespace velmira::files::ui {

SaveWindow::SaveWindow(ConfigOwner& owner, MessageService& messages, const QString& appFolder, QWidget* parent)
    : QDialog(parent), owner_(owner), messages_(messages), appFolder_(appFolder) {
  setObjectName(QStringLiteral("saveWindow"));
  setWindowTitle(QCoreApplication::translate("velmira::files::ui", "Enregistrer les paramètres"));
  chooser_ =
      new FileChooser(QStringLiteral("*") + QString::fromLatin1(kConfigExtension),
                      QCoreApplication::translate("velmira::files::ui", "Emplacement\u00A0:"),
                      QCoreApplication::translate("velmira::files::ui", "Répertoire\u00A0:"),
                      QCoreApplication::translate("velmira::files::ui", "Fichiers enregistrés"), appFolder, this);
  fileNameField_ = new QLineEdit(this);
  fileNameField_->setObjectName(QStringLiteral("fileName"));
  fileNameField_->setAccessibleName(QCoreApplication::translate("velmira::files::ui", "Nom du fichier"));
  save_ = new QPushButton(QCoreApplication::translate("velmira::files::ui", "Enregistrer"), this);
  auto* cancel = new QPushButton(QCoreApplication::translate("velmira::files::ui", "Annuler"), this);
  save_->setAutoDefault(false);
  cancel->setAutoDefault(false);

  auto* grid = new QGridLayout(this);
  grid->addWidget(chooser_, 0, 0, 1, 3);
  grid->addWidget(new QLabel(QCoreApplication::translate("velmira::files::ui", "Nom du fichier\u00A0:"), this), 1, 0);
  grid->addWidget(fileNameField_, 1, 1, 1, 2);
  grid->addWidget(save_, 2, 1);
  grid->addWidget(cancel, 2, 2);
  resize(560, 400);

  // A new folder leaves only the file name in the field.
  connect(chooser_, &FileChooser::folderChanged, this, [this] {
    const QString t = fileNameField_->text();
    const auto sep = t.lastIndexOf(QDir::separator());
    if (sep >= 0) fileNameField_->setText(t.mid(sep + 1));
  });
  connect(chooser_, &FileChooser::fileActivated, this, [this](const std::string& name) {
    offered_ = name;
    fileNameField_->setText(QString::fromStdString(fileio::shownPath(name)));
    saveNamed();
  });
  connect(fileNameField_, &QLineEdit::returnPressed, this, &SaveWindow::saveNamed);
  connect(save_, &QPushButton::clicked, this, &SaveWindow::saveNamed);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  // Where the pupil's files are; a shipped file's name in the documents.
  const SavePlace start = savePlace(owner_.configPath(), appFolder_.toStdString(), documentsFolder().toStdString());
  // A folder the chooser cannot show (its name not UTF-8): the documents.
  if (!chooser_->setFolder(QString::fromStdString(start.folder))) chooser_->setFolder(documentsFolder());
  offered_ = start.name;
  fileNameField_->setText(QString::fromStdString(fileio::shownPath(start.name)));
  // The pupil types the name first.
  fileNameField_->setFocus();
  fileNameField_->selectAll();
}

void SaveWindow::saveNamed() {
  const qtp::WaitCursor wait;
  const auto name = configFileName(fileio::fieldPath(fileNameField_->text().toStdString(), offered_),
                                   chooser_->folder().toStdString());
  if (!name) {
    messages_.show(emptyNameMessage());
    return;
  }
  offered_ = *name;
  fileNameField_->setText(QString::fromStdString(fileio::shownPath(*name)));
  if (refusedSave(QString::fromStdString(*name), appFolder_, messages_)) return;
  QDir::setCurrent(chooser_->folder());
  if (fileio::exists(*name) && messages_.show(overwriteQuestion()) != Answer::Yes) return;
  if (owner_.saveConfiguration(*name)) {
    noteSaved(*name);
    accept();
  }
}

}  // namespace velmira::files::ui
