#include "platform/qt/QtMessageService.h"

#include <QInputDialog>
#include <QMessageBox>

#include "platform/qt/MessageBoxBuilder.h"

namespace velmira::qtp {

Answer QtMessageService::show(const Message& message) {
  QMessageBox box(parent_.data());
  configureMessageBox(box, message);
  const int clicked = box.exec();
  return answerOf(message.buttons, static_cast<QMessageBox::StandardButton>(clicked));
}

std::optional<std::string> QtMessageService::ask(const TextQuestion& question) {
  QInputDialog box(parent_.data());
  box.setInputMode(QInputDialog::TextInput);
  box.setWindowTitle(QString::fromStdString(question.title));
  box.setLabelText(QString::fromStdString(question.prompt));
  box.setTextValue(QString::fromStdString(question.initial));
  box.setOkButtonText(QStringLiteral("OK"));
  box.setCancelButtonText(QStringLiteral("Annuler"));
  if (box.exec() != QDialog::Accepted) return std::nullopt;
  return box.textValue().toStdString();
}

}  // namespace velmira::qtp
