// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/SideFrame.h"

#include <QFrame>
#include <QLabel>

#include "platform/qt/Fonts.h"
#include "widgets/Colours.h"

namespace velmira::widgets {

void styleSideFrame(QFrame& frame) {
  frame.setFrameStyle(QFrame::Box | QFrame::Plain);
  frame.setAutoFillBackground(true);
  QPalette pal = frame.palette();
  pal.setColor(QPalette::Window, kPageBackground);
  pal.setColor(QPalette::WindowText, Qt::black);
  frame.setPalette(pal);
}

QLabel* addSideFrameTitle(QFrame& frame, const QString& text) {
  auto* title = new QLabel(text, &frame);
  title->setTextFormat(Qt::PlainText);
  title->setFont(qtp::mapFont(QStringLiteral("Arial"), 8.25, true));
  title->setAutoFillBackground(true);
  QPalette tp = title->palette();
  tp.setColor(QPalette::Window, kDarkBlue);
  tp.setColor(QPalette::WindowText, Qt::white);
  title->setPalette(tp);
  title->setGeometry(0, 0, frame.width(), kSideFrameTitleHeight);
  return title;
}

}  // namespace velmira::widgets
