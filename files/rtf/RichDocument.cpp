#include "files/rtf/RichDocument.h"

namespace velmira::rtf {

void appendText(Paragraph& paragraph, std::string_view utf8, const RunFormat& format) {
  if (utf8.empty()) return;
  if (!paragraph.runs.empty() && paragraph.runs.back().format == format) {
    paragraph.runs.back().text += utf8;
    return;
  }
  paragraph.runs.push_back(Run{std::string(utf8), format});
}

std::string plainText(const RichDocument& document) {
  std::size_t size = 0;
  for (const Paragraph& p : document.paragraphs) {
    for (const Run& r : p.runs) size += r.text.size();
    ++size;
  }
  std::string out;
  out.reserve(size);
  for (const Paragraph& p : document.paragraphs) {
    for (const Run& r : p.runs) out += r.text;
    out += '\n';
  }
  return out;
}

}  // namespace velmira::rtf
