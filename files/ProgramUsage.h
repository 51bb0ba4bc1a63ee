// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The options of the window program that need no display (--help,
// --version), its usage text and the one-line version both programs print.
#include <string>
#include <string_view>

namespace velmira::files {

inline constexpr const char* kHelpOption = "--help";
inline constexpr const char* kShortHelpOption = "-h";
inline constexpr const char* kVersionOption = "--version";

// "velmira 1.1": the program's name and its version.
std::string versionLine(std::string_view program, std::string_view version);

// What `velmira --help` prints: the forms of the command line, one a line,
// and what each does.
std::string programUsage();

}  // namespace velmira::files
