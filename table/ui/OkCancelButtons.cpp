// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

#include "table/ui/TableDialogs.h"

namespace velmira::table::ui {

QDialogButtonBox* okCancelButtons(QDialog& dialog, bool okAccepts) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QCoreApplication::translate("velmira::table::ui", "Annuler"));
  if (okAccepts) QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  return buttons;
}

}  // namespace velmira::table::ui
