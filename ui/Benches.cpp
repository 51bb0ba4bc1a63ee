// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Benches.h"

#include <QLabel>
#include <QRadioButton>
#include <QShortcut>
#include <QToolButton>
#include <utility>

#include "ui/BenchPage.h"
#include "ui/CellOptionsFrame.h"
#include "ui/EntryBinding.h"
#include "ui/EntryField.h"
#include "ui/FormulaBox.h"
#include "ui/HintRouter.h"
#include "ui/MixturePanel.h"
#include "ui/SolutePickerWidget.h"
#include "ui/SolutionPanel.h"
#include "ui/TabStrip.h"
#include "ui/drawing/BenchDrawing.h"

namespace velmira::ui {

Benches::Benches(model::Workbench& wb, MessageService& messages, QWidget& window, std::function<bool()> tableShown)
    : QObject(&window), wb_(wb), window_(window), tableShown_(std::move(tableShown)) {
  tabStrip_ = new TabStrip(&window);
  tabStrip_->setObjectName(QStringLiteral("benchTabs"));
  tabStrip_->place(QPoint(8, 56), QSize(409, 489));
  cellOptions_ = new CellOptionsFrame(&window);
  cellOptions_->move(424, 56);
  solution1_ = new SolutionPanel(Bench::Solution1, wb_, tabStrip_);
  solution2_ = new SolutionPanel(Bench::Solution2, wb_, tabStrip_);
  mixture_ = new MixturePanel(wb_, tabStrip_);
  tabStrip_->setPages(solution1_->page(), solution2_->page(), mixture_->page());
  solutePicker_ = new SolutePickerWidget(wb_, solution1_->page());
  solutePicker_->setObjectName(QStringLiteral("soluteList"));
  entries_ = new EntryBinding(wb_, messages, this);
  connectControls(window);
}

BenchPanel& Benches::panel(Bench bench) const {
  switch (bench) {
    case Bench::Solution1:
      return *solution1_;
    case Bench::Solution2:
      return *solution2_;
    default:
      return *mixture_;
  }
}

SolutionPanel& Benches::solutionPanel(Bench bench) const {
  return bench == Bench::Solution2 ? *solution2_ : *solution1_;
}

std::array<EntryField*, model::kEntries> Benches::entryFields() const {
  return {solution1_->concentrationField(),
          solution2_->concentrationField(),
          cellOptions_->distance(),
          cellOptions_->area(),
          mixture_->volumeField(model::Volume1),
          mixture_->volumeField(model::Volume2)};
}

void Benches::buildRecordButtons() {
  for (Bench b : kAllBenches) panel(b).buildRecordButton();
}

void Benches::connectControls(QWidget& window) {
  for (EntryField* e : entryFields()) entries_->bind(e);
  connect(entries_, &EntryBinding::entryChanged, this, [this](int entry) {
    if (entry == model::Volume1 || entry == model::Volume2) mixture_->updateBeakerLevel();
    updateControls();
  });
  connect(entries_, &EntryBinding::stepMade, this, &Benches::stepMade);
  for (SolutionPanel* p : {solution1_, solution2_}) {
    connect(p, &SolutionPanel::soluteListRequested, this, [this](int solution) {
      SolutionPanel& panel = solutionPanel(benchOfNumber(solution + 1));
      solutePicker_->openFor(solution, panel.page(), panel.formulaBox()->pos());
    });
  }
  // The focus goes back to the solute box the list came from.
  connect(solutePicker_, &SolutePickerWidget::chosen, this, [this](int solution) {
    solutionPanel(benchOfNumber(solution + 1)).formulaBox()->setFocus(Qt::OtherFocusReason);
    updateFormulaBoxes();
    updateControls();
    emit stepMade(QStringLiteral(QT_TRANSLATE_NOOP("velmira::steps", "Choisir un soluté")));
  });
  connect(solutePicker_, &SolutePickerWidget::closed, this, [this](int solution) {
    solutionPanel(benchOfNumber(solution + 1)).formulaBox()->setFocus(Qt::OtherFocusReason);
  });
  for (Bench b : kAllBenches) {
    BenchPanel* p = &panel(b);
    connect(p, &BenchPanel::readingsChanged, this, &Benches::updateControls);
    connect(p, &BenchPanel::stepMade, this, &Benches::stepMade);
    connect(p, &BenchPanel::knobTurned, this, &Benches::knobTurned);
    connect(p, &BenchPanel::recordRequested, this, &Benches::recordRequested);
    connect(p, &BenchPanel::hint, this, &Benches::hint);
  }
  auto montage = [this](bool conductimeter) {
    if (conductimeter)
      wb_.setConductimeterMontage(true);
    else
      wb_.setGeneratorMontage(true);
    montageChanged();
    emit montageChosen();
    emit stepMade(QStringLiteral(QT_TRANSLATE_NOOP("velmira::steps", "Changer de montage")));
  };
  connect(cellOptions_->generatorMontageButton(), &QRadioButton::clicked, this, [montage] { montage(false); });
  connect(cellOptions_->conductimeterMontageButton(), &QRadioButton::clicked, this, [montage] { montage(true); });
  // The benches switch from the keyboard as tabs do everywhere.
  const std::pair<QKeySequence, int> switches[] = {{QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
                                                   {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
                                                   {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
                                                   {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
                                                   {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1}};
  for (const auto& [keys, step] : switches) {
    auto* s = new QShortcut(keys, &window);
    connect(s, &QShortcut::activated, this, [this, step = step] { tabStrip_->selectNext(step); });
  }
}

void Benches::registerHints(HintRouter& hints) const {
  hints.setHint(tabStrip_, tr("Cliquer sur un onglet pour l'afficher"));
  for (Bench b : kAllBenches)
    for (const auto& [w, text] : panel(b).hints()) hints.setHint(w, text);
  hints.setHint(solutePicker_, tr("Choisir les ions en solution dans la liste"));
  hints.setHint(cellOptions_, tr("Vous pouvez modifier les paramètres de la cellule."));
  hints.setHint(cellOptions_->cellPicture(), tr("Schéma de la cellule de conductivité"));
}

void Benches::showStart() {
  // Bench picture (which paints the strip, on tab 1 at start), mixture
  // level; each page draws its texts (and places its entries) when shown.
  drawBench();
  mixture_->updateBeakerLevel();
  if (tabStrip_->currentTab() != 1) {
    tabStrip_->setCurrentTab(1);
    tabStrip_->paintStrip();
  }
  for (Bench b : kAllBenches) panel(b).redrawKnobs();
  updateFormulaBoxes();
  updateControls();
}

void Benches::drawBench() {
  for (Bench b : kAllBenches) panel(b).page()->hide();
  tabStrip_->paintStrip();
  const BenchPlacement placement = benchPlacement(wb_.conductimeterMontage(), solution1_->sizes());
  ui::drawBench(solution1_->page()->surface(), placement);
  for (Bench b : {Bench::Solution2, Bench::Mixture})
    panel(b).page()->setBenchPicture(solution1_->page()->surface().image());
  for (Bench b : kAllBenches) panel(b).place(placement);
  mixture_->raiseNotice();
  for (Bench b : kAllBenches) panel(b).page()->update();
}

void Benches::updateFormulaBoxes() {
  for (SolutionPanel* p : {solution1_, solution2_}) p->showSolute(*solutePicker_, wb_);
}

void Benches::updateControls() {
  for (EntryField* e : entryFields()) {
    const QString t = QString::fromStdString(wb_.shownEntryText(e->index()));
    if (e->text() != t) e->setText(t);
    // An unknown shows "?" and can be neither typed in nor reached.
    const bool unknown = wb_.entryConcealed(e->index());
    e->setReadOnly(unknown);
    e->setFocusPolicy(unknown ? Qt::NoFocus : Qt::StrongFocus);
    e->setAccessibleDescription(unknown ? tr("inconnue") : QString());
  }
  cellOptions_->generatorMontageButton()->setChecked(wb_.generatorMontage());
  cellOptions_->conductimeterMontageButton()->setChecked(wb_.conductimeterMontage());
  for (Bench b : kAllBenches) panel(b).show(wb_);
  showRecordButtons();
}

void Benches::montageChanged() {
  cellOptions_->generatorMontageButton()->setChecked(wb_.generatorMontage());
  cellOptions_->conductimeterMontageButton()->setChecked(wb_.conductimeterMontage());
  for (Bench b : kAllBenches) panel(b).showSelections(wb_);
  tabStrip_->hide();
  drawBench();
  mixture_->updateBeakerLevel();
  tabStrip_->show();
}

void Benches::showRecordButtons() {
  const bool shown = tableShown_();
  for (Bench b : kAllBenches) panel(b).showRecordButton(shown, wb_);
}

void Benches::followWork() {
  for (Bench b : kAllBenches) panel(b).redrawKnobs();
  // The bench picture and the beaker at the work's level (the volumes are already the work's).
  montageChanged();
  updateControls();
  updateFormulaBoxes();
  tabStrip_->paintStrip();
}

EntryField* Benches::typedEntry(QWidget* focus) const {
  auto* e = qobject_cast<EntryField*>(focus);
  return e && window_.isAncestorOf(e) ? e : nullptr;
}

void Benches::leaveEntry(QWidget* focus) {
  if (EntryField* e = typedEntry(focus)) e->clearFocus();
}

std::optional<Bench> Benches::benchToRecord(QWidget* focus) {
  // What is being typed counts, as when the pointer leaves for the button.
  if (EntryField* e = typedEntry(focus)) entries_->validate(e);
  const int shown = tabStrip_->currentTab();
  if (shown < 1 || shown > model::kBenches || panel(benchOfNumber(shown)).recordButton()->isHidden())
    return std::nullopt;
  return benchOfNumber(shown);
}

}  // namespace velmira::ui
