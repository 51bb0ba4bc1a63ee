// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DisplayLabel.h"

#include "platform/qt/Fonts.h"
#include "widgets/Colours.h"

namespace velmira::ui {

DisplayLabel::DisplayLabel(Kind kind, QWidget* parent) : QLabel(parent), kind_(kind) {
  setTextFormat(Qt::PlainText);
  setFont(qtp::mapFont(QStringLiteral("Arial"), 8.25, true));
  setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  setAutoFillBackground(true);
  QPalette pal = palette();
  if (kind == Kind::Meter) {
    pal.setColor(QPalette::Window, widgets::kPageBackground);
    pal.setColor(QPalette::WindowText, Qt::black);
    resize(65, 17);
  } else {
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::WindowText, widgets::kDisplayDigits);
    resize(89, 17);
  }
  setPalette(pal);
}

void DisplayLabel::setDisplay(const std::string& text) {
  const QString t = QString::fromStdString(text);
  if (t == this->text()) return;
  setText(t);
  updateName();
}

void DisplayLabel::setSubject(const QString& subject) {
  subject_ = subject;
  updateName();
}

void DisplayLabel::setUnit(const QString& unit) {
  if (unit_ == unit) return;
  unit_ = unit;
  updateName();
}

void DisplayLabel::setUncertainty(const QString& text) {
  if (toolTip() == text) return;
  setToolTip(text);
  setAccessibleDescription(text);
}

void DisplayLabel::updateName() {
  if (subject_.isEmpty()) return;
  const QString reading = text().simplified();
  // A number with its unit; a text such as the overflow's stays alone.
  const bool number = !reading.isEmpty() && reading.back().isDigit();
  setAccessibleName(reading.isEmpty()            ? subject_
                    : number && !unit_.isEmpty() ? tr("%1 : %2 %3").arg(subject_, reading, unit_)
                                                 : tr("%1 : %2").arg(subject_, reading));
}

}  // namespace velmira::ui
