#pragma once
// The message seam: every message box of the program goes through a
// MessageService, so tests can see the messages and answer them.
#include <optional>
#include <string>

namespace velmira {

enum class Icon { Critical, Question, Exclamation, Information };
enum class Buttons { Ok, OkCancel, YesNo };
enum class Answer { Ok, Cancel, Yes, No };

struct Message {
  std::string text;
  std::string title;
  Icon icon = Icon::Information;
  Buttons buttons = Buttons::Ok;
};

// An input box: a prompt, a title and the text it starts with.
struct TextQuestion {
  std::string prompt;
  std::string title;
  std::string initial;
};

class MessageService {
 public:
  virtual ~MessageService() = default;
  virtual Answer show(const Message& message) = 0;
  // The text typed, or nullopt when the box was cancelled (the default: a
  // service that cannot ask, as the command-line tool).
  virtual std::optional<std::string> ask(const TextQuestion& question);
};

// Fixed texts shared by several callers.
namespace msg {
Message criticalOk(std::string text, std::string title);
Message information(std::string text, std::string title);
Message questionOkCancel(std::string text, std::string title);
Message exclamationYesNo(std::string text, std::string title);
Message exclamationOk(std::string text, std::string title);
}  // namespace msg

}  // namespace velmira
