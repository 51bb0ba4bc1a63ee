// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/MixturePanel.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>

#include "model/Equilibria.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/Translations.h"
#include "ui/Accessibility.h"
#include "ui/BenchPage.h"
#include "ui/EntryField.h"
#include "ui/drawing/BeakerRule.h"
#include "ui/drawing/SolutionPanels.h"
#include "widgets/Colours.h"

namespace velmira::ui {

namespace {

// Solution 2's solute as the page prints it: "?" when hidden.
int shownSolute2(const model::Workbench& wb) { return wb.soluteConcealed() ? kHiddenSolute : wb.soluteOf(2); }

// "Un précipité de chlorure d'argent se forme dans le bécher." (each solid the mixture holds), or nothing.
QString precipitateDescription(const model::Workbench& wb) {
  QStringList solids;
  for (int p = 0; p < model::kPrecipitateCount; ++p) {
    const auto precipitate = static_cast<model::Precipitate>(p);
    if (wb.mixtureHolds(precipitate)) {
      solids << qtp::shownMessageText(model::precipitateName(precipitate));
    }
  }
  if (solids.isEmpty()) return {};
  return QCoreApplication::translate("velmira::ui", "Un précipité de %1 se forme dans le bécher.")
      .arg(solids.join(QCoreApplication::translate("velmira::ui", " et de ")));
}

}  // namespace

MixturePanel::MixturePanel(model::Workbench& wb, TabStrip* strip) : BenchPanel(Bench::Mixture, wb, strip) {
  for (int i : {model::Volume1, model::Volume2}) {
    auto* e = new EntryField(i, page_);
    e->setFont(qtp::mapFont(QStringLiteral("Arial"), 9.75));
    e->resize(57, 21);
    volumeFields_[i == model::Volume2] = e;
  }
  buildInstruments();

  precipitateFrame_ = new QFrame(page_);
  precipitateFrame_->setObjectName(QStringLiteral("precipitateNotice"));
  precipitateFrame_->setAutoFillBackground(true);
  QPalette pal = precipitateFrame_->palette();
  pal.setColor(QPalette::Window, widgets::kPageBackground);
  pal.setColor(QPalette::WindowText, Qt::black);
  precipitateFrame_->setPalette(pal);
  precipitateLabel_ = new QLabel(qtp::shownMessageText(model::kPrecipitateNotice), precipitateFrame_);
  precipitateLabel_->setObjectName(QStringLiteral("precipitateText"));
  precipitateLabel_->setTextFormat(Qt::PlainText);
  precipitateLabel_->setWordWrap(true);
  precipitateLabel_->setAlignment(Qt::AlignCenter);
  precipitateLabel_->setFont(qtp::mapFont(QStringLiteral("Arial"), 9.75, true));
  precipitateFrame_->hide();

  page_->setPaintHandler([this](qtp::Surface& s) {
    paintedSolute1_ = wb_.soluteOf(1);
    paintedSolute2_ = shownSolute2(wb_);
    paintedMixturePossible_ = wb_.mixturePossible();
    paintMixturePage(s, paintedMixturePossible_, paintedSolute1_, paintedSolute2_, volumeFields_[0]->size(),
                     volumeFields_[1]->size());
  });
}

void MixturePanel::placeEntries() {
  const MixturePagePlaces places = mixturePagePlaces(volumeFields_[0]->size(), volumeFields_[1]->size());
  volumeFields_[0]->move(places.text4);
  volumeFields_[1]->move(places.text5);
}

void MixturePanel::show(const model::Workbench& wb) {
  BenchPanel::show(wb);
  // The volumes are asked for only where the two solutions may be mixed.
  for (EntryField* e : volumeFields_) e->setVisible(wb.mixturePossible());
  if (wb.precipitateNotice()) {
    precipitateFrame_->setGeometry(0, 0, page_->width(), page_->height());
    const int h = precipitateLabel_->heightForWidth(precipitateFrame_->width() - 20);
    precipitateLabel_->setGeometry(10, (precipitateFrame_->height() - h) / 2, precipitateFrame_->width() - 20, h);
    precipitateFrame_->show();
    precipitateFrame_->raise();
  } else {
    precipitateFrame_->hide();
  }
  // The precipitate in the beaker, and in words for those who cannot see it.
  if (wb.mixtureHoldsPrecipitate() != drawnPrecipitate_) updateBeakerLevel();
  page_->setAccessibleDescription(precipitateDescription(wb));
  if (paintedSolute1_ != wb.soluteOf(1) || paintedSolute2_ != shownSolute2(wb) ||
      paintedMixturePossible_ != wb.mixturePossible())
    page_->repaintTexts();
}

void MixturePanel::updateBeakerLevel() {
  drawnPrecipitate_ = wb_.mixtureHoldsPrecipitate();
  page_->setBenchOverlay(
      [conductimeter = wb_.conductimeterMontage(), volume = mixtureVolume(wb_),
       cloudy = drawnPrecipitate_](qtp::Surface& s) { ui::updateBeakerLevel(s, conductimeter, volume, cloudy); });
  page_->update();
}

void MixturePanel::raiseNotice() { precipitateFrame_->raise(); }

std::vector<std::pair<QWidget*, QString>> MixturePanel::hints() const {
  auto h = BenchPanel::hints();
  h.emplace_back(page_, tr("Choisissez le volume de chaque solution dans le mélange."));
  for (EntryField* e : volumeFields_)
    h.emplace_back(e, tr("Burette : flèches haut et bas ou molette, 1 mL (0,1 mL avec Maj)"));
  return h;
}

void MixturePanel::nameControls() {
  BenchPanel::nameControls();
  name(volumeFields_[0], tr("Volume V1 de la solution 1"),
       tr("Volume V1 de la solution 1 dans le mélange, en mL ; flèches : burette"));
  name(volumeFields_[1], tr("Volume V2 de la solution 2"),
       tr("Volume V2 de la solution 2 dans le mélange, en mL ; flèches : burette"));
}

}  // namespace velmira::ui
