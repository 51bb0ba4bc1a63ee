// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writing a RichDocument as RTF that word processors open with its
// formatting: plain ASCII, Windows-1252 characters as \'xx, the others as
// \uN with "?" (written \'3f) for readers without Unicode (N signed,
// characters past U+FFFF as two halves), a font table and a colour table,
// each paragraph with its alignment and left indent, each run a group with
// its whole formatting; the page is A4 portrait with 2 cm margins and the
// language French.
#include <string>

#include "files/rtf/RichDocument.h"

namespace velmira::rtf {

// Within what the reader keeps (kMaxRtfFileBytes of RTF, kMaxKeptText of
// text, kMaxParagraphs, kMaxRuns): past them the rest is left out and `cut`, when
// given, is set.
std::string writeRtf(const RichDocument& document, bool* cut = nullptr);

}  // namespace velmira::rtf
