// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph/ui/LineReadingDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "files/PupilWork.h"

namespace velmira::graph::ui {

LineReadingDialog::LineReadingDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("lineReading"));
  setWindowTitle(tr("Lire sur la droite"));
  setWindowModality(Qt::WindowModal);
  auto* form = new QFormLayout(this);
  ordinate_ = new QLineEdit(this);
  ordinate_->setObjectName(QStringLiteral("ordonnee"));
  uy_ = new QLineEdit(this);
  uy_->setObjectName(QStringLiteral("incertitude"));
  uy_->setPlaceholderText(QStringLiteral("0"));
  result_ = new QLabel(this);
  result_->setObjectName(QStringLiteral("lecture"));
  result_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  form->addRow(QStringLiteral("y ="), ordinate_);
  form->addRow(QStringLiteral("u(y) ="), uy_);
  form->addRow(result_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->button(QDialogButtonBox::Close)->setText(tr("Fermer"));
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  form->addRow(buttons);
  for (QLineEdit* e : {ordinate_, uy_}) connect(e, &QLineEdit::textChanged, this, [this] { showReading(); });
}

void LineReadingDialog::setLine(const graph::LineFit& fit) {
  fit_ = fit;
  showReading();
}

void LineReadingDialog::showReading() {
  const auto y = files::readTypedNumber(ordinate_->text().trimmed().toStdString());
  const QString u = uy_->text().trimmed();
  const auto uy = u.isEmpty() ? std::optional<double>(0) : files::readTypedNumber(u.toStdString());
  if (!y || !uy || *uy < 0) {
    result_->clear();
    return;
  }
  result_->setText(QString::fromStdString(graph::readingText(graph::readLine(fit_, *y, *uy))));
}

}  // namespace velmira::graph::ui
