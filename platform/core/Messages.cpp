#include "platform/core/Messages.h"

#include <utility>

namespace velmira {

std::optional<std::string> MessageService::ask(const TextQuestion&) { return std::nullopt; }

}  // namespace velmira

namespace velmira::msg {

Message criticalOk(std::string text, std::string title) {
  return {std::move(text), std::move(title), Icon::Critical, Buttons::Ok};
}
Message information(std::string text, std::string title) {
  return {std::move(text), std::move(title), Icon::Information, Buttons::Ok};
}
Message questionOkCancel(std::string text, std::string title) {
  return {std::move(text), std::move(title), Icon::Question, Buttons::OkCancel};
}
Message exclamationYesNo(std::string text, std::string title) {
  return {std::move(text), std::move(title), Icon::Exclamation, Buttons::YesNo};
}
Message exclamationOk(std::string text, std::string title) {
  return {std::move(text), std::move(title), Icon::Exclamation, Buttons::Ok};
}

Message saveDiscardCancel(std::string text, std::string title) {
  return {std::move(text), std::move(title), Icon::Exclamation, Buttons::SaveDiscardCancel};
}
Message resumeOrNot(std::string text, std::string title) {
  return {std::move(text), std::move(title), Icon::Question, Buttons::ResumeOrNot};
}

}  // namespace velmira::msg
