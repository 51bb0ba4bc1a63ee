// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/rtf/RtfWriter.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "files/rtf/RtfFile.h"
#include "files/rtf/RtfReader.h"
#include "platform/core/RecordFile.h"

namespace velmira::rtf {

namespace {

constexpr std::size_t kLineLength = 200;  // text lines are broken past this
// A4 portrait with 2 cm margins, in twips.
constexpr std::string_view kPageSetup = "\\paperw11906\\paperh16838\\margl1134\\margr1134\\margt1134\\margb1134";
// Room kept for the longest piece written between two checks of the size
// (a run's formatting, or one character and a line break) and the end.
constexpr std::size_t kRunRoom = 512;
constexpr std::size_t kCharRoom = 32;

// Family and character set of a font for the readers that do not have it.
std::string_view fontFamily(std::string_view name) {
  static constexpr std::string_view kSwiss[] = {"Arial",           "Helvetica",   "Verdana", "Tahoma",
                                                "Liberation Sans", "DejaVu Sans", "Calibri"};
  static constexpr std::string_view kRoman[] = {"Times New Roman", "Times",        "Liberation Serif",
                                                "Georgia",         "DejaVu Serif", "Cambria"};
  static constexpr std::string_view kModern[] = {"Courier New", "Courier", "Liberation Mono", "DejaVu Sans Mono",
                                                 "Consolas"};
  for (auto n : kSwiss)
    if (n == name) return "\\fswiss";
  for (auto n : kRoman)
    if (n == name) return "\\froman";
  for (auto n : kModern)
    if (n == name) return "\\fmodern";
  if (name == "Symbol") return "\\ftech";
  return "\\fnil";
}

class Writer {
 public:
  std::string write(const RichDocument& d);
  bool cut() const { return cut_; }

 private:
  int fontIndex(const std::string& name);
  int colourIndex(const Colour& c);
  void word(std::string_view w);
  void word(std::string_view w, int n);
  void text(std::string_view utf8, bool fontName = false);
  void codeUnit(int n);
  void lineBreakIfLong();

  // What the reader keeps: the text stops where it would stop reading.
  bool full(std::size_t room) const { return out_.size() + room > kMaxRtfFileBytes; }

