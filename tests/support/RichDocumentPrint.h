// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Readable rich documents in test failures.
#include <ostream>

#include "files/rtf/RichDocument.h"

namespace velmira::rtf {

inline void PrintTo(const RichDocument& d, std::ostream* os) {
  for (const Paragraph& p : d.paragraphs) {
    *os << "\n[align " << static_cast<int>(p.alignment) << " indent " << p.leftIndent << "]";
    for (const Run& r : p.runs) {
      const RunFormat& f = r.format;
      *os << " {" << f.font << ' ' << f.halfPoints << " #" << int(f.colour.red) << ',' << int(f.colour.green) << ','
          << int(f.colour.blue) << (f.bold ? " b" : "") << (f.italic ? " i" : "") << (f.underline ? " u" : "") << " pos"
          << static_cast<int>(f.position) << " \"" << r.text << "\"}";
    }
  }
}

}  // namespace velmira::rtf
