// SPDX-License-Identifier: GPL-3.0-or-later
// `saisaut`: what each record button writes into each column.
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

#include "table/Recording.h"
#include "table/Table.h"
#include "table/ui/TableDialogs.h"

namespace velmira::table::ui {

bool runAutoEntryDialog(QWidget* parent, Table& table) {
  QDialog d(parent);
  d.setObjectName(QStringLiteral("autoEntryDialog"));
  d.setWindowTitle(QCoreApplication::translate("velmira::table::ui", "Saisie automatique"));
  auto* form = new QFormLayout;
  std::array<QComboBox*, kCols> combos{};
  for (int c = 0; c < kCols; ++c) {
    auto* combo = new QComboBox(&d);
    combo->setObjectName(QStringLiteral("autoEntry%1").arg(c));
    for (int code = kEntryEmpty; code <= kEntryCodes; ++code)
      combo->addItem(QString::fromStdString(autoEntryCaption(code)));
    combo->setCurrentIndex(table.autoEntry(c) - 1);
    form->addRow(QCoreApplication::translate("velmira::table::ui", "Colonne C%1 :").arg(c + 1), combo);
    combos[c] = combo;
  }
  QDialogButtonBox* buttons = okCancelButtons(d);
  auto* layout = new QVBoxLayout(&d);
  layout->addWidget(
      new QLabel(QCoreApplication::translate("velmira::table::ui",
                                             "Ce que les boutons d'enregistrement écrivent dans chaque colonne :"),
                 &d));
  layout->addLayout(form);
  layout->addWidget(buttons);
  if (d.exec() != QDialog::Accepted) return false;
  for (int c = 0; c < kCols; ++c) table.setAutoEntry(c, combos[c]->currentIndex() + 1);
  return true;
}

}  // namespace velmira::table::ui
