// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The message seam: every message box of the program goes through a
// MessageService, so tests can see the messages and answer them.
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/SafeFile.h"
#include "platform/core/TextMark.h"

namespace velmira {

enum class Icon { Critical, Question, Exclamation, Information };
// SaveDiscardCancel answers Save, Discard or Cancel.
enum class Buttons { Ok, OkCancel, YesNo, SaveDiscardCancel };
enum class Answer { Ok, Cancel, Yes, No, Save, Discard };

namespace msg {
// The translation seam. The core builds its texts in French; where one is
// shown, `shownText` gives it in the windows' language through the hook the
// window layer sets (the French text itself while none is set, or when the
// hook has no translation). A text composed with a number or a name is built
// from a pattern by `shownFormat`, which translates the pattern as it
// composes: the command-line tool, which sets no hook, gets the French.
using TextTranslator = std::string (*)(std::string_view context, std::string_view french);
void setTextTranslator(TextTranslator translator);
std::string shownText(std::string_view context, std::string_view french);
// The context of the core's texts in the catalogues.
inline constexpr const char* kMessageContext = "velmira::msg";
// A fixed text of the core (marked VELMIRA_TEXT with kMessageContext) in the
// windows' language.
std::string shown(std::string_view french);
// `pattern` (a text of `context`, marked VELMIRA_TEXT) in the windows'
// language, its %1 to %9 replaced by `args` in one pass: a % in an argument
// is kept as it is.
std::string shownFormat(std::string_view context, std::string_view pattern,
                        std::initializer_list<std::string_view> args);
// The same for a message box's text.
std::string shownFormat(std::string_view pattern, std::initializer_list<std::string_view> args);
}  // namespace msg

// The captions of the buttons the desktop has no standard text for.
inline constexpr const char* kSaveCaption = VELMIRA_TEXT("velmira::msg", "Enregistrer");
inline constexpr const char* kDiscardCaption = VELMIRA_TEXT("velmira::msg", "Ne pas enregistrer");
inline constexpr const char* kCancelCaption = VELMIRA_TEXT("velmira::msg", "Annuler");
inline constexpr const char* kResumeCaption = VELMIRA_TEXT("velmira::msg", "Reprendre");

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

// A choice of one line among several, or of none: a text above the lines,
// a title, and the captions of the button that takes the chosen line and of
// the one that takes none.
struct ChoiceQuestion {
  std::string text;
  std::string title;
  std::vector<std::string> lines;
  std::string takeCaption;
  std::string noneCaption;
};

class MessageService {
 public:
  virtual ~MessageService() = default;
  virtual Answer show(const Message& message) = 0;
  // The text typed, or nullopt when the box was cancelled (the default: a
  // service that cannot ask, as the command-line tool).
  virtual std::optional<std::string> ask(const TextQuestion& question);
  // The line chosen (from 0), or nullopt when none was (the default).
  virtual std::optional<std::size_t> choose(const ChoiceQuestion& question);
};

// Fixed texts shared by several callers.
namespace msg {
Message criticalOk(std::string text, std::string title);
Message information(std::string text, std::string title);
Message questionOkCancel(std::string text, std::string title);
Message exclamationYesNo(std::string text, std::string title);
Message exclamationOk(std::string text, std::string title);

// Saves and loads of files.
// "Enregistrement impossible : « PATH » : CAUSE", the cause in words
// ("c'est un dossier", "disque plein"..., else the system error's words).
std::string saveCauseText(const fileio::SaveFailure& failure);
// A system error number in French words ("trop de liens symboliques"), never
// the system's own (English) text; "erreur système N" for a rare one.
std::string systemErrorText(int error);
Message writeFailure(const std::string& path, const fileio::SaveFailure& failure);
// The question before a read-only file is replaced: Yes replaces it.
Message replaceReadOnlyQuestion(const std::string& path);
// Whether a save to `path` may go on: true unless the file is read-only,
// `askOverReadOnly`, and the question was not answered Yes. `readOnly` gets
// what the save must do with the file: replace it only when the user agreed.
bool mayReplace(const std::string& path, bool askOverReadOnly, MessageService& messages,
                fileio::ReadOnlyTarget& readOnly);
Message readFailure();       // "Lecture impossible sur disque"
Message notConfiguration();  // "Ce fichier ne correspond pas à cette application"

// "Texte trop long : seul le début est affiché.": a text shown cut.
Message textCut();
Message saveDiscardCancel(std::string text, std::string title);
}  // namespace msg

}  // namespace velmira
