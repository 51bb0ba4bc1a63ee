#include "platform/qt/MessageBoxBuilder.h"

#include <QString>

namespace velmira::qtp {

QMessageBox::Icon iconOf(Icon icon) {
  switch (icon) {
    case Icon::Critical: return QMessageBox::Critical;
    case Icon::Question: return QMessageBox::Question;
    case Icon::Exclamation: return QMessageBox::Warning;
    case Icon::Information: return QMessageBox::Information;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons buttonsOf(Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok: return QMessageBox::Ok;
    case Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
  }
  return QMessageBox::Ok;
}

void configureMessageBox(QMessageBox& box, const Message& message) {
  box.setIcon(iconOf(message.icon));
  box.setWindowTitle(QString::fromStdString(message.title));
  box.setTextFormat(Qt::PlainText);
  box.setText(QString::fromStdString(message.text));
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
  }
}

Answer answerOf(Buttons buttons, QMessageBox::StandardButton clicked) {
  switch (buttons) {
    case Buttons::Ok: return Answer::Ok;
    case Buttons::OkCancel: return clicked == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
    case Buttons::YesNo: return clicked == QMessageBox::Yes ? Answer::Yes : Answer::No;
  }
  return Answer::Cancel;
}

}  // namespace velmira::qtp
