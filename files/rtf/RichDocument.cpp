// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/rtf/RichDocument.h"

#include <algorithm>
#include <string_view>
#include <vector>

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

namespace {

// Where a text of `text` may end within `room` bytes: after its last blank,
// tab, line break or invisible break there; 0 when there is none.
std::size_t lastBreak(std::string_view text, std::size_t room) {
  std::string zwsp;
  records::appendUtf8(zwsp, kInvisibleBreak);
  const std::string_view part = text.substr(0, room);
  std::size_t best = 0;
  if (const auto at = part.find_last_of(" \t\n"); at != std::string_view::npos) best = at + 1;
  if (const auto at = part.rfind(zwsp); at != std::string_view::npos && at + zwsp.size() <= part.size())
    best = std::max(best, at + zwsp.size());
  return best;
}

// The longest start of `text` within `room` bytes that ends between two characters.
std::size_t characterBoundary(std::string_view text, std::size_t room) {
  std::size_t cut = std::min(room, text.size());
  while (cut > 0 && cut < text.size() && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  return cut;
}

}  // namespace

bool splitLongParagraphs(RichDocument& document, std::size_t maxBytes) {
  bool split = false;
  std::vector<Paragraph> out;
  out.reserve(document.paragraphs.size());
  for (Paragraph& p : document.paragraphs) {
    std::size_t size = 0;
    for (const Run& r : p.runs) size += r.text.size();
    if (size <= maxBytes) {
      out.push_back(std::move(p));
      continue;
    }
    split = true;
    Paragraph current{p.alignment, p.leftIndent, {}};
    std::size_t used = 0;
    const auto flush = [&] {
      out.push_back(std::move(current));
      current = Paragraph{p.alignment, p.leftIndent, {}};
      used = 0;
    };
    for (const Run& r : p.runs) {
      std::string_view rest = r.text;
      while (!rest.empty()) {
        const std::size_t room = maxBytes - used;
        if (rest.size() <= room) {
          current.runs.push_back({std::string(rest), r.format});
          used += rest.size();
          break;
        }
        std::size_t cut = lastBreak(rest, room);
        if (cut == 0 && used > 0) {  // the next paragraph takes it whole
          flush();
          continue;
        }
        if (cut == 0) cut = characterBoundary(rest, room);
        // Room for less than a character: the whole character all the same.
        while (cut == 0 || (cut < rest.size() && (static_cast<unsigned char>(rest[cut]) & 0xC0) == 0x80)) ++cut;
        current.runs.push_back({std::string(rest.substr(0, cut)), r.format});
        rest.remove_prefix(cut);
        flush();
      }
    }
    if (!current.runs.empty()) out.push_back(std::move(current));
  }
  document.paragraphs = std::move(out);
  return split;
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
