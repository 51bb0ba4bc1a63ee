// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CalibreFrame.h"

#include "platform/qt/Fonts.h"
#include "widgets/RadioMark.h"
#include "widgets/SelectorGroup.h"

namespace velmira::ui {

QString voltmeterCalibre(int j) {
  static const char* const captions[] = {"20 V", "2 V", "200 mV", "20 mV"};
  return j >= 0 && j < 4 ? QString::fromUtf8(captions[j]) : QString();
}

QString ammeterCalibre(int j) {
  static const char* const captions[] = {"2 A", "200 mA", "20 mA", "2 mA"};
  return j >= 0 && j < 4 ? QString::fromUtf8(captions[j]) : QString();
}

CalibreFrame::CalibreFrame(Meter meter, int first, QWidget* parent) : QFrame(parent), meter_(meter), first_(first) {
  setFrameStyle(QFrame::NoFrame);
  setAutoFillBackground(true);
  resize(65, 49);
  const QFont font = qtp::mapFont(QStringLiteral("Times New Roman"), 8.25);
  for (int j = 0; j < 4; ++j) {
    // Circle centred 5 px in from the button's top-left corner, caption
    // 15 px right of the button's left edge.
    auto* b = new widgets::RadioMark(meter == Meter::Voltmeter ? voltmeterCalibre(j) : ammeterCalibre(j),
                                     QPointF(5.5, 6.5), this);
    b->setFont(font);
    b->setGeometry(0, 12 * j, 65, 13);
    b->setAutoExclusive(false);  // the workbench decides which one is selected
    b->setMouseTracking(true);
    b->setFocusPolicy(Qt::StrongFocus);
    connect(b, &QRadioButton::clicked, this, [this, j] { emit optionClicked(first_ + j); });
    buttons_[j] = b;
  }
  new widgets::SelectorGroup({buttons_.begin(), buttons_.end()}, this);
}

void CalibreFrame::setBackground(const QColor& c) {
  QPalette pal = palette();
  pal.setColor(QPalette::Window, c);
  pal.setColor(QPalette::Button, c);
  setPalette(pal);
}

}  // namespace velmira::ui
