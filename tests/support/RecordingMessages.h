// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A MessageService for tests: records every message and answers from a queue
// (default: the first button; the unsaved-work question answers Discard, so
// that no save window opens by itself).
#include <deque>
#include <vector>

#include "platform/core/Messages.h"

namespace velmira::test {

class RecordingMessages : public MessageService {
 public:
  std::vector<Message> shown;
  std::deque<Answer> answers;

  Answer show(const Message& m) override {
    shown.push_back(m);
    if (!answers.empty()) {
      Answer a = answers.front();
      answers.pop_front();
      return a;
    }
    switch (m.buttons) {
      case Buttons::YesNo:
        return Answer::Yes;
      case Buttons::SaveDiscardCancel:
        return Answer::Discard;
      default:
        return Answer::Ok;
    }
  }
  // Input boxes: each asked one is kept; answered from `texts` (default:
  // cancelled).
  std::vector<TextQuestion> asked;
  std::deque<std::optional<std::string>> texts;
  std::optional<std::string> ask(const TextQuestion& q) override {
    asked.push_back(q);
    if (texts.empty()) return std::nullopt;
    auto t = texts.front();
    texts.pop_front();
    return t;
  }

  // Choices: each question offered is kept; answered from `choices`
  // (default: the first line, the button that takes it being the default).
  std::vector<ChoiceQuestion> offered;
  std::deque<std::optional<std::size_t>> choices;
  std::optional<std::size_t> choose(const ChoiceQuestion& q) override {
    offered.push_back(q);
    if (choices.empty()) return q.lines.empty() ? std::nullopt : std::optional<std::size_t>(0);
    auto c = choices.front();
    choices.pop_front();
    return c;
  }

  const Message* last() const { return shown.empty() ? nullptr : &shown.back(); }
};

}  // namespace velmira::test
