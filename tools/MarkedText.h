// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small marked-up text turned into rich text, for statements written as
// plain files: one line per paragraph;
//   "# "  a title (centred, 16 pt, bold, blue),
//   "## " a heading (12 pt, bold, blue),
//   "- "  an item (indented, after a dash), "> " an indented paragraph;
// inside a line "**bold**", "^{raised}", "_{lowered}", and "\" before a
// character writes it as it is. As French typography wants, the blank
// before ; : ? ! » and after « becomes a no-break space.
#include <optional>
#include <string>
#include <string_view>

#include "files/rtf/RichDocument.h"

namespace velmira::tools {

struct MarkedText {
  std::optional<rtf::RichDocument> document;
  std::string error;  // "ligne N : ..." when there is no document
};

MarkedText readMarkedText(std::string_view source);

}  // namespace velmira::tools
