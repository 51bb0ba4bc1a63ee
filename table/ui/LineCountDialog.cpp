// SPDX-License-Identifier: GPL-3.0-or-later
// `fnblignes`: the number of data lines of the table.
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "table/Table.h"
#include "table/TableCommands.h"
#include "table/ui/TableDialogs.h"

namespace velmira::table::ui {

bool runLineCountDialog(QWidget* parent, Table& table) {
  QDialog d(parent);
  d.setObjectName(QStringLiteral("lineCountDialog"));
  d.setWindowTitle(QCoreApplication::translate("velmira::table::ui", "Nombre de lignes du tableau"));
  auto* layout = new QVBoxLayout(&d);
  layout->addWidget(new QLabel(QCoreApplication::translate("velmira::table::ui",
                                                           "Modifier le nombre de lignes du tableau (de 1 à 100)\n"
                                                           "sans compter la première ligne."),
                               &d));
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(QCoreApplication::translate("velmira::table::ui", "Nombre de lignes..."), &d));
  auto* upDown = new QSpinBox(&d);
  upDown->setObjectName(QStringLiteral("lineCount"));
  upDown->setRange(kMinLines, kMaxLines);
  upDown->setValue(table.rows() - 1);
  row->addWidget(upDown);
  row->addStretch();
  layout->addLayout(row);
  QDialogButtonBox* buttons = okCancelButtons(d);
  layout->addWidget(buttons);
  upDown->setFocus();
  upDown->selectAll();
  if (d.exec() != QDialog::Accepted) return false;
  setLineCount(table, upDown->value());
  return true;
}

}  // namespace velmira::table::ui
