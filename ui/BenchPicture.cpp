// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/BenchPicture.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRadioButton>
#include <algorithm>

#include "platform/core/NumberText.h"
#include "ui/BenchPage.h"
#include "ui/BenchPanel.h"
#include "ui/Benches.h"
#include "ui/CalibreFrame.h"
#include "ui/DisplayLabel.h"
#include "ui/KnobWidget.h"
#include "ui/MainWindow.h"
#include "ui/drawing/BeakerRule.h"
#include "ui/drawing/BenchDrawing.h"
#include "ui/drawing/GradientBand.h"
#include "widgets/Colours.h"
#include "widgets/RadioMark.h"

namespace velmira::ui {

namespace {

int rnd(double v) { return static_cast<int>(num::roundHalfEven(v)); }

constexpr double kMetresPerInch = 0.0254;
constexpr double kScreenDpi = 96;

void drawOption(qtp::Surface& s, const QRadioButton* button, QPoint at) {
  const auto* mark = qobject_cast<const widgets::RadioMark*>(button);
  if (!mark) return;
  s.paint([&](QPainter& p) {
    p.translate(at);
    mark->paintFace(p);
  });
}

// A display in its sunken frame, its text centred; `at` is its top-left
// corner in the picture.
void drawDisplay(qtp::Surface& s, const DisplayLabel* d, QPoint at) {
  const int x1 = at.x(), y1 = at.y(), x2 = x1 + d->width(), y2 = y1 + d->height();
  s.setFillTransparent();
  s.rectangle(x1 + 1, y1 + 1, x2, y2, widgets::kBlack);
  s.rectangle(x1, y1, x2, y2, widgets::kWhite);
  s.rectangle(x1, y1, x2 - 1, y2 - 1, widgets::kLightGrey);
  s.rectangle(x1, y1, x2 - 2, y2 - 2, widgets::kDarkGrey);
  s.filledRectangle(x1 + 2, y1 + 2, x2 - 2, y2 - 2, d->palette().color(QPalette::Window));
  const QString text = d->text();
  if (text.isEmpty()) return;
  const QFontMetrics fm(d->font());
  const int x = x1 + rnd((d->width() - fm.horizontalAdvance(text)) / 2.0);
  const int y = y1 + rnd((d->height() - fm.height()) / 2.0);
  s.paint([&](QPainter& p) {
    p.setFont(d->font());
    p.setPen(d->palette().color(QPalette::WindowText));
    p.drawText(QPointF(x, y + fm.ascent()), text);
  });
}

}  // namespace

double pictureRatio(const QWidget& w) { return std::max(2.0, w.devicePixelRatioF()); }

BenchPicture::BenchPicture(MainWindow& window, double ratio)
    : window_(window),
      fixedRatio_(ratio),
      benchPicture_(1, 1, ratio > 0 ? ratio : pictureRatio(window)),
      redrawn_(1, 1, benchPicture_.devicePixelRatio()) {}

QPoint BenchPicture::origin(int bench) const {
  return {kBandMargin, bandTop(window_.benches().panel(benchOfNumber(bench)).page()->surface().height())};
}

const qtp::Surface& BenchPicture::redrawnPage(int bench) {
  const qtp::Surface& page = window_.benches().panel(benchOfNumber(bench)).page()->surface();
  redrawn_.resize(page.width(), page.height());
  const bool conductimeter = window_.workbench().conductimeterMontage();
  drawBench(redrawn_, benchPlacement(conductimeter, window_.benches().panel(Bench::Solution1).sizes()));
  if (bench == 3)
    updateBeakerLevel(redrawn_, conductimeter, mixtureVolume(window_.workbench()),
                      window_.workbench().mixtureHoldsPrecipitate());
  return redrawn_;
}

void BenchPicture::compose(int bench) {
  const double ratio = fixedRatio_ > 0 ? fixedRatio_ : pictureRatio(window_);
  for (qtp::Surface* s : {&benchPicture_, &redrawn_}) s->setDevicePixelRatio(ratio);
  const qtp::Surface& page = window_.benches().panel(benchOfNumber(bench)).page()->drawnSurface();
  const QRect band(origin(bench), QSize(page.width() - 2 * kBandMargin + 1, kBandRows));
  benchPicture_.removeBackgroundPicture();
  benchPicture_.setPersistent(true);
  benchPicture_.resize(band.width(), band.height());
  benchPicture_.clear();
  if (page.devicePixelRatio() == ratio)
    benchPicture_.copyFrom(page, band, QPoint(0, 0));
  else
    benchPicture_.copyFrom(redrawnPage(bench), band, QPoint(0, 0));
  drawLiveControls(bench);
}

void BenchPicture::drawLiveControls(int bench) {
  const BenchPanel& panel = window_.benches().panel(benchOfNumber(bench));
  const QPoint o = origin(bench);
  qtp::Surface& s = benchPicture_;
  if (!window_.workbench().conductimeterMontage()) {
    for (int k = 0; k < 2; ++k) {
      KnobWidget* knob = panel.knob(k);
      s.drawImage(knob->x() - o.x(), knob->y() - o.y(), knob->picture(ratio()));
    }
    for (const CalibreFrame* frame : {panel.voltmeterFrame(), panel.ammeterFrame()})
      for (int j = 0; j < 4; ++j) drawOption(s, frame->button(j), frame->pos() + frame->button(j)->pos() - o);
    for (model::Meter m : {model::Meter::Ammeter, model::Meter::Voltmeter})
      drawDisplay(s, panel.display(m), panel.display(m)->pos() - o);
    drawDisplay(s, panel.generatorScreen(), panel.generatorScreen()->pos() - o);
  } else {
    for (int j = 0; j < model::kRangesPerBench; ++j)
      drawOption(s, panel.rangeButton(j), panel.rangeButton(j)->pos() - o);
    const DisplayLabel* d = panel.display(model::Meter::Conductimeter);
    drawDisplay(s, d, d->pos() - o);
  }
}

QImage BenchPicture::image() const {
  QImage picture = benchPicture_.image().convertToFormat(QImage::Format_RGB32);
  const int dotsPerMetre = rnd(ratio() * kScreenDpi / kMetresPerInch);
  picture.setDotsPerMeterX(dotsPerMetre);
  picture.setDotsPerMeterY(dotsPerMetre);
  return picture;
}

}  // namespace velmira::ui
