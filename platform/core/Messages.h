#pragma once
// The message seam: every message box of the program goes through a
// MessageService, so tests can see the messages and answer them.
#include <optional>
#include <string>

namespace velmira {

enum class Icon { Critical, Question, Exclamation, Information };
// SaveDiscardCancel answers Save, Discard or Cancel; ResumeOrNot answers Yes
// (resume, the default) or No.
enum class Buttons { Ok, OkCancel, YesNo, SaveDiscardCancel, ResumeOrNot };
enum class Answer { Ok, Cancel, Yes, No, Save, Discard };

// The captions of the buttons the desktop has no standard text for.
inline constexpr const char* kSaveCaption = "Enregistrer";
inline constexpr const char* kDiscardCaption = "Ne pas enregistrer";
inline constexpr const char* kCancelCaption = "Annuler";
inline constexpr const char* kResumeCaption = "Reprendre";
inline constexpr const char* kNoResumeCaption = "Ne pas reprendre";

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
Message saveDiscardCancel(std::string text, std::string title);
Message resumeOrNot(std::string text, std::string title);
}  // namespace msg

}  // namespace velmira
