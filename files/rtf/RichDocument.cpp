#include "files/rtf/RichDocument.h"

#include "platform/core/RecordFile.h"

namespace velmira::rtf {

void appendText(Paragraph& paragraph, std::string_view utf8, const RunFormat& format) {
  if (utf8.empty()) return;
  if (!paragraph.runs.empty() && paragraph.runs.back().format == format) {
    paragraph.runs.back().text += utf8;
    return;
  }
  paragraph.runs.push_back(Run{std::string(utf8), format});
}

namespace {

bool breaksWords(char32_t c) { return c == ' ' || c == '\t' || c == '\n' || c == '-' || c == kInvisibleBreak; }

// The run's text with its long words broken, within `room` bytes; `word`
// counts the characters of the word being read across the runs of a
// paragraph. False when the text had to be cut.
bool shownText(std::string& text, std::size_t room, std::size_t& word) {
  std::string out;
  bool cut = false;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t at = i;
    char32_t c;
    if (!records::nextCodePoint(text, i, c)) {
      c = 0xFFFD;
      ++i;
    }
    const bool breaks = breaksWords(c);
    const bool longWord = !breaks && word == kShownWord;
    const std::size_t bytes = (i - at) + (longWord ? 3 : 0);
    if (out.size() + bytes > room) {
      cut = true;
      break;
    }
    if (longWord) {
      records::appendUtf8(out, kInvisibleBreak);
      word = 0;
    }
    out.append(text, at, i - at);
    word = breaks ? 0 : word + 1;
  }
  text = std::move(out);
  return !cut;
}

}  // namespace

bool limitForDisplay(RichDocument& document) {
  std::size_t text = 0, pieces = 0;
  for (std::size_t p = 0; p < document.paragraphs.size(); ++p) {
    Paragraph& paragraph = document.paragraphs[p];
    if (++pieces > kShownPieces || text >= kShownText) {
      document.paragraphs.resize(p);
      return true;
    }
    std::size_t word = 0;
    for (std::size_t r = 0; r < paragraph.runs.size(); ++r) {
      Run& run = paragraph.runs[r];
      if (++pieces > kShownPieces) {
        paragraph.runs.resize(r);
        document.paragraphs.resize(p + 1);
        return true;
      }
      const bool whole = shownText(run.text, kShownText - text, word);
      text += run.text.size();
      if (!whole) {
        paragraph.runs.resize(run.text.empty() ? r : r + 1);
        document.paragraphs.resize(p + 1);
        return true;
      }
    }
  }
  return false;
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
