// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The message seam on Qt: a modal message box per message.
#include <QPointer>
#include <QWidget>

#include "platform/core/Messages.h"

namespace velmira::qtp {

class QtMessageService : public MessageService {
 public:
  explicit QtMessageService(QWidget* parent = nullptr) : parent_(parent) {}
  // The window the boxes are centred on (none: the screen).
  void setParent(QWidget* parent) { parent_ = parent; }

  Answer show(const Message& message) override;
  std::optional<std::string> ask(const TextQuestion& question) override;
  // A list of the lines, the first one chosen, and the two buttons; a
  // double-click takes a line, Escape none.
  std::optional<std::size_t> choose(const ChoiceQuestion& question) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace velmira::qtp
