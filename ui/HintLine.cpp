// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/HintLine.h"

#include <QCoreApplication>
#include <QToolTip>

#include "platform/qt/Fonts.h"

namespace velmira::ui {

HintLine::HintLine(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setWordWrap(true);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setFont(qtp::mapFont(QStringLiteral("Arial"), 8));
  setAutoFillBackground(true);
  QPalette pal = palette();
  const QPalette tip = QToolTip::palette();
  pal.setColor(QPalette::Window, tip.color(QPalette::ToolTipBase));
  pal.setColor(QPalette::WindowText, tip.color(QPalette::ToolTipText));
  setPalette(pal);
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setMargin(1);
}

void HintLine::setHint(const QString& text) {
  if (text == hint_) return;
  hint_ = text;
  QString shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  setText(shown);
}

QString backgroundHint() {
  // Kept with its CR LF, as the original program gives it; the catalogue holds the text with LF.
  return QCoreApplication::translate("velmira::ui",
                                     "Vous pouvez modifier les paramètres,\nouvrir une configuration ou un exercice")
      .replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
}

}  // namespace velmira::ui