  std::string out_;
  std::size_t lineStart_ = 0;
  std::size_t kept_ = 0;  // UTF-8 bytes of text written, as the reader counts them
  std::size_t runs_ = 0;
  bool cut_ = false;
  std::vector<std::string> fonts_;
  std::vector<Colour> colours_;
};

int Writer::fontIndex(const std::string& name) {
  const auto it = std::find(fonts_.begin(), fonts_.end(), name);
  if (it != fonts_.end()) return static_cast<int>(it - fonts_.begin());
  fonts_.push_back(name);
  return static_cast<int>(fonts_.size()) - 1;
}

int Writer::colourIndex(const Colour& c) {
  const auto it = std::find(colours_.begin(), colours_.end(), c);
  if (it != colours_.end()) return static_cast<int>(it - colours_.begin()) + 1;  // entry 0 is "auto"
  colours_.push_back(c);
  return static_cast<int>(colours_.size());
}

void Writer::word(std::string_view w) {
  out_ += '\\';
  out_ += w;
}

void Writer::word(std::string_view w, int n) {
  word(w);
  out_ += std::to_string(n);
}

void Writer::codeUnit(int n) {
  word("u", n > 32767 ? n - 65536 : n);
  out_ += "\\'3f";  // the "?" fallback as a hex character: some readers lose a blank after a plain "?"
}

void Writer::lineBreakIfLong() {
  if (out_.size() - lineStart_ < kLineLength) return;
  out_ += "\r\n";
  lineStart_ = out_.size();
}

// Escaped text. A font name drops the characters it cannot hold (";" ends it).
void Writer::text(std::string_view utf8, bool fontName) {
  std::size_t i = 0;
  bool delimited = true;  // the last control word is ended
  while (i < utf8.size()) {
    char32_t c;
    if (!records::nextCodePoint(utf8, i, c)) {
      ++i;
      c = 0xFFFD;
    }
    // Dropped characters leave the pending delimiter of a control word alone.
    const bool breakChar = c == '\t' || c == '\n';
    if ((fontName && (breakChar || c == ';')) || (!breakChar && (c < 0x20 || c == 0x7F))) continue;
    if (!fontName) {
      std::string bytes;
      records::appendUtf8(bytes, c);
      if (kept_ + bytes.size() > kMaxKeptText || full(kCharRoom)) {
        cut_ = true;
        break;
      }
      kept_ += bytes.size();
    }
    if (!delimited &&
        (c == ' ' || c == '-' || (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
      out_ += ' ';
    delimited = true;
    if (c == '\\' || c == '{' || c == '}') {
      out_ += '\\';
      out_ += static_cast<char>(c);
    } else if (breakChar) {
      word(c == '\t' ? "tab" : "line");
      delimited = false;
    } else if (c < 0x80) {
      out_ += static_cast<char>(c);
    } else if (const int b = records::cp1252Byte(c); b >= 0xA0 || (b >= 0x80 && c > 0xFF)) {
      static constexpr char kHex[] = "0123456789abcdef";
      out_ += "\\'";
      out_ += kHex[b >> 4];
      out_ += kHex[b & 0xF];
    } else if (c < 0x10000) {
      codeUnit(static_cast<int>(c));
    } else {
      const char32_t v = c - 0x10000;
      codeUnit(static_cast<int>(0xD800 + (v >> 10)));
      codeUnit(static_cast<int>(0xDC00 + (v & 0x3FF)));
    }
    if (!fontName && delimited) lineBreakIfLong();  // never between a control word and its delimiter
  }
  if (!delimited) out_ += ' ';
}

std::string Writer::write(const RichDocument& d) {
  // Tables first: every font and colour in order of use.
  fonts_.push_back(d.paragraphs.empty() || d.paragraphs.front().runs.empty()
                       ? RunFormat{}.font
                       : d.paragraphs.front().runs.front().format.font);
  for (const Paragraph& p : d.paragraphs)
    for (const Run& r : p.runs) {
      fontIndex(r.format.font);
      colourIndex(r.format.colour);
    }
  std::size_t textSize = 0;
  for (const Paragraph& p : d.paragraphs)
    for (const Run& r : p.runs) textSize += r.text.size();
  out_.reserve(256 + textSize + textSize / 4 + d.paragraphs.size() * 24);

  out_ += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1036\\uc1\r\n{\\fonttbl";
  for (std::size_t f = 0; f < fonts_.size(); ++f) {
    out_ += "{";
    word("f", static_cast<int>(f));
    out_ += fontFamily(fonts_[f]);
    word("fcharset", fonts_[f] == "Symbol" ? 2 : 0);
    out_ += ' ';
    text(fonts_[f], true);
    out_ += ";}";
  }
  out_ += "}\r\n{\\colortbl;";
  for (const Colour& c : colours_) {
    word("red", c.red);
    word("green", c.green);
    word("blue", c.blue);
    out_ += ';';
  }
  out_ += "}\r\n";
  out_ += kPageSetup;
  out_ += "\r\n\\viewkind4\\lang1036\r\n";
  lineStart_ = out_.size();

  std::size_t paragraphs = 0;
  for (const Paragraph& p : d.paragraphs) {
    // The reader's last paragraph is the one it is reading.
    if (cut_ || paragraphs + 1 >= kMaxParagraphs || full(kRunRoom)) {
      cut_ = true;
      break;
    }
    ++paragraphs;
    word("pard");
    switch (p.alignment) {
      case Alignment::Left:
        word("ql");
        break;
      case Alignment::Centre:
        word("qc");
        break;
      case Alignment::Right:
        word("qr");
        break;
      case Alignment::Justified:
        word("qj");
        break;
    }
    word("li", p.leftIndent);
    for (const Run& r : p.runs) {
      if (cut_ || runs_ == kMaxRuns || full(kRunRoom)) {
        cut_ = true;
        break;
      }
      ++runs_;
      const RunFormat& f = r.format;
      out_ += '{';
      word("plain");  // every run states its whole format, for readers that keep formats past a group
      word("f", fontIndex(f.font));
      word("fs", f.halfPoints);
      word("cf", colourIndex(f.colour));
      if (f.bold) word("b");
      if (f.italic) word("i");
      if (f.underline) word("ul");
      if (f.position == VerticalPosition::Raised) word("super");
      if (f.position == VerticalPosition::Lowered) word("sub");
      out_ += ' ';
      text(r.text);
      out_ += '}';
      lineBreakIfLong();
    }
    out_ += "\\par\r\n";
    lineStart_ = out_.size();
  }
  out_ += "}\r\n";
  return std::move(out_);
}

}  // namespace

std::string writeRtf(const RichDocument& document, bool* cut) {
  Writer w;
  std::string rtf = w.write(document);
  if (cut) *cut = w.cut();
  return rtf;
}

}  // namespace velmira::rtf
