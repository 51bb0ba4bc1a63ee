#pragma once
// The message seam: every message box of the program goes through a
// MessageService, so tests can see the messages and answer them.
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

class MessageService {
 public:
  virtual ~MessageService() = default;
  virtual Answer show(const Message& message) = 0;
};

// Fixed texts shared by several callers.
namespace msg {
Message criticalOk(std::string text, std::string title);
Message information(std::string text, std::string title);
Message questionOkCancel(std::string text, std::string title);
Message exclamationYesNo(std::string text, std::string title);
}  // namespace msg

}  // namespace velmira
