// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/drawing/BeakerPicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <map>

#include "platform/core/NumberText.h"
#include "widgets/Colours.h"

namespace velmira::ui {

namespace {

// Geometry in the picture's own logical pixels; the centre line x = 33 lands
// on x = 96 of the page.
constexpr double kCx = 33.0;
constexpr double kHalf = 31.5;     // outer half-width of the widgets::kBeakerGlass
constexpr double kRimY = 23.0;     // rim ellipse centre
constexpr double kBottomY = 98.0;  // bottom ellipse centre
constexpr double kEllipse = 3.2;   // vertical half-axis of the rim and bottom

// Every pixel fully opaque or fully transparent, like a masked bitmap: the
// mixture page draws the picture again over its own earlier copy (only the
// band rows behind the beaker are repainted), so a translucent pixel would
// darken at each redraw.
QImage binaryAlpha(const QImage& src) {
  QImage img = src.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < img.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < img.width(); ++x) {
      const QRgb c = line[x];
      line[x] = qAlpha(c) >= 128 ? qRgba(qRed(c), qGreen(c), qBlue(c), 255) : qRgba(0, 0, 0, 0);
    }
  }
  img = img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  img.setDevicePixelRatio(src.devicePixelRatio());
  return img;
}

QImage build(double dpr) {
  const int w = static_cast<int>(num::roundHalfEven(kBeakerSize.width() * dpr));
  const int h = static_cast<int>(num::roundHalfEven(kBeakerSize.height() * dpr));
  QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
  img.setDevicePixelRatio(dpr);
  img.fill(Qt::transparent);
  QPainter p(&img);
  // Aliased strokes: continuous one-pixel lines that stay whole under the
  // binary transparency below.
  p.setRenderHint(QPainter::Antialiasing, false);

  const double left = kCx - kHalf, right = kCx + kHalf;

  // Back half of the rim.
  p.setPen(QPen(widgets::kBeakerRim, 1.0));
  p.drawArc(QRectF(left, kRimY - kEllipse, 2 * kHalf, 2 * kEllipse), 0, 180 * 16);

  // Graduations on the left of the widgets::kBeakerGlass.
  p.setPen(QPen(widgets::kBeakerGraduation, 1.0));
  for (int k = 0; k < 6; ++k) {
    const double y = 40.0 + k * 10.0;
    p.drawLine(QPointF(left + 4, y), QPointF(left + (k % 2 == 0 ? 11 : 8), y));
  }

  // Cell head, between the cable at the top and the stem (x 97..106 of the page).
  const QRectF head(34.0, 0.0, 9.0, 33.0);
  QLinearGradient headShade(head.left(), 0, head.right(), 0);
  headShade.setColorAt(0.0, widgets::kCellHeadDark);
  headShade.setColorAt(0.35, widgets::kCellHeadLight);
  headShade.setColorAt(1.0, widgets::kCellHeadEdge);
  p.setPen(Qt::NoPen);
  p.setBrush(headShade);
  p.drawRoundedRect(head, 2.0, 2.0);
  p.setBrush(widgets::kCellHeadCap);
  p.drawRect(QRectF(34.0, 11.0, 9.0, 2.0));

  // Walls, bottom and front half of the rim.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(widgets::kBeakerGlass, 1.0, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(QPointF(left, kRimY), QPointF(left, kBottomY));
  p.drawLine(QPointF(right, kRimY), QPointF(right, kBottomY));
  p.drawArc(QRectF(left, kBottomY - kEllipse, 2 * kHalf, 2 * kEllipse), 180 * 16, 180 * 16);
  p.drawArc(QRectF(left, kRimY - kEllipse, 2 * kHalf, 2 * kEllipse), 180 * 16, 180 * 16);
  // Pouring lip on the left.
  QPainterPath lip;
  lip.moveTo(left + 3, kRimY - 2.5);
  lip.quadTo(left - 1.5, kRimY - 3.5, left - 1.0, kRimY - 0.5);
  p.drawPath(lip);

  // Highlights on the widgets::kBeakerGlass.
  p.setPen(QPen(widgets::kWhite, 1.0, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(QPointF(left + 2.2, kRimY + 6), QPointF(left + 2.2, kBottomY - 4));
  p.setPen(QPen(widgets::kGlassHighlight, 1.0, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(right - 3.0, kRimY + 10), QPointF(right - 3.0, kRimY + 30));
  p.end();
  return binaryAlpha(img);
}

}  // namespace

const QImage& beakerPicture(double devicePixelRatio) {
  static std::map<double, QImage> cache;
  auto it = cache.find(devicePixelRatio);
  if (it == cache.end()) it = cache.emplace(devicePixelRatio, build(devicePixelRatio)).first;
  return it->second;
}

}  // namespace velmira::ui
