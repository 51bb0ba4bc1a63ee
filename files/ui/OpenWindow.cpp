#include "files/ui/OpenWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "files/ConfigName.h"
#include "files/ui/ConfigOwner.h"
#include "files/ui/FileChooser.h"
#include "files/ui/StartFolder.h"
#include "platform/core/Messages.h"

namespace velmira::files::ui {

OpenWindow::OpenWindow(ConfigOwner& owner, MessageService& messages, const QString& appFolder, QWidget* parent)
    : QDialog(parent), owner_(owner), messages_(messages) {
  setObjectName(QStringLiteral("ouvrir"));
  setWindowTitle(QStringLiteral("Ouvrir une configuration"));
  chooser_ = new FileChooser(QStringLiteral("*.C07"), QStringLiteral("Emplacement:"), QStringLiteral("Répertoire"),
                             QStringLiteral("Fichiers"), appFolder, this);
  ficharge_ = new QLineEdit(this);
  ficharge_->setObjectName(QStringLiteral("ficharge"));
  auto* open = new QPushButton(QStringLiteral("OUVRIR"), this);
  auto* cancel = new QPushButton(QStringLiteral("ANNULER"), this);
  open->setAutoDefault(false);
  cancel->setAutoDefault(false);
  notice_ = new QLabel(QStringLiteral("Patience: chargement du fichier"), this);
  notice_->setAlignment(Qt::AlignCenter);
  notice_->setFrameStyle(QFrame::Panel | QFrame::Raised);
  notice_->setAutoFillBackground(true);
  notice_->hide();

  auto* grid = new QGridLayout(this);
  grid->addWidget(chooser_, 0, 0, 1, 3);
  grid->addWidget(ficharge_, 1, 0, 1, 3);
  grid->addWidget(open, 2, 1);
  grid->addWidget(cancel, 2, 2);
  resize(560, 400);

  connect(chooser_, &FileChooser::fileClicked, this, [this](const QString& name) {
    ficharge_->setText(QString::fromStdString(folderWithSeparator(chooser_->folder().toStdString())) + name);
    QDir::setCurrent(chooser_->folder());
  });
  connect(chooser_, &FileChooser::fileActivated, this, [this](const QString& name) {
    ficharge_->setText(QString::fromStdString(folderWithSeparator(chooser_->folder().toStdString())) + name);
    ouvrir();
  });
  connect(ficharge_, &QLineEdit::returnPressed, this, &OpenWindow::ouvrir);
  connect(open, &QPushButton::clicked, this, &OpenWindow::ouvrir);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  chooser_->setFolder(startFolder(owner_.nomconfig()));
  ficharge_->setFocus();
}

void OpenWindow::ouvrir() {
  const QString name = ficharge_->text();
  if (name.trimmed().isEmpty()) return;
  owner_.setNomconfig(name.toStdString());
  if (!QFileInfo(name).isFile()) {
    messages_.show(missingFileMessage());
    return;
  }
  notice_->setGeometry(rect().adjusted(width() / 4, height() / 3, -width() / 4, -height() / 3));
  notice_->show();
  notice_->raise();
  notice_->repaint();
  owner_.chargeconfig();
  accept();
}

}  // namespace velmira::files::ui
