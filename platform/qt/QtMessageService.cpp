// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/QtMessageService.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/MessageBoxBuilder.h"
#include "platform/qt/Translations.h"

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
  box.setWindowTitle(shownMessageText(question.title));
  box.setLabelText(shownMessageText(question.prompt));
  box.setTextValue(QString::fromStdString(question.initial));
  box.setOkButtonText(QStringLiteral("OK"));
  box.setCancelButtonText(shownMessageText(kCancelCaption));
  if (box.exec() != QDialog::Accepted) return std::nullopt;
  return box.textValue().toStdString();
}

std::optional<std::size_t> QtMessageService::choose(const ChoiceQuestion& question) {
  if (question.lines.empty()) return std::nullopt;
  QDialog box(parent_.data());
  box.setWindowTitle(shownMessageText(question.title));
  auto* layout = new QVBoxLayout(&box);
  auto* text = new QLabel(shownMessageText(question.text), &box);
  auto* list = new QListWidget(&box);
  for (const std::string& line : question.lines) list->addItem(QString::fromStdString(line));
  list->setCurrentRow(0);
  text->setBuddy(list);
  auto* buttons = new QDialogButtonBox(&box);
  QPushButton* take = buttons->addButton(shownMessageText(question.takeCaption), QDialogButtonBox::AcceptRole);
  buttons->addButton(shownMessageText(question.noneCaption), QDialogButtonBox::RejectRole);
  take->setDefault(true);
  layout->addWidget(text);
  layout->addWidget(list);
  layout->addWidget(buttons);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);
  QObject::connect(list, &QListWidget::itemDoubleClicked, &box, &QDialog::accept);
  list->setFocus();
  if (box.exec() != QDialog::Accepted || list->currentRow() < 0) return std::nullopt;
  return static_cast<std::size_t>(list->currentRow());
}

}  // namespace velmira::qtp
