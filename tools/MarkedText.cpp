// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/MarkedText.h"

#include <string>

#include "platform/core/NumberText.h"

namespace velmira::tools {

namespace {

constexpr rtf::Colour kBlue{0, 0, 200};
constexpr const char* kNoBreakSpace = "\u00A0";

// The blank before ; : ? ! » and after « made a no-break space.
std::string frenchSpacing(std::string_view line) {
  std::string out;
  out.reserve(line.size() + 8);
  for (std::size_t i = 0; i < line.size(); ++i) {
    const std::string_view rest = line.substr(i + 1);
    const bool before =
        line[i] == ' ' && !rest.empty() &&
        (rest[0] == ';' || rest[0] == ':' || rest[0] == '?' || rest[0] == '!' || rest.rfind("»", 0) == 0);
    const bool after = line[i] == ' ' && i >= 2 && line.substr(i - 2, 2) == "«";
    out += before || after ? kNoBreakSpace : std::string(1, line[i]);
  }
  return out;
}
constexpr int kIndent = 360;  // twips

// One line's inline marks into `p`; an error text, empty when the line is whole.
std::string readLine(std::string_view line, rtf::RunFormat format, rtf::Paragraph& p) {
  std::string text;
  bool bold = format.bold;
  auto flush = [&] {
    rtf::RunFormat f = format;
    f.bold = bold;
    rtf::appendText(p, text, f);
    text.clear();
  };
  std::size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (c == '\\' && i + 1 < line.size()) {
      text += line[i + 1];
      i += 2;
    } else if (line.compare(i, 2, "**") == 0) {
      flush();
      bold = !bold;
      i += 2;
    } else if ((c == '^' || c == '_') && i + 1 < line.size() && line[i + 1] == '{') {
      const auto close = line.find('}', i + 2);
      if (close == std::string_view::npos) return std::string("« ") + c + "{ » sans « } »";
      flush();
      rtf::RunFormat f = format;
      f.bold = bold;
      f.position = c == '^' ? rtf::VerticalPosition::Raised : rtf::VerticalPosition::Lowered;
      rtf::appendText(p, line.substr(i + 2, close - i - 2), f);
      i = close + 1;
    } else {
      text += c;
      ++i;
    }
  }
  flush();
  return bold != format.bold ? "« ** » sans sa fin" : "";
}

}  // namespace

MarkedText readMarkedText(std::string_view source) {
  MarkedText out;
  rtf::RichDocument doc;
  int number = 0;
  while (!source.empty()) {
    const auto nl = source.find('\n');
    std::string_view line = source.substr(0, nl);
    source = nl == std::string_view::npos ? std::string_view() : source.substr(nl + 1);
    ++number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

    rtf::Paragraph p;
    rtf::RunFormat format;
    if (line.rfind("# ", 0) == 0) {
      line.remove_prefix(2);
      p.alignment = rtf::Alignment::Centre;
      format.halfPoints = 32;
      format.bold = true;
      format.colour = kBlue;
    } else if (line.rfind("## ", 0) == 0) {
      line.remove_prefix(3);
      format.halfPoints = 24;
      format.bold = true;
      format.colour = kBlue;
    } else if (line.rfind("- ", 0) == 0) {
      line.remove_prefix(2);
      p.leftIndent = kIndent;
      rtf::appendText(p, "– ", format);
    } else if (line.rfind("> ", 0) == 0) {
      line.remove_prefix(2);
      p.leftIndent = kIndent;
    }
    if (const std::string error = readLine(frenchSpacing(line), format, p); !error.empty()) {
      out.error = "ligne " + num::trim(num::plain(number)) + " : " + error;
      return out;
    }
    doc.paragraphs.push_back(std::move(p));
  }
  out.document = std::move(doc);
  return out;
}

}  // namespace velmira::tools
