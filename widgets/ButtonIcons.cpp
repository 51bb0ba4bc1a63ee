// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ButtonIcons.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <map>

#include "widgets/Colours.h"

namespace velmira::widgets {

namespace {

void drawOpen(QPainter& p) {
  // A folder, its flap opening.
  p.setPen(QPen(widgets::kIconOutline, 1));
  p.setBrush(widgets::kIconFolder);
  p.drawRect(QRectF(1.5, 4.5, 13, 10));
  p.drawRect(QRectF(1.5, 3, 5, 1.5));
  QPainterPath flap;
  flap.moveTo(4, 8.5);
  flap.lineTo(17, 8.5);
  flap.lineTo(14.5, 14.5);
  flap.lineTo(1.5, 14.5);
  flap.closeSubpath();
  p.setBrush(widgets::kIconFolderFlap);
  p.drawPath(flap);
}

void drawSave(QPainter& p) {
  // A diskette: body, shutter and label.
  p.setPen(QPen(widgets::kIconOutline, 1));
  p.setBrush(widgets::kIconDiskette);
  p.drawRect(QRectF(2.5, 2.5, 13, 13));
  p.setBrush(widgets::kIconDisketteShutter);
  p.drawRect(QRectF(5.5, 2.5, 7, 4.5));
  p.setBrush(widgets::kIconDisketteLabel);
  p.drawRect(QRectF(9.5, 3.5, 2, 2.5));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(4.5, 9.5, 9, 6));
  p.setPen(QPen(widgets::kIconSheetEdge, 1));
  p.drawLine(QPointF(6, 11.5), QPointF(12, 11.5));
  p.drawLine(QPointF(6, 13.5), QPointF(12, 13.5));
}

void sheet(QPainter& p, const QRectF& r) {
  p.setBrush(Qt::white);
  p.drawRect(r);
  p.setPen(QPen(widgets::kIconSheetEdge, 1));
  for (double y = r.top() + 3; y < r.bottom() - 1; y += 2.5)
    p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
  p.setPen(QPen(widgets::kIconOutline, 1));
}

void drawCopy(QPainter& p) {
  // Two overlapping sheets.
  p.setPen(QPen(widgets::kIconOutline, 1));
  sheet(p, QRectF(1.5, 1.5, 9, 11));
  sheet(p, QRectF(7.5, 5.5, 9, 11));
}

void drawPrint(QPainter& p) {
  // A printer with a sheet coming out.
  p.setPen(QPen(widgets::kIconOutline, 1));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(5.5, 1.5, 7, 5));
  p.setBrush(widgets::kIconPrinter);
  p.drawRect(QRectF(1.5, 6.5, 15, 7));
  p.setBrush(widgets::kIconPrinterLight);
  p.drawEllipse(QRectF(13, 8, 2, 2));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(4.5, 11.5, 9, 5));
}

void drawTable(QPainter& p) {
  // A grid with a title row.
  p.setPen(QPen(widgets::kIconOutline, 1));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(1.5, 2.5, 15, 13));
  p.fillRect(QRectF(2, 3, 14, 3), widgets::kDarkBlue);
  for (double y : {6.5, 9.5, 12.5}) p.drawLine(QPointF(1.5, y), QPointF(16.5, y));
  for (double x : {6.5, 11.5}) p.drawLine(QPointF(x, 2.5), QPointF(x, 15.5));
}

void drawCalculator(QPainter& p) {
  // Body, screen and a keypad.
  p.setPen(QPen(widgets::kIconOutline, 1));
  p.setBrush(widgets::kIconCalculator);
  p.drawRoundedRect(QRectF(3.5, 1.5, 11, 15), 1.5, 1.5);
  p.setBrush(widgets::kIconCalculatorScreen);
  p.drawRect(QRectF(5.5, 3.5, 7, 3));
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) p.drawRect(QRectF(5.5 + c * 2.5, 8 + r * 2.5, 1.6, 1.6));
}

