// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/MessageBoxBuilder.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGridLayout>
#include <QSpacerItem>
#include <QString>

#include "platform/qt/Translations.h"

namespace velmira::qtp {

namespace {

// Room the title bar takes besides its text: the window's icon and buttons.
constexpr int kTitleBarRoom = 160;

}  // namespace

QMessageBox::Icon iconOf(Icon icon) {
  switch (icon) {
    case Icon::Critical:
      return QMessageBox::Critical;
    case Icon::Question:
      return QMessageBox::Question;
    case Icon::Exclamation:
      return QMessageBox::Warning;
    case Icon::Information:
      return QMessageBox::Information;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons buttonsOf(Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok:
      return QMessageBox::Ok;
    case Buttons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case Buttons::SaveDiscardCancel:
      return QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

void configureMessageBox(QMessageBox& box, const Message& message) {
  box.setIcon(iconOf(message.icon));
  box.setWindowTitle(shownMessageText(message.title));
  box.setTextFormat(Qt::PlainText);
  box.setText(shownMessageText(message.text));
  box.setStandardButtons(buttonsOf(message.buttons));
  switch (message.buttons) {
    case Buttons::Ok:
      box.setDefaultButton(QMessageBox::Ok);
      box.setEscapeButton(QMessageBox::Ok);
      break;
    case Buttons::OkCancel:
      box.setDefaultButton(QMessageBox::Ok);
      box.setEscapeButton(QMessageBox::Cancel);
      break;
    case Buttons::YesNo:
      box.setDefaultButton(QMessageBox::Yes);
      box.setEscapeButton(QMessageBox::No);
      break;
    case Buttons::SaveDiscardCancel:
      box.button(QMessageBox::Save)->setText(shownMessageText(kSaveCaption));
      box.button(QMessageBox::Discard)->setText(shownMessageText(kDiscardCaption));
      box.button(QMessageBox::Cancel)->setText(shownMessageText(kCancelCaption));
      box.setDefaultButton(QMessageBox::Save);
      box.setEscapeButton(QMessageBox::Cancel);
      break;
  }
  // A box at least as wide as its title bar needs, so that the title shows whole.
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
    QFont bold = box.font();
    bold.setBold(true);
    const int width = QFontMetrics(bold).horizontalAdvance(box.windowTitle()) + kTitleBarRoom;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                  grid->columnCount());
  }
}

Answer answerOf(Buttons buttons, QMessageBox::StandardButton clicked) {
  switch (buttons) {
    case Buttons::Ok:
      return Answer::Ok;
    case Buttons::OkCancel:
      return clicked == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
    case Buttons::YesNo:
      return clicked == QMessageBox::Yes ? Answer::Yes : Answer::No;
    case Buttons::SaveDiscardCancel:
      if (clicked == QMessageBox::Save) return Answer::Save;
      return clicked == QMessageBox::Discard ? Answer::Discard : Answer::Cancel;
  }
  return Answer::Cancel;
}

}  // namespace velmira::qtp
