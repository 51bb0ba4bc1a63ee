// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A generated RTF statement for the rich-text benchmarks.
#include <string>

namespace velmira::bench {

// About `bytes` of RTF as word processors write statements: a font and a
// colour table, formatted paragraphs, accents as \'xx, symbols as \uN.
inline std::string rtfStatement(std::size_t bytes) {
  std::string s =
      "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\froman Times New Roman;}}"
      "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue200;}\r\n";
  int n = 0;
  while (s.size() < bytes) {
    s += "\\pard\\qj\\li300{\\f0\\fs20\\cf1 Question ";
    s += std::to_string(++n);
    s += " : on m\\'e9lange 20 mL de la solution de conductivit\\'e9 }{\\f0\\fs20\\cf2\\b \\u963?}"
         "{\\f0\\fs20\\cf1  = 1,5 mS\\'b7m}{\\f0\\fs20\\cf1\\super -1}{\\f1\\fs24\\i  puis on mesure la conductance "
         "de la cellule \\'e0 25 \\'b0C, \\'e9lectrodes de 1 cm\\'b2.}\\par\r\n";
  }
  return s + "}";
}

}  // namespace velmira::bench
