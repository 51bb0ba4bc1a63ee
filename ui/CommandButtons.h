// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The row of command buttons across the top of the main window, each with
// its picture, caption (with its access key), tooltip and hint.
#include <QString>
#include <QToolButton>
#include <array>

namespace velmira::ui {

// In button order (`Command2`, `Command11`, `Command4`, `Command10`,
// `Check1`, `Command8`, `Command7`, `Command1`); each button's object name
// is its command's ("openCommand", …).
enum class Command { Open, Save, Copy, Print, Table, Calculator, Help, Close };
inline constexpr int kCommandCount = 8;

struct CommandInfo {
  const char* name;     // control name
  const char* caption;  // with "&" before the access key
  const char* tooltip;
  const char* hint;
  int left;
  int width;
};
const CommandInfo& commandInfo(Command c);

class CommandButtons {
 public:
  // Creates the buttons as children of `parent` at their design places.
  explicit CommandButtons(QWidget* parent);
  QToolButton* button(Command c) const { return buttons_[static_cast<int>(c)]; }
  // The command of a button, when it is one of them.
  bool commandOf(const QObject* o, Command* c) const;

 private:
  std::array<QToolButton*, kCommandCount> buttons_{};
};

}  // namespace velmira::ui
