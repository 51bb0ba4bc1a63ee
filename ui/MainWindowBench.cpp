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
  if (auto* s = qobject_cast<widgets::SurfaceWidget*>(w)) {
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
  sizes.meterDisplay = meterDisplays_[3]->size();
  sizes.generatorScreen = generatorScreens_[0]->size();
  sizes.knob = knobs_[0]->size();
  sizes.calibreFrame = voltFrames_[0]->size();
  sizes.rangeButton = rangeButtons_[0]->size();
  return sizes;
}

void MainWindow::drawBench() {
  for (BenchPage* p : pages_) p->hide();
  tabStrip_->paintStrip();
  const BenchPlacement placement = ui::drawBench(pages_[0]->surface(), wb_.conductimeterMontage(), benchSizes());
  for (int i = 1; i < 3; ++i) pages_[i]->setBenchPicture(pages_[0]->surface().image());
  for (int i = 0; i < 9; ++i) applyPlace(meterDisplays_[i], placement.meterDisplay[i]);
  for (int i = 0; i < 3; ++i) applyPlace(generatorScreens_[i], placement.generatorScreen[i]);
  for (int i = 0; i < model::kKnobs; ++i) applyPlace(knobs_[i], placement.knob[i]);
  for (int i = 0; i < model::kConductimeterRanges; ++i) {
    applyPlace(rangeButtons_[i], placement.rangeButton[i]);
    setBackground(rangeButtons_[i], placement.option6Back);
  }
  for (int b = 0; b < 3; ++b) {
    applyPlace(voltFrames_[b], placement.voltmeterFrame[b]);
    applyPlace(ampFrames_[b], placement.ammeterFrame[b]);
    voltFrames_[b]->setBackground(placement.voltmeterFrameBack);
    ampFrames_[b]->setBackground(placement.ammeterFrameBack);
  }
  // The overlay stays above the bench's controls.
  precipitateFrame_->raise();
  for (BenchPage* p : pages_) p->update();
}

void MainWindow::updateBeakerLevel() {
  pages_[2]->setBenchOverlay([conductimeter = wb_.conductimeterMontage(), volume = mixtureVolume(wb_)](
                                 qtp::Surface& s) { ui::updateBeakerLevel(s, conductimeter, volume); });
  pages_[2]->update();
}

void MainWindow::updateFormulaBoxes() {
  for (int k = 0; k < 2; ++k) {
    const int n = wb_.soluteOf(k + 1);
    formulaBoxes_[k]->showSolute(solutePicker_->listWithRow(n), n);
  }
}

void MainWindow::syncOptions() {
  for (int i = 0; i < model::kVoltmeterCalibres; ++i) voltmeterCalibreButton(i)->setChecked(wb_.voltmeterCalibre(i));
  for (int i = 0; i < model::kAmmeterCalibres; ++i) ammeterCalibreButton(i)->setChecked(wb_.ammeterCalibre(i));
  for (int i = 0; i < model::kConductimeterRanges; ++i) rangeButtons_[i]->setChecked(wb_.conductimeterRange(i));
  generatorMontageButton()->setChecked(wb_.generatorMontage());
  conductimeterMontageButton()->setChecked(wb_.conductimeterMontage());
}

void MainWindow::updateControls() {
  for (std::size_t i = 0; i < model::kMeterSlots.size(); ++i)
    meterDisplays_[i]->setDisplay(wb_.display(model::kMeterSlots[i].meter, model::kMeterSlots[i].bench));
  for (int b = 1; b <= model::kBenches; ++b) generatorScreens_[b - 1]->setDisplay(wb_.generatorText(b));
  for (int i = 0; i < model::kEntries; ++i) {
    const QString t = QString::fromStdString(wb_.entryText(i));
    if (entryFields_[i]->text() != t) entryFields_[i]->setText(t);
  }
  syncOptions();
  if (wb_.precipitateNotice()) {
    precipitateFrame_->setGeometry(0, 0, pages_[2]->width(), pages_[2]->height());
    const int h = precipitateLabel_->heightForWidth(precipitateFrame_->width() - 20);
    precipitateLabel_->setGeometry(10, (precipitateFrame_->height() - h) / 2, precipitateFrame_->width() - 20, h);
    precipitateFrame_->show();
    precipitateFrame_->raise();
  } else {
    precipitateFrame_->hide();
  }
  showRecordButtons();
  if (paintedSolute1_ != wb_.soluteOf(1) || paintedSolute2_ != wb_.soluteOf(2) ||
      paintedMixturePossible_ != wb_.mixturePossible())
    pages_[2]->repaintTexts();
}

void MainWindow::montageChanged() {
  tabStrip_->hide();
  drawBench();
  updateBeakerLevel();
  tabStrip_->show();
}

}  // namespace velmira::ui
