// The benches of the main window: bench picture, live control placement and
// the copy of the workbench into the controls.
#include <QFrame>
#include <QLabel>
#include <QRadioButton>

#include "ui/BenchPage.h"
#include "ui/CalibreFrame.h"
#include "ui/DisplayLabel.h"
#include "ui/EntryField.h"
#include "ui/FormulaBox.h"
#include "ui/KnobWidget.h"
#include "ui/MainWindow.h"
#include "ui/SolutePickerWidget.h"
#include "ui/TabStrip.h"
#include "ui/drawing/BeakerRule.h"
#include "ui/drawing/Imafond.h"

namespace velmira::ui {

namespace {

void applyPlace(QWidget* w, const ControlPlace& place) {
  if (auto* s = qobject_cast<SurfaceWidget*>(w)) {
    s->place(place.rect);
  } else {
    w->setGeometry(place.rect);
  }
  w->setVisible(place.visible);
}

void setBackground(QWidget* w, const QColor& c) {
  QPalette pal = w->palette();
  pal.setColor(QPalette::Window, c);
  pal.setColor(QPalette::Button, c);
  w->setPalette(pal);
}

}  // namespace

BenchSizes MainWindow::benchSizes() const {
  BenchSizes sizes;
  sizes.meterDisplay = afficheur_[3]->size();
  sizes.generatorScreen = ecrangbf_[0]->size();
  sizes.knob = bouton1_[0]->size();
  sizes.calibreFrame = voltFrames_[0]->size();
  sizes.rangeButton = option6_[0]->size();
  return sizes;
}

void MainWindow::imafond() {
  for (BenchPage* p : pages_) p->hide();
  onglets_->Onglets_Paint();
  const BenchPlacement placement = ui::imafond(pages_[0]->surface(), pages_[1]->surface(),
                                               pages_[2]->surface(), wb_.conductimeterMontage(), benchSizes());
  for (int i = 0; i < 9; ++i) applyPlace(afficheur_[i], placement.afficheur[i]);
  for (int i = 0; i < 3; ++i) applyPlace(ecrangbf_[i], placement.ecrangbf[i]);
  for (int i = 0; i < model::kKnobs; ++i) applyPlace(bouton1_[i], placement.bouton1[i]);
  for (int i = 0; i < model::kConductimeterRanges; ++i) {
    applyPlace(option6_[i], placement.option6[i]);
    setBackground(option6_[i], placement.option6Back);
  }
  for (int b = 0; b < 3; ++b) {
    applyPlace(voltFrames_[b], placement.voltmeterFrame[b]);
    applyPlace(ampFrames_[b], placement.ammeterFrame[b]);
    voltFrames_[b]->setBackground(placement.voltmeterFrameBack);
    ampFrames_[b]->setBackground(placement.ammeterFrameBack);
  }
  // The overlay stays above the bench's controls.
  frame9_->raise();
  for (BenchPage* p : pages_) p->update();
}

void MainWindow::niveaubecher() {
  ui::niveaubecher(pages_[2]->surface(), wb_.conductimeterMontage(), mixtureVolume(wb_));
  pages_[2]->update();
}

void MainWindow::quelion() {
  for (int k = 0; k < 2; ++k) ions1_[k]->showSolute(picture2_->surface(), wb_.soluteOf(k + 1));
}

void MainWindow::syncOptions() {
  for (int i = 0; i < model::kVoltmeterCalibres; ++i) option4(i)->setChecked(wb_.voltmeterCalibre(i));
  for (int i = 0; i < model::kAmmeterCalibres; ++i) option5(i)->setChecked(wb_.ammeterCalibre(i));
  for (int i = 0; i < model::kConductimeterRanges; ++i) option6_[i]->setChecked(wb_.conductimeterRange(i));
  option2()->setChecked(wb_.generatorMontage());
  option3()->setChecked(wb_.conductimeterMontage());
}

void MainWindow::majcontroles() {
  for (std::size_t i = 0; i < model::kMeterSlots.size(); ++i)
    afficheur_[i]->setDisplay(wb_.display(model::kMeterSlots[i].meter, model::kMeterSlots[i].bench));
  for (int b = 1; b <= model::kBenches; ++b) ecrangbf_[b - 1]->setDisplay(wb_.generatorText(b));
  for (int i = 0; i < model::kEntries; ++i) {
    const QString t = QString::fromStdString(wb_.entryText(i));
    if (text1_[i]->text() != t) text1_[i]->setText(t);
  }
  syncOptions();
  if (wb_.precipitateNotice()) {
    frame9_->setGeometry(0, 0, pages_[2]->width(), pages_[2]->height());
    const int h = label9_->heightForWidth(frame9_->width() - 20);
    label9_->setGeometry(10, (frame9_->height() - h) / 2, frame9_->width() - 20, h);
    frame9_->show();
    frame9_->raise();
  } else {
    frame9_->hide();
  }
  showRecordButtons();
  if (paintedSolute1_ != wb_.soluteOf(1) || paintedSolute2_ != wb_.soluteOf(2) ||
      paintedMelange_ != wb_.melangepossible())
    pages_[2]->repaintTexts();
}

void MainWindow::montageChanged() {
  onglets_->hide();
  imafond();
  niveaubecher();
  onglets_->show();
}

}  // namespace velmira::ui
