// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SolutionPanel.h"

#include <QPushButton>

#include "model/SoluteCatalogue.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/Translations.h"
#include "ui/Accessibility.h"
#include "ui/BenchPage.h"
#include "ui/EntryField.h"
#include "ui/FormulaBox.h"
#include "ui/SolutePickerWidget.h"
#include "ui/drawing/SolutionPanels.h"

namespace velmira::ui {

SolutionPanel::SolutionPanel(Bench bench, model::Workbench& wb, TabStrip* strip) : BenchPanel(bench, wb, strip) {
  const int k = solution();
  formulaBox_ = new FormulaBox(k, page_);
  soluteListButton_ = new QPushButton(qtp::symbolDownArrow(), page_);
  soluteListButton_->setFont(qtp::mapFont(QStringLiteral("Symbol"), 10));
  soluteListButton_->setGeometry(QRect(QPoint(0, 0), kListButtonSize));
  soluteListButton_->setFocusPolicy(Qt::NoFocus);
  concentrationField_ = new EntryField(k, page_);
  concentrationField_->setFont(qtp::mapFont(QStringLiteral("Arial"), 9.75));
  concentrationField_->resize(73, 21);
  buildInstruments();
  connect(formulaBox_, &FormulaBox::clicked, this, [this] { emit soluteListRequested(solution()); });
  connect(soluteListButton_, &QPushButton::clicked, this, [this] { emit soluteListRequested(solution()); });
  page_->setPaintHandler(
      [this, k](qtp::Surface& s) { paintSolutionPage(s, k + 1, formulaBox_->size(), concentrationField_->size()); });
}

void SolutionPanel::placeEntries() {
  const SolutionPagePlaces places =
      solutionPagePlaces(solution() + 1, formulaBox_->size(), concentrationField_->size());
  formulaBox_->move(places.formulaBox);
  soluteListButton_->move(places.soluteListButton);
  concentrationField_->move(places.entryField);
}

void SolutionPanel::showSolute(SolutePickerWidget& list, const model::Workbench& wb) {
  const int n = wb.shownSoluteOf(solution() + 1);
  // A hidden solute is neither shown nor chosen.
  const bool unknown = solution() == 1 && wb.soluteConcealed();
  formulaBox_->showSolute(list.listWithRow(n), n, unknown);
  formulaBox_->setEnabled(!unknown);
  soluteListButton_->setEnabled(!unknown);
  // Said by its name, as the list says it.
  formulaBox_->setAccessibleName(tr("Soluté de la solution %1 : %2")
                                     .arg(solution() + 1)
                                     .arg(unknown ? tr("inconnu") : qtp::shownMessageText(model::soluteName(n))));
}

std::vector<std::pair<QWidget*, QString>> SolutionPanel::hints() const {
  auto h = BenchPanel::hints();
  h.emplace_back(page_, solution() == 0 ? tr("Définir la solution dans le premier bécher.")
                                        : tr("Définir la solution dans le deuxième bécher."));
  h.emplace_back(formulaBox_, tr("Cliquer pour obtenir la liste"));
  return h;
}

void SolutionPanel::nameControls() {
  BenchPanel::nameControls();
  const QString n = QString::number(solution() + 1);
  name(concentrationField_, tr("Concentration c%1").arg(n),
       tr("Concentration c%1 de la solution %1, en mol par litre").arg(n));
  name(formulaBox_, tr("Soluté de la solution %1").arg(n), tr("Entrée ou Espace : ouvrir la liste des solutés"));
  name(soluteListButton_, tr("Choisir le soluté de la solution %1").arg(n));
  soluteListButton_->setToolTip(soluteListButton_->accessibleName());
}

}  // namespace velmira::ui
