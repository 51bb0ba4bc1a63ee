// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The usage texts of velmira-outil: --help, and the manual pages made from
// the same table.
#include <string>
#include <string_view>
#include <vector>

namespace velmira::tools {

// The usage of one command, "" for an unknown one; the whole usage for "".
std::string usage(std::string_view command);

// Each command's forms (one per line; a line starting with blanks continues
// the form above) and what it does, in either language.
enum class HelpLanguage { French, English };
struct CommandHelp {
  std::string_view name;
  std::string_view forms;
  std::string description;
};
std::vector<CommandHelp> commandHelp(HelpLanguage language);

}  // namespace velmira::tools
