// The benches of the main window: the bench picture, the controls from the
// workbench, and recording a bench into the table.
#include <QRadioButton>

#include "table/Recording.h"
#include "ui/BenchPage.h"
#include "ui/CellOptionsFrame.h"
#include "ui/EntryBinding.h"
#include "ui/EntryField.h"
#include "ui/MainWindow.h"
#include "ui/MixturePanel.h"
#include "ui/SolutePickerWidget.h"
#include "ui/SolutionPanel.h"
#include "ui/TabStrip.h"
#include "ui/drawing/Imafond.h"

namespace velmira::ui {

void MainWindow::drawBench() {
  for (Bench b : kAllBenches) panel(b).page()->hide();
  tabStrip_->paintStrip();
  const BenchPlacement placement =
      ui::drawBench(solution1_->page()->surface(), wb_.conductimeterMontage(), solution1_->sizes());
  for (Bench b : {Bench::Solution2, Bench::Mixture})
    panel(b).page()->setBenchPicture(solution1_->page()->surface().image());
  for (Bench b : kAllBenches) panel(b).place(placement);
  mixture_->raiseNotice();
  for (Bench b : kAllBenches) panel(b).page()->update();
}

void MainWindow::updateFormulaBoxes() {
  for (SolutionPanel* p : {solution1_, solution2_}) p->showSolute(*solutePicker_, wb_);
}

void MainWindow::updateControls() {
  for (EntryField* e : entryFields()) {
    const QString t = QString::fromStdString(wb_.entryText(e->index()));
    if (e->text() != t) e->setText(t);
  }
  cellOptions_->generatorMontageButton()->setChecked(wb_.generatorMontage());
  cellOptions_->conductimeterMontageButton()->setChecked(wb_.conductimeterMontage());
  for (Bench b : kAllBenches) panel(b).show(wb_);
  showRecordButtons();
}

void MainWindow::montageChanged() {
  cellOptions_->generatorMontageButton()->setChecked(wb_.generatorMontage());
  cellOptions_->conductimeterMontageButton()->setChecked(wb_.conductimeterMontage());
  for (Bench b : kAllBenches) panel(b).showSelections(wb_);
  tabStrip_->hide();
  drawBench();
  mixture_->updateBeakerLevel();
  tabStrip_->show();
}

void MainWindow::showRecordButtons() {
  const bool shown = commands_->button(Command::Table)->isChecked();
  for (Bench b : kAllBenches) panel(b).showRecordButton(shown, wb_);
}

void MainWindow::recordBench(Bench bench) {
  table::record(table_, wb_, benchNumber(bench), messages_);
  noteWork(QStringLiteral("Ajouter au tableau"));
}

void MainWindow::recordShownBench() {
  // What is being typed counts, as when the pointer leaves for the button.
  if (auto* e = qobject_cast<EntryField*>(focusWidget()); e && isAncestorOf(e)) entries_->validate(e);
  const int shown = tabStrip_->currentTab();
  if (shown < 1 || shown > model::kBenches || panel(benchOfNumber(shown)).recordButton()->isHidden()) return;
  recordBench(benchOfNumber(shown));
}

}  // namespace velmira::ui
