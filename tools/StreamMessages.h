// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Messages of the core written on a stream (the tool's stderr).
#include <ostream>

#include "platform/core/Messages.h"

namespace velmira::tools {

class StreamMessages : public MessageService {
 public:
  explicit StreamMessages(std::ostream& err) : err_(err) {}
  Answer show(const Message& m) override {
    // A text that starts with its title ("Enregistrement impossible : « … »") is written once.
    if (m.text.compare(0, m.title.size(), m.title) == 0)
      err_ << m.text << "\n";
    else
      err_ << m.title << " : " << m.text << "\n";
    ++count;
    return m.buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
  }
  int count = 0;

 private:
  std::ostream& err_;
};

}  // namespace velmira::tools
