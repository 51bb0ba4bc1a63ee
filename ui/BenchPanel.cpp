// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/BenchPanel.h"

#include <QRadioButton>
#include <QToolButton>

#include "model/Tolerance.h"
#include "platform/qt/Fonts.h"
#include "table/Recording.h"
#include "ui/Accessibility.h"
#include "ui/BenchPage.h"
#include "ui/CalibreFrame.h"
#include "ui/DisplayLabel.h"
#include "ui/KnobWidget.h"
#include "ui/TabStrip.h"
#include "ui/drawing/BenchDrawing.h"
#include "widgets/ButtonIcons.h"
#include "widgets/RadioMark.h"
#include "widgets/SelectorGroup.h"

namespace velmira::ui {

namespace {

// A bench's instruments, in the order their displays are made (the keyboard's order).
constexpr model::Meter kMeters[] = {model::Meter::Conductimeter, model::Meter::Ammeter, model::Meter::Voltmeter};

// The object names of the pages, the calibre frames and the record buttons, by bench.
const char* const kPageNames[3] = {"solution1Bench", "solution2Bench", "mixtureBench"};
const char* const kVoltmeterFrameNames[3] = {"voltmeterCalibres1", "voltmeterCalibres2", "voltmeterCalibres3"};
const char* const kAmmeterFrameNames[3] = {"ammeterCalibres1", "ammeterCalibres2", "ammeterCalibres3"};
const char* const kRecordButtonNames[3] = {"recordSolution1", "recordSolution2", "recordMixture"};
const char* const kNewMeasurementNames[3] = {"newMeasurement1", "newMeasurement2", "newMeasurement3"};

void applyPlace(QWidget* w, const ControlPlace& place) {
  if (auto* s = qobject_cast<widgets::SurfaceWidget*>(w))
    s->place(place.rect);
  else
    w->setGeometry(place.rect);
  w->setVisible(place.visible);
}

void setBackground(QWidget* w, const QColor& c) {
  QPalette pal = w->palette();
  pal.setColor(QPalette::Window, c);
  pal.setColor(QPalette::Button, c);
  w->setPalette(pal);
}

}  // namespace

BenchPanel::BenchPanel(Bench bench, model::Workbench& wb, TabStrip* strip)
    : QObject(strip), bench_(bench), wb_(wb), page_(new BenchPage(benchNumber(bench), strip)) {
  page_->setObjectName(QString::fromUtf8(kPageNames[static_cast<int>(bench)]));
  page_->hide();
}

void BenchPanel::buildInstruments() {
  const int b = benchNumber(bench_);
  // The conductimeter's, the ammeter's and the voltmeter's displays.
  for (model::Meter m : kMeters) displays_[static_cast<int>(m)] = new DisplayLabel(DisplayLabel::Kind::Meter, page_);
  generatorScreen_ = new DisplayLabel(DisplayLabel::Kind::GeneratorScreen, page_);
  for (int k = 0; k < 2; ++k) knobs_[k] = new KnobWidget(2 * b - 2 + k, wb_, page_);
  for (auto*& o : rangeButtons_) {
    auto* mark = new widgets::RadioMark(QString(), QPointF(5.5, 9), page_);
    mark->setAutoExclusive(false);  // the workbench decides which one is selected
    mark->setAutoFillBackground(true);
    mark->setMouseTracking(true);
    mark->setFocusPolicy(Qt::StrongFocus);
    mark->resize(17, 17);
    o = mark;
  }
  new widgets::SelectorGroup({rangeButtons_.begin(), rangeButtons_.end()}, page_);
  voltmeterFrame_ = new CalibreFrame(CalibreFrame::Meter::Voltmeter, 4 * (b - 1), page_);
  ammeterFrame_ = new CalibreFrame(CalibreFrame::Meter::Ammeter, 4 * (b - 1), page_);
  voltmeterFrame_->setObjectName(QString::fromUtf8(kVoltmeterFrameNames[b - 1]));
  ammeterFrame_->setObjectName(QString::fromUtf8(kAmmeterFrameNames[b - 1]));
  connectInstruments();
}

void BenchPanel::buildRecordButton() {
  auto* r = new QToolButton(page_);
  r->setObjectName(QString::fromUtf8(kRecordButtonNames[static_cast<int>(bench_)]));
  r->setText(tr("A&jouter au tableau"));
  r->setToolTip(tr("Ajouter la mesure dans le tableau de valeurs"));
  r->setIcon(widgets::commandIcon(widgets::CommandPicture::Record));
  r->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  r->setFont(qtp::mapFont(QStringLiteral("Arial"), 8.25));
  r->setGeometry(262, 6, 132, 28);
  r->setFocusPolicy(Qt::StrongFocus);
  r->hide();
  recordButton_ = r;
  connect(r, &QToolButton::clicked, this, [this] { emit recordRequested(bench_); });

  auto* n = new QToolButton(page_);
  n->setObjectName(QString::fromUtf8(kNewMeasurementNames[static_cast<int>(bench_)]));
  n->setText(tr("Nouvelle &mesure"));
  n->setToolTip(tr("Refaire la mesure : les appareils donnent une nouvelle lecture"));
  n->setFont(r->font());
  n->setGeometry(250, 166, 132, 28);  // over the instruments, clear of them in both montages
  n->setFocusPolicy(Qt::StrongFocus);
  n->hide();
  newMeasurementButton_ = n;
  connect(n, &QToolButton::clicked, this, [this] {
    wb_.newMeasurement(benchNumber(bench_));
    emit readingsChanged();
    emit stepMade(QStringLiteral(QT_TRANSLATE_NOOP("velmira::steps", "Nouvelle mesure")));
  });
}

void BenchPanel::connectInstruments() {
  for (KnobWidget* k : knobs_) {
    connect(k, &KnobWidget::turned, this, [this] {
      emit readingsChanged();
      emit knobTurned();
    });
    connect(k, &KnobWidget::focusHint, this,
            [this] { emit hint(tr("Utiliser les touches fléchées du clavier pour affiner le réglage")); });
  }
  auto choose = [this](auto set, bool voltmetersOnly, const QString& step) {
    set();
    if (voltmetersOnly)
      wb_.updateVoltmeters();
    else
      wb_.updateMeters();
    emit readingsChanged();
    emit stepMade(step);
  };
  const QString calibreStep = QStringLiteral(QT_TRANSLATE_NOOP("velmira::steps", "Choisir un calibre"));
  connect(voltmeterFrame_, &CalibreFrame::optionClicked, this,
          [this, choose, calibreStep](int i) { choose([&] { wb_.setVoltmeterCalibre(i, true); }, true, calibreStep); });
  connect(ammeterFrame_, &CalibreFrame::optionClicked, this,
          [this, choose, calibreStep](int i) { choose([&] { wb_.setAmmeterCalibre(i, true); }, false, calibreStep); });
  const int first = model::kRangesPerBench * static_cast<int>(bench_);
  for (int j = 0; j < model::kRangesPerBench; ++j) {
    connect(rangeButtons_[j], &QRadioButton::clicked, this, [this, choose, i = first + j] {
      choose([&] { wb_.setConductimeterRange(i, true); }, false,
             QStringLiteral(QT_TRANSLATE_NOOP("velmira::steps", "Choisir une gamme")));
    });
  }
}

DisplayLabel* BenchPanel::display(model::Meter meter) const { return displays_[static_cast<int>(meter)]; }
QRadioButton* BenchPanel::voltmeterCalibreButton(int j) const { return voltmeterFrame_->button(j); }
QRadioButton* BenchPanel::ammeterCalibreButton(int j) const { return ammeterFrame_->button(j); }

BenchSizes BenchPanel::sizes() const {
  BenchSizes sizes;
  sizes.meterDisplay = display(model::Meter::Ammeter)->size();
  sizes.generatorScreen = generatorScreen_->size();
  sizes.knob = knobs_[0]->size();
  sizes.calibreFrame = voltmeterFrame_->size();
  sizes.rangeButton = rangeButtons_[0]->size();
  return sizes;
}

void BenchPanel::place(const BenchPlacement& placement) {
  for (model::Meter m : kMeters) applyPlace(display(m), placement.meterDisplay[static_cast<int>(m)]);
  applyPlace(generatorScreen_, placement.generatorScreen);
  for (int k = 0; k < 2; ++k) applyPlace(knobs_[k], placement.knob[k]);
  for (int j = 0; j < model::kRangesPerBench; ++j) {
    applyPlace(rangeButtons_[j], placement.rangeButton[j]);
    setBackground(rangeButtons_[j], placement.option6Back);
  }
  applyPlace(voltmeterFrame_, placement.voltmeterFrame);
  applyPlace(ammeterFrame_, placement.ammeterFrame);
  voltmeterFrame_->setBackground(placement.voltmeterFrameBack);
  ammeterFrame_->setBackground(placement.ammeterFrameBack);
  placeEntries();
}

void BenchPanel::show(const model::Workbench& wb) {
  const int b = benchNumber(bench_);
  for (model::Meter m : kMeters) {
    display(m)->setUnit(QString::fromUtf8(wb.readingUnit(m, b)));
    display(m)->setDisplay(wb.display(m, b));
    display(m)->setUncertainty(QString::fromStdString(model::readingUncertaintyText(m, wb.display(m, b))));
  }
  generatorScreen_->setDisplay(wb.generatorText(b));
  showSelections(wb);
  if (newMeasurementButton_) newMeasurementButton_->setVisible(wb.scatter().on);
}

void BenchPanel::showSelections(const model::Workbench& wb) {
  const int b = benchNumber(bench_);
  for (int j = 0; j < 4; ++j) {
    voltmeterCalibreButton(j)->setChecked(wb.voltmeterCalibre(4 * (b - 1) + j));
    ammeterCalibreButton(j)->setChecked(wb.ammeterCalibre(4 * (b - 1) + j));
  }
  for (int j = 0; j < model::kRangesPerBench; ++j)
    rangeButtons_[j]->setChecked(wb.conductimeterRange(model::kRangesPerBench * (b - 1) + j));
}

void BenchPanel::showRecordButton(bool tableShown, const model::Workbench& wb) {
  recordButton_->setVisible(tableShown && table::canRecord(wb, benchNumber(bench_)));
}

void BenchPanel::redrawKnobs() {
  for (KnobWidget* k : knobs_) k->redraw();
}

std::vector<std::pair<QWidget*, QString>> BenchPanel::hints() const {
  std::vector<std::pair<QWidget*, QString>> h;
  for (int j = 0; j < 4; ++j) {
    h.emplace_back(voltmeterCalibreButton(j), tr("Vous pouvez modifier le calibre du voltmètre"));
    h.emplace_back(ammeterCalibreButton(j), tr("Vous pouvez modifier le calibre de l'ampèremètre"));
  }
  for (QRadioButton* o : rangeButtons_) h.emplace_back(o, tr("Vous pouvez modifier le calibre du conductimètre"));
  for (KnobWidget* k : knobs_) h.emplace_back(k, tr("Pour tourner, maintenir le bouton gauche de la souris enfoncé"));
  h.emplace_back(newMeasurementButton_, tr("Pour refaire la mesure : chaque lecture est tirée de nouveau (Alt+M)"));
  h.emplace_back(recordButton_, tr("Pour ajouter cette mesure dans le tableau suivant les paramètres de saisie "
                                   "automatique (Ctrl+Entrée)"));
  return h;
}

void BenchPanel::nameControls() {
  const int b = benchNumber(bench_);
  const QString bench = benchName(b);
  name(page_, tr("Banc de la %1").arg(bench));
  for (model::Meter m : kMeters) display(m)->setSubject(tr("%1, %2").arg(instrumentName(m), bench));
  generatorScreen_->setSubject(tr("Générateur, %1").arg(bench));
  for (int j = 0; j < 4; ++j) {
    name(voltmeterCalibreButton(j), tr("Calibre du voltmètre %1, %2").arg(voltmeterCalibre(j), bench));
    name(ammeterCalibreButton(j), tr("Calibre de l'ampèremètre %1, %2").arg(ammeterCalibre(j), bench));
  }
  for (int j = 0; j < model::kRangesPerBench; ++j)
    name(rangeButtons_[j], tr("Conductimètre, %1, %2").arg(rangeName(j), bench));
  name(recordButton_, tr("Ajouter au tableau la mesure de la %1").arg(bench));
  name(newMeasurementButton_, tr("Nouvelle mesure sur la %1").arg(bench));
  for (int k = 0; k < 2; ++k) {
    name(knobs_[k], (k == 0 ? tr("Amplitude du générateur, %1") : tr("Fréquence du générateur, %1")).arg(bench),
         k == 0 ? tr("En volts ; flèches : tourner le bouton") : tr("En hertz ; flèches : tourner le bouton"));
    announceValueChanges(knobs_[k]);
  }
}

}  // namespace velmira::ui
