// SPDX-License-Identifier: GPL-3.0-or-later
// `Formatdonnees`: the number format of the table, with examples.
#include <QButtonGroup>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/core/NumberText.h"
#include "table/Table.h"
#include "table/TableCommands.h"
#include "table/ui/TableDialogs.h"

namespace velmira::table::ui {

namespace {

constexpr const char* kCaptions[5] = {
    QT_TRANSLATE_NOOP("velmira::table::ui", "Standard 1 : 2 chiffres après la virgule"),
    QT_TRANSLATE_NOOP("velmira::table::ui", "Standard 2 : 3 chiffres après la virgule"),
    QT_TRANSLATE_NOOP("velmira::table::ui", "Standard 3 : libre"),
    QT_TRANSLATE_NOOP("velmira::table::ui", "Scientifique 1 : 3 chiffres affichés"),
    QT_TRANSLATE_NOOP("velmira::table::ui", "Scientifique 2 : 4 chiffres affichés")};

// The example of option i: the standard formats with their digits grouped
// by three.
QString example(int option, float value) {
  std::string_view mask = kMasks[static_cast<std::size_t>(option)];
  if (option == 0) mask = "### ### ##0.00";
  if (option == 1) mask = "### ### ##0.000";
  return QString::fromStdString(num::trim(num::formatSingle(value, mask)));
}

}  // namespace

bool runFormatDialog(QWidget* parent, Table& table) {
  QDialog d(parent);
  d.setObjectName(QStringLiteral("formatDialog"));
  d.setWindowTitle(QCoreApplication::translate("velmira::table::ui", "Format d'écriture des données dans le tableau"));
  auto* layout = new QVBoxLayout(&d);
  layout->addWidget(
      new QLabel(QCoreApplication::translate("velmira::table::ui",
                                             "Choisir une option d'affichage en vous aidant du tableau d'exemples."),
                 &d));
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(18);
  auto* group = new QButtonGroup(&d);
  for (int i = 0; i < 5; ++i) {
    auto* o = new QRadioButton(QCoreApplication::translate("velmira::table::ui", kCaptions[i]), &d);
    o->setObjectName(QStringLiteral("format%1").arg(i + 1));
    group->addButton(o, i + 1);
    grid->addWidget(o, i, 0);
    for (int v = 0; v < 2; ++v) {
      auto* e = new QLabel(example(i, v == 0 ? -32135.35f : 0.0258f), &d);
      e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      grid->addWidget(e, i, 1 + v);
    }
  }
  layout->addLayout(grid);
  if (QAbstractButton* b = group->button(maskOption(table.mask()))) b->setChecked(true);
  QDialogButtonBox* buttons = okCancelButtons(d);
  layout->addWidget(buttons);
  if (d.exec() != QDialog::Accepted || group->checkedId() < 1) return false;
  applyMask(table, kMasks[static_cast<std::size_t>(group->checkedId() - 1)]);
  return true;
}

}  // namespace velmira::table::ui
