#include "platform/qt/QtMessageService.h"

#include <QMessageBox>

#include "platform/qt/MessageBoxBuilder.h"

namespace velmira::qtp {

Answer QtMessageService::show(const Message& message) {
  QMessageBox box(parent_.data());
  configureMessageBox(box, message);
  const int clicked = box.exec();
  return answerOf(message.buttons, static_cast<QMessageBox::StandardButton>(clicked));
}

}  // namespace velmira::qtp
