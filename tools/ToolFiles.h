// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Loading a configuration for a command of velmira-outil, with messages that
// name the file and the real cause.
#include <iosfwd>
#include <string>

namespace velmira::model {
class Workbench;
}
namespace velmira::table {
class Table;
}

namespace velmira::files {
class ExtensionItems;
}

namespace velmira::tools {

// False, with the cause on `err` ("velmira-outil COMMAND : ..."), when the
// file is missing, is not a regular file, or is refused by the reader. The
// file's extension items go to `extension` when given.
bool loadConfiguration(const std::string& path, model::Workbench& wb, table::Table& table, std::ostream& err,
                       const std::string& command, files::ExtensionItems* extension = nullptr);

// A text as one line: "\\", tab, line feed and carriage return escaped,
// other control characters as \xHH.
std::string escaped(const std::string& text);

}  // namespace velmira::tools
