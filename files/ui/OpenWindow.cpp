// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/ui/OpenWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "files/ConfigFile.h"
#include "files/ui/ConfigOwner.h"
#include "files/ui/FileChooser.h"
#include "files/ui/StartFolder.h"
#include "files/ui/WaitNotice.h"
#include "model/FlagFile.h"
#include "platform/core/FileNames.h"
#include "platform/core/Messages.h"

namespace velmira::files::ui {

OpenWindow::OpenWindow(ConfigOwner& owner, MessageService& messages, const QString& appFolder, QWidget* parent)
    : QDialog(parent), owner_(owner), messages_(messages) {
  setObjectName(QStringLiteral("openWindow"));
  setWindowTitle(QCoreApplication::translate("velmira::files::ui", "Ouvrir une configuration"));
  chooser_ = new FileChooser(QStringLiteral("*") + QString::fromLatin1(kConfigExtension),
                             QCoreApplication::translate("velmira::files::ui", "Emplacement\u00A0:"),
                             QCoreApplication::translate("velmira::files::ui", "Répertoire"),
                             QCoreApplication::translate("velmira::files::ui", "Fichiers"), appFolder, this);
  fileNameField_ = new QLineEdit(this);
  fileNameField_->setObjectName(QStringLiteral("fileName"));
  fileNameField_->setAccessibleName(QCoreApplication::translate("velmira::files::ui", "Nom du fichier"));
  auto* open = new QPushButton(QCoreApplication::translate("velmira::files::ui", "OUVRIR"), this);
  auto* cancel = new QPushButton(QCoreApplication::translate("velmira::files::ui", "Annuler"), this);
  open->setAutoDefault(false);
  cancel->setAutoDefault(false);
  notice_ =
      new WaitNotice(QCoreApplication::translate("velmira::files::ui", "Patience\u00A0: chargement du fichier"), this);

  auto* grid = new QGridLayout(this);
  grid->addWidget(chooser_, 0, 0, 1, 3);
  grid->addWidget(fileNameField_, 1, 0, 1, 3);
  grid->addWidget(open, 2, 1);
  grid->addWidget(cancel, 2, 2);
  resize(560, 400);

  connect(chooser_, &FileChooser::fileClicked, this, &OpenWindow::fileChosen);
  connect(chooser_, &FileChooser::fileActivated, this, [this](const std::string& name) {
    fileChosen(name);
    openNamed();
  });
  connect(fileNameField_, &QLineEdit::returnPressed, this, &OpenWindow::openNamed);
  connect(open, &QPushButton::clicked, this, &OpenWindow::openNamed);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  chooser_->setFolder(startFolder(owner_.configPath()));
  fileNameField_->setFocus();
}

void OpenWindow::fileChosen(const std::string& name) {
  chosen_ = model::withSeparator(chooser_->folder().toStdString()) + name;
  fileNameField_->setText(QString::fromStdString(fileio::shownPath(chosen_)));
  QDir::setCurrent(chooser_->folder());
}

void OpenWindow::openNamed() {
  const QString name = fileNameField_->text();
  if (name.trimmed().isEmpty()) return;
  // The window closes once the load has run, whether it succeeded or not.
  const std::string path = fileio::fieldPath(name.toStdString(), chosen_);
  if (openConfiguration(owner_, messages_, path, [this] { notice_->showNow(); })) accept();
}

}  // namespace velmira::files::ui
