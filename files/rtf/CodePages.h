// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Single-byte code pages of rich-text files: the code page of the document
// (\ansicpg, \mac, \pc, \pca) or of a font's character set (\fcharset).
#include <array>

namespace velmira::rtf {

// The characters of bytes 0x80..0xFF (0: undefined, read as the byte itself).
using HighHalf = std::array<char16_t, 128>;

// The table of a code page; nullptr for Windows-1252 and for every code page
// not known here (multi-byte ones included), which read as Windows-1252.
const HighHalf* codePageTable(int codePage);

// The code point of byte `b` in the code page of `table` (nullptr:
// Windows-1252).
char32_t decodeByte(const HighHalf* table, unsigned char b);

// The code page of a font character set (\fcharsetN); 0 for the document's
// own (ANSI, default and symbol sets, and those not known here).
int charsetCodePage(int charset);

}  // namespace velmira::rtf
