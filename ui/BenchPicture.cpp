#include "ui/BenchPicture.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRadioButton>
#include <algorithm>

#include "platform/core/NumberText.h"
#include "ui/BenchPage.h"
#include "ui/CalibreFrame.h"
#include "widgets/Colours.h"
#include "ui/DisplayLabel.h"
#include "ui/KnobWidget.h"
#include "ui/MainWindow.h"
#include "widgets/RadioMark.h"
#include "ui/drawing/BeakerRule.h"
#include "ui/drawing/GradientBand.h"
#include "ui/drawing/Imafond.h"

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
      pictampon_(1, 1, ratio > 0 ? ratio : pictureRatio(window)),
      redrawn_(1, 1, pictampon_.devicePixelRatio()),
      unused_(1, 1, pictampon_.devicePixelRatio()) {}

QPoint BenchPicture::origin(int bench) const { return {kBandMargin, bandTop(window_.page(bench)->surface().height())}; }

const qtp::Surface& BenchPicture::redrawnPage(int bench) {
  const qtp::Surface& page = window_.page(bench)->surface();
  redrawn_.resize(page.width(), page.height());
  const bool conductimeter = window_.workbench().conductimeterMontage();
  imafond(redrawn_, unused_, unused_, conductimeter, window_.benchSizes());
  if (bench == 3) niveaubecher(redrawn_, conductimeter, mixtureVolume(window_.workbench()));
  return redrawn_;
}

void BenchPicture::compose(int bench) {
  const double ratio = fixedRatio_ > 0 ? fixedRatio_ : pictureRatio(window_);
  for (qtp::Surface* s : {&pictampon_, &redrawn_, &unused_}) s->setDevicePixelRatio(ratio);
  const qtp::Surface& page = window_.page(bench)->surface();
  const QRect band(origin(bench), QSize(page.width() - 2 * kBandMargin + 1, kBandRows));
  pictampon_.removeBackgroundPicture();
  pictampon_.setPersistent(true);
  pictampon_.resize(band.width(), band.height());
  pictampon_.clear();
  if (page.devicePixelRatio() == ratio)
    pictampon_.copyFrom(page, band, QPoint(0, 0));
  else
    pictampon_.copyFrom(redrawnPage(bench), band, QPoint(0, 0));
  finitampon(bench);
}

void BenchPicture::finitampon(int bench) {
  const BenchPage* page = window_.page(bench);
  const QPoint o = origin(bench);
  const auto onPage = [page](const QWidget* w) { return w->parentWidget() == page; };
  qtp::Surface& s = pictampon_;
  if (!window_.workbench().conductimeterMontage()) {
    for (int i = 0; i < model::kKnobs; ++i) {
      const KnobWidget* k = window_.bouton1(i);
      if (onPage(k)) s.drawImage(k->x() - o.x(), k->y() - o.y(), k->picture(ratio()));
    }
    const auto options = [&](QRadioButton* (MainWindow::*option)(int) const, int count) {
      for (int i = 0; i < count; ++i) {
        const QRadioButton* b = (window_.*option)(i);
        const QWidget* frame = b->parentWidget();
        if (onPage(frame)) drawOption(s, b, frame->pos() + b->pos() - o);
      }
    };
    options(&MainWindow::option4, model::kVoltmeterCalibres);
    options(&MainWindow::option5, model::kAmmeterCalibres);
    for (int i = 3; i < 9; ++i)
      if (onPage(window_.afficheur(i))) drawDisplay(s, window_.afficheur(i), window_.afficheur(i)->pos() - o);
    for (int i = 0; i < 3; ++i)
      if (onPage(window_.ecrangbf(i))) drawDisplay(s, window_.ecrangbf(i), window_.ecrangbf(i)->pos() - o);
  } else {
    for (int i = 0; i < model::kConductimeterRanges; ++i) {
      const QRadioButton* b = window_.option6(i);
      if (onPage(b)) drawOption(s, b, b->pos() - o);
    }
    for (int i = 0; i < 3; ++i)
      if (onPage(window_.afficheur(i))) drawDisplay(s, window_.afficheur(i), window_.afficheur(i)->pos() - o);
  }
}

QImage BenchPicture::image() const {
  QImage picture = pictampon_.image().convertToFormat(QImage::Format_RGB32);
  const int dotsPerMetre = rnd(ratio() * kScreenDpi / kMetresPerInch);
  picture.setDotsPerMeterX(dotsPerMetre);
  picture.setDotsPerMeterY(dotsPerMetre);
  return picture;
}

}  // namespace velmira::ui
