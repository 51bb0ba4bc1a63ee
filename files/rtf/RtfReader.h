// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading rich-text (RTF) files into a RichDocument.
//
// Read: groups, the font and colour tables, \par, \line, \tab, \'xx in the
// document's code page (\ansicpg, Windows-1252 by default) or the font's
// character set, \uN with its fallback count (\ucN), character formatting
// (\plain \f \fs \cf \b \i \ul... \super \sub \up \dn) and paragraph
// formatting (\pard \ql \qc \qr \qj \li). Fields keep their result text;
// table cells are separated by tabs and each row is a paragraph. Every
// destination and control word not known here is skipped without showing as
// text: ignorable destinations ({\*\...}), pictures, binary data (\binN),
// headers, footers, notes, document information, style sheets, objects and
// shapes.
//
// Bounded: one pass over the bytes, no recursion; groups nested deeper than
// kMaxGroupDepth are skipped whole; the font and colour tables and font
// names are capped; memory grows with the text kept, not with the input.
// Past kMaxKeptText bytes of text, kMaxParagraphs paragraphs or kMaxRuns
// formatted runs the reading stops and the document is marked truncated
// (memory stays near 100 MB for a document of one-character runs).
#include <cstddef>
#include <optional>
#include <string_view>

#include "files/rtf/RichDocument.h"

namespace velmira::rtf {

inline constexpr int kMaxGroupDepth = 256;
inline constexpr std::size_t kMaxKeptText = 16u << 20;  // UTF-8 bytes
inline constexpr std::size_t kMaxParagraphs = 100'000;
inline constexpr std::size_t kMaxRuns = 500'000;

// nullopt only for bytes that are not RTF (not starting with "{\rtf", after
// blanks or a UTF-8 byte-order mark). Damaged RTF reads as far as it can:
// unbalanced braces end the text where the bytes end, and nothing after the
// group of the document is read.
std::optional<RichDocument> readRtf(std::string_view bytes);

// True when the bytes start as an RTF file does.
bool looksLikeRtf(std::string_view bytes);

}  // namespace velmira::rtf