void drawHelp(QPainter& p) {
  // A question mark in a blue disc.
  p.setPen(QPen(widgets::kIconHelpEdge, 1));
  p.setBrush(widgets::kIconHelpDisc);
  p.drawEllipse(QRectF(1.5, 1.5, 15, 15));
  QPen mark(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(mark);
  p.setBrush(Qt::NoBrush);
  QPainterPath q;
  q.moveTo(6.5, 7);
  q.cubicTo(6.5, 3.8, 11.5, 3.8, 11.5, 7);
  q.cubicTo(11.5, 9, 9, 9, 9, 11);
  p.drawPath(q);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawEllipse(QRectF(8, 12.5, 2, 2));
}

void drawClose(QPainter& p) {
  // An open door and an arrow leaving through it.
  p.setPen(QPen(widgets::kIconOutline, 1));
  p.setBrush(widgets::kIconDoor);
  p.drawRect(QRectF(2.5, 1.5, 8, 15));
  p.setBrush(widgets::kIconDoorway);
  p.drawRect(QRectF(4.5, 3.5, 4, 11));
  QPen arrow(widgets::kIconExitArrow, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(arrow);
  p.drawLine(QPointF(8, 9), QPointF(16, 9));
  p.drawLine(QPointF(13, 6), QPointF(16, 9));
  p.drawLine(QPointF(13, 12), QPointF(16, 9));
}

void drawRecord(QPainter& p) {
  // The table with a green arrow bringing a line into it.
  drawTable(p);
  p.setPen(Qt::NoPen);
  p.setBrush(widgets::kIconRecordArrow);
  QPainterPath a;
  a.moveTo(6, 7);
  a.lineTo(11, 7);
  a.lineTo(11, 4.5);
  a.lineTo(16.5, 9.5);
  a.lineTo(11, 14.5);
  a.lineTo(11, 12);
  a.lineTo(6, 12);
  a.closeSubpath();
  p.setPen(QPen(Qt::white, 1));
  p.drawPath(a);
}

void drawTableMenu(QPainter& p) {
  // The table with a small menu arrow below its right edge.
  p.save();
  p.scale(0.8, 0.8);
  drawTable(p);
  p.restore();
  p.setPen(Qt::NoPen);
  p.setBrush(widgets::kIconOutline);
  QPainterPath a;
  a.moveTo(11, 14);
  a.lineTo(17, 14);
  a.lineTo(14, 17);
  a.closeSubpath();
  p.drawPath(a);
}

}  // namespace

QImage commandPicture(CommandPicture which, double devicePixelRatio) {
  const int px = static_cast<int>(kCommandPictureSize * devicePixelRatio + 0.5);
  QImage img(px, px, QImage::Format_ARGB32_Premultiplied);
  img.setDevicePixelRatio(devicePixelRatio);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  switch (which) {
    case CommandPicture::Open:
      drawOpen(p);
      break;
    case CommandPicture::Save:
      drawSave(p);
      break;
    case CommandPicture::Copy:
      drawCopy(p);
      break;
    case CommandPicture::Print:
      drawPrint(p);
      break;
    case CommandPicture::Table:
      drawTable(p);
      break;
    case CommandPicture::Calculator:
      drawCalculator(p);
      break;
    case CommandPicture::Help:
      drawHelp(p);
      break;
    case CommandPicture::Close:
      drawClose(p);
      break;
    case CommandPicture::Record:
      drawRecord(p);
      break;
    case CommandPicture::TableMenu:
      drawTableMenu(p);
      break;
  }
  return img;
}

QIcon commandIcon(CommandPicture which) {
  // Drawn once per picture; never destroyed (a pixmap must not outlive the
  // application).
  static auto* icons = new std::map<CommandPicture, QIcon>;
  auto it = icons->find(which);
  if (it == icons->end()) {
    QIcon icon;
    for (double dpr : {1.0, 2.0}) icon.addPixmap(QPixmap::fromImage(commandPicture(which, dpr)));
    it = icons->emplace(which, icon).first;
  }
  return it->second;
}

}  // namespace velmira::widgets
