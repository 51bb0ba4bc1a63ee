// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/drawing/CellDiagram.h"

#include <QPainter>
#include <QPainterPath>

#include "platform/core/NumberText.h"
#include "platform/qt/Fonts.h"
#include "widgets/Colours.h"

namespace velmira::ui {

namespace {

// A plate seen obliquely: front widgets::kDiagramEdge at x from `top` to `top + h`, back widgets::kDiagramEdge
// shifted by (dx, -dy).
QPolygonF plate(double x, double top, double h, double dx, double dy) {
  return QPolygonF({QPointF(x, top), QPointF(x + dx, top - dy), QPointF(x + dx, top - dy + h), QPointF(x, top + h)});
}

void arrowHead(QPainter& p, QPointF tip, double dir) {
  const QPointF a(tip.x() - dir * 6, tip.y() - 3), b(tip.x() - dir * 6, tip.y() + 3);
  p.drawPolygon(QPolygonF({tip, a, b}));
}

}  // namespace

QImage cellDiagram(QSize size, double dpr) {
  const int w = static_cast<int>(num::roundHalfEven(size.width() * dpr));
  const int h = static_cast<int>(num::roundHalfEven(size.height() * dpr));
  QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
  img.setDevicePixelRatio(dpr);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  // Designed on 150 × 110, scaled to the size asked for.
  p.scale(size.width() / 150.0, size.height() / 110.0);

  const double dx = 22, dy = 14, top = 30, ph = 52;
  const double x1 = 30, x2 = 92;

  // Leads from the top of each plate.
  p.setPen(QPen(widgets::kDiagramLead, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPolyline(QPolygonF({QPointF(x1 + dx / 2, top - dy / 2), QPointF(x1 + dx / 2, 6), QPointF(58, 6)}));
  p.drawPolyline(QPolygonF({QPointF(x2 + dx / 2, top - dy / 2), QPointF(x2 + dx / 2, 6), QPointF(86, 6)}));
  p.setBrush(widgets::kWireBlue);
  p.setPen(QPen(widgets::kDiagramEdge, 1.0));
  p.drawEllipse(QPointF(61, 6), 3, 3);
  p.drawEllipse(QPointF(83, 6), 3, 3);

  // The two plates; the field between them is hinted by dashed lines.
  QLinearGradient metal(0, top - dy, 0, top + ph);
  metal.setColorAt(0, widgets::kElectrodeLight);
  metal.setColorAt(1, widgets::kElectrodeShade);
  p.setPen(QPen(widgets::kFieldLines, 1.0, Qt::DashLine));
  for (int k = 1; k <= 3; ++k) {
    const double y = top + ph * k / 4.0 - dy / 2;
    p.drawLine(QPointF(x1 + dx / 2 + 2, y), QPointF(x2 + dx / 2 - 2, y));
  }
  p.setPen(QPen(widgets::kDiagramEdge, 1.2));
  p.setBrush(metal);
  p.drawPolygon(plate(x1, top, ph, dx, dy));
  p.drawPolygon(plate(x2, top, ph, dx, dy));

  // Labels: S on the front plate, L between the plates.
  QFont f = qtp::mapFont(QStringLiteral("Times New Roman"), 11, true, true);
  p.setFont(f);
  p.setPen(widgets::kDarkBlue);
  p.drawText(QRectF(x2, top - dy / 2, dx, ph), Qt::AlignCenter, QStringLiteral("S"));

  const double ya = top + ph + 10;
  p.setPen(QPen(widgets::kDarkBlue, 1.0));
  p.drawLine(QPointF(x1, top + ph + 3), QPointF(x1, ya + 4));
  p.drawLine(QPointF(x2, top + ph + 3), QPointF(x2, ya + 4));
  p.drawLine(QPointF(x1 + 1, ya), QPointF(x2 - 1, ya));
  p.setBrush(widgets::kDarkBlue);
  arrowHead(p, QPointF(x1 + 1, ya), -1);
  arrowHead(p, QPointF(x2 - 1, ya), 1);
  p.drawText(QRectF(x1, ya + 1, x2 - x1, 17), Qt::AlignCenter, QStringLiteral("L"));
  p.end();
  return img;
}

}  // namespace velmira::ui
