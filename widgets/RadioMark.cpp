// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/RadioMark.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

#include "widgets/Colours.h"

namespace velmira::widgets {

void drawRadioMark(QPainter& p, QPointF centre, bool selected) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(QPen(kBlack, 1));
  p.setBrush(kWhite);
  p.drawEllipse(centre, kRadioRadius, kRadioRadius);
  if (selected) {
    p.setPen(Qt::NoPen);
    p.setBrush(kBlack);
    p.drawEllipse(centre, kRadioDotRadius, kRadioDotRadius);
  }
  p.restore();
}

RadioMark::RadioMark(const QString& caption, QPointF centre, QWidget* parent)
    : QRadioButton(caption, parent), centre_(centre) {}

QSize RadioMark::sizeHint() const {
  const int textWidth = text().isEmpty() ? 0 : fontMetrics().horizontalAdvance(text()) + 4;
  return QSize(static_cast<int>(centre_.x() + kRadioRadius) + 5 + textWidth,
               std::max(fontMetrics().height(), static_cast<int>(2 * kRadioRadius) + 2));
}

void RadioMark::paintFace(QPainter& p) const {
  drawRadioMark(p, centre_, isChecked());
  if (text().isEmpty()) return;
  const int textLeft = static_cast<int>(centre_.x() - kRadioRadius) + 15;
  p.save();
  p.setPen(palette().color(QPalette::WindowText));
  p.setFont(font());
  p.drawText(QRect(textLeft, 0, width() - textLeft, height()), Qt::AlignLeft | Qt::AlignVCenter, text());
  p.restore();
}

void RadioMark::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().color(QPalette::Window));
  paintFace(p);
  if (hasFocus()) {
    // A clear focus mark: a dotted frame around what the keyboard acts on.
    p.setPen(QPen(kDarkBlue, 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
  }
}

bool RadioMark::hitButton(const QPoint& pos) const { return rect().contains(pos); }

}  // namespace velmira::widgets
