// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/rtf/RtfReader.h"

#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <vector>

#include "files/rtf/CodePages.h"
#include "platform/core/RecordFile.h"

namespace velmira::rtf {

namespace {

constexpr std::size_t kMaxFonts = 4096;
constexpr std::size_t kMaxColours = 4096;
constexpr std::size_t kMaxFontName = 256;
constexpr std::size_t kMaxWord = 32;    // longer control words are unknown
constexpr int kMaxDigits = 10;          // further digits are read and ignored
constexpr int kDefaultHalfPoints = 24;  // RTF's default size, 12 pt
constexpr int kMaxHalfPoints = 3276;
constexpr int kMaxIndent = 31680;  // 22 inches
constexpr char32_t kReplacement = 0xFFFD;

// Destinations whose text is not shown (those marked \* are skipped anyway).
constexpr std::string_view kSkippedDestinations[] = {"aftncn",
                                                     "aftnsep",
                                                     "aftnsepc",
                                                     "annotation",
                                                     "atnauthor",
                                                     "atndate",
                                                     "atnid",
                                                     "atnref",
                                                     "atrfend",
                                                     "atrfstart",
                                                     "author",
                                                     "bkmkend",
                                                     "bkmkstart",
                                                     "blipuid",
                                                     "buptim",
                                                     "colorschememapping",
                                                     "comment",
                                                     "company",
                                                     "creatim",
                                                     "datastore",
                                                     "do",
                                                     "doccomm",
                                                     "filetbl",
                                                     "fldinst",
                                                     "footer",
                                                     "footerf",
                                                     "footerl",
                                                     "footerr",
                                                     "footnote",
                                                     "ftncn",
                                                     "ftnsep",
                                                     "ftnsepc",
                                                     "generator",
                                                     "header",
                                                     "headerf",
                                                     "headerl",
                                                     "headerr",
                                                     "info",
                                                     "keywords",
                                                     "latentstyles",
                                                     "listoverridetable",
                                                     "listtable",
                                                     "nonshppict",
                                                     "objdata",
                                                     "object",
                                                     "operator",
                                                     "pgdsctbl",
                                                     "pict",
                                                     "pn",
                                                     "pntxta",
                                                     "pntxtb",
                                                     "printim",
                                                     "private",
                                                     "revtbl",
                                                     "revtim",
                                                     "rsidtbl",
                                                     "shp",
                                                     "shpinst",
                                                     "shprslt",
                                                     "stylesheet",
                                                     "subject",
                                                     "tc",
                                                     "template",
                                                     "themedata",
                                                     "title",
                                                     "txe",
                                                     "userprops",
                                                     "xe",
                                                     "xmlnstbl"};

bool isSkippedDestination(std::string_view word) {
  return std::binary_search(std::begin(kSkippedDestinations), std::end(kSkippedDestinations), word);
}

enum class Destination : std::uint8_t { Text, FontTable, ColourTable };

// Character formatting as the file states it (indexes into the tables).
struct CharState {
  int font = -1;  // -1: the default font (\deff)
  int halfPoints = kDefaultHalfPoints;
  int colour = 0;
  bool bold = false, italic = false, underline = false;
  VerticalPosition position = VerticalPosition::Normal;
  friend bool operator==(const CharState&, const CharState&) = default;
};

struct ParaState {
  Alignment alignment = Alignment::Left;
  int leftIndent = 0;
};

struct GroupState {
  CharState chars;
  ParaState para;
  Destination destination = Destination::Text;
  int unicodeSkip = 1;  // \uc
};

struct Font {
  std::string name;
  int codePage = 0;  // 0: the document's
};

class Reader {
 public:
  explicit Reader(std::string_view bytes) : s_(bytes) {}
  RichDocument run(std::size_t start);

 private:
  // Input.
  bool more() const { return i_ < s_.size(); }
  void parseControl();
  void controlWord(std::string_view word, bool hasParam, int param);
  void controlSymbol(char c);
  void openGroup();
  void closeGroup();
  void skipGroup();
  void skipBinary(int count);
  bool consumeFallback();

  // Output.
  void character(char32_t c);
  void textByte(unsigned char b);
  void unicode(int n);
  void flushText();
  void endParagraph();
  void commitFont();
  RunFormat resolve(const CharState& c) const;
  const HighHalf* currentTable();

  std::string_view s_;
  std::size_t i_ = 0;
  int depth_ = 0;  // open groups, skipped ones included
  bool done_ = false;

  GroupState state_;
  std::vector<GroupState> stack_;  // states of the enclosing groups read
  int unicodeFallback_ = 0;        // characters of a \u fallback still to skip
  char16_t highSurrogate_ = 0;

  // Document settings and tables.
  int documentCodePage_ = 1252;
  int defaultFont_ = 0;
  std::map<int, Font> fonts_;
  std::vector<Colour> colours_;
  bool colourSet_ = false;
  Colour colour_;
  int fontNumber_ = -1;  // font of the table being defined
  int fontDepth_ = 0;    // the group that defines it
  Font font_;
  int cachedFont_ = -2;
  int cachedDocumentCodePage_ = 0;
  const HighHalf* cachedTable_ = nullptr;

  // Text being built.
  RichDocument document_;
  Paragraph paragraph_;
  std::string pending_;
  CharState pendingFormat_;
  ParaState paraAtText_;
  std::size_t kept_ = 0;  // bytes of text kept
  std::size_t runs_ = 0;  // runs kept
  bool cellTab_ = false;  // a cell ended: a tab before the next text
};

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

RichDocument Reader::run(std::size_t start) {
  i_ = start;
  stack_.reserve(32);
  while (more() && !done_) {
    const char c = s_[i_];
    switch (c) {
      case '{':
        ++i_;
        openGroup();
        break;
      case '}':
        ++i_;
        closeGroup();
        break;
      case '\\':
        parseControl();
        break;
      case '\r':
      case '\n':
        ++i_;
        break;
      default:
        ++i_;
        textByte(static_cast<unsigned char>(c));
        break;
    }
  }
  flushText();
  if (!paragraph_.runs.empty()) {
    paragraph_.alignment = paraAtText_.alignment;
    paragraph_.leftIndent = paraAtText_.leftIndent;
    document_.paragraphs.push_back(std::move(paragraph_));
  }
  return std::move(document_);
}

void Reader::openGroup() {
  unicodeFallback_ = 0;
  if (depth_ >= kMaxGroupDepth) {
    ++depth_;
    skipGroup();
    return;
  }
  stack_.push_back(state_);
  ++depth_;
}

void Reader::closeGroup() {
  unicodeFallback_ = 0;
  // A font entry ends with its group, not with a group inside it ({\*\panose}).
  if (state_.destination == Destination::FontTable && depth_ <= fontDepth_) commitFont();
  if (stack_.empty()) {  // the document's group: the end
    done_ = true;
    return;
  }
  state_ = stack_.back();
  stack_.pop_back();
  --depth_;
  if (depth_ == 0) done_ = true;
}

// Skips the rest of the group just opened (its opening brace read), then
// leaves it as its closing brace would.
void Reader::skipGroup() {
  const bool pushed = depth_ <= kMaxGroupDepth;
  const int level = depth_;
  while (more()) {
    const char c = s_[i_++];
    if (c == '{') {
      ++depth_;
    } else if (c == '}') {
      if (--depth_ < level) break;
    } else if (c == '\\' && more()) {
      if (isLetter(s_[i_])) {
        const std::size_t begin = i_;
        while (more() && isLetter(s_[i_])) ++i_;
        if (s_.substr(begin, i_ - begin) == "bin") {
          bool negative = false;
          if (more() && s_[i_] == '-') {
            negative = true;
            ++i_;
          }
          long long n = 0;
          while (more() && isDigit(s_[i_])) {
            if (n < 1'000'000'000'000LL) n = n * 10 + (s_[i_] - '0');
            ++i_;
          }
          if (more() && s_[i_] == ' ') ++i_;
          if (!negative) i_ += static_cast<std::size_t>(std::min<long long>(n, static_cast<long long>(s_.size() - i_)));
        }
      } else {
        ++i_;  // \{ \} \\ and the other symbols
      }
    }
  }
  if (depth_ >= level) {  // the bytes ended inside the group
    done_ = true;
    return;
  }
  // The closing brace of the skipped group was read.
  ++depth_;
  if (pushed) {
    closeGroup();
  } else {
    --depth_;
  }
}

void Reader::skipBinary(int count) {
  const std::size_t n = count < 0 ? 0 : static_cast<std::size_t>(count);
  i_ += std::min(n, s_.size() - i_);
}

// True when the character is part of a \u fallback, and then skips it.
bool Reader::consumeFallback() {
  if (unicodeFallback_ <= 0) return false;
  --unicodeFallback_;
  return true;
}

void Reader::parseControl() {
  ++i_;  // the backslash
  if (!more()) return;
  const char c = s_[i_];
  if (!isLetter(c)) {
    ++i_;
    if (c == '\'') {
      int value = 0, digits = 0;
      while (digits < 2 && more()) {
        const int h = hexValue(s_[i_]);
        if (h < 0) break;
        value = value * 16 + h;
        ++digits;
        ++i_;
      }
      if (digits == 0) return;
      if (consumeFallback()) return;
      if (highSurrogate_) {
        highSurrogate_ = 0;
        character(kReplacement);
      }
      const char32_t cp = decodeByte(currentTable(), static_cast<unsigned char>(value));
      character(cp);
      return;
    }
    controlSymbol(c);
    return;
  }
  const std::size_t begin = i_;
  while (more() && isLetter(s_[i_])) ++i_;
  std::string_view word = s_.substr(begin, i_ - begin);
  if (word.size() > kMaxWord) word = std::string_view();
  bool hasParam = false, negative = false;
  long long value = 0;
  if (more() && s_[i_] == '-' && i_ + 1 < s_.size() && isDigit(s_[i_ + 1])) {
    negative = true;
    ++i_;
  }
  int digits = 0;
  while (more() && isDigit(s_[i_])) {
    if (digits < kMaxDigits) value = value * 10 + (s_[i_] - '0');
    ++digits;
    ++i_;
    hasParam = true;
  }
  if (more() && s_[i_] == ' ') ++i_;
  if (negative) value = -value;
  value = std::clamp<long long>(value, -2'147'483'647LL, 2'147'483'647LL);
  controlWord(word, hasParam, static_cast<int>(value));
}

void Reader::controlSymbol(char c) {
  if (c == '*') {  // an ignorable destination: none is read here
    skipGroup();
    return;
  }
  if (c == '\r' || c == '\n') {  // \ + line end: \par
    if (consumeFallback()) return;
    endParagraph();
    return;
  }
  if (consumeFallback()) return;
  switch (c) {
    case '\\':
    case '{':
    case '}':
      textByte(static_cast<unsigned char>(c));
      return;
    case '~':
      character(0x00A0);
      return;
    case '_':
      character(0x2011);
      return;
    case '\t':
      character('\t');
      return;
    default:  // \- optional hyphen, \: index entry, \| formula and unknown symbols
      return;
  }
}

void Reader::controlWord(std::string_view w, bool hasParam, int p) {
  const bool on = !hasParam || p != 0;
  // Destinations.
  if (w == "fonttbl") {
    state_.destination = Destination::FontTable;
    return;
  }
  if (w == "colortbl") {
    state_.destination = Destination::ColourTable;
    colours_.clear();
    colourSet_ = false;
    colour_ = Colour{};
    return;
  }
  if (w == "bin") {  // binary data is never text
    consumeFallback();
    skipBinary(hasParam ? p : 0);
    return;
  }
  if (isSkippedDestination(w)) {
    skipGroup();
    return;
  }
  if (w == "u") {
    unicode(p);
    return;
  }
  if (state_.destination == Destination::FontTable) {
    if (w == "f") {
      commitFont();
      fontNumber_ = p;
      fontDepth_ = depth_;
      font_ = Font{};
    } else if (w == "fcharset") {
      font_.codePage = charsetCodePage(p);
    } else if (w == "cpg") {
      font_.codePage = codePageTable(p) ? p : 0;
    }
    return;
  }
  if (state_.destination == Destination::ColourTable) {
    const auto component = static_cast<std::uint8_t>(std::clamp(p, 0, 255));
    if (w == "red") {
      colour_.red = component;
      colourSet_ = true;
    } else if (w == "green") {
      colour_.green = component;
      colourSet_ = true;
    } else if (w == "blue") {
      colour_.blue = component;
      colourSet_ = true;
    }
    return;
  }
  if (unicodeFallback_ > 0) {  // a control word in a fallback counts as one character
    --unicodeFallback_;
    return;
  }
  CharState& ch = state_.chars;
  ParaState& para = state_.para;
  switch (w.empty() ? '\0' : w[0]) {
    case 'a':
      if (w == "ansi")
        documentCodePage_ = 1252;
      else if (w == "ansicpg")
        documentCodePage_ = p;
      return;
    case 'b':
      if (w == "b")
        ch.bold = on;
      else if (w == "bullet")
        character(0x2022);
      return;
    case 'c':
      if (w == "cf")
        ch.colour = p;
      else if (w == "cell")
        cellTab_ = true;
      return;
    case 'd':
      if (w == "deff")
        defaultFont_ = p;
      else if (w == "dn")
        ch.position = on ? VerticalPosition::Lowered : VerticalPosition::Normal;
      return;
    case 'e':
      if (w == "emdash")
        character(0x2014);
      else if (w == "endash")
        character(0x2013);
      else if (w == "emspace")
        character(0x2003);
      else if (w == "enspace")
        character(0x2002);
      return;
    case 'f':
      if (w == "f")
        ch.font = p;
      else if (w == "fs")
        ch.halfPoints = p > 0 ? std::min(p, kMaxHalfPoints) : kDefaultHalfPoints;
      return;
    case 'i':
      if (w == "i") ch.italic = on;
      return;
    case 'l':
      if (w == "line")
        character('\n');
      else if (w == "li" || w == "lin")
        para.leftIndent = std::clamp(p, -kMaxIndent, kMaxIndent);
      else if (w == "lquote")
        character(0x2018);
      else if (w == "ldblquote")
        character(0x201C);
      return;
    case 'm':
      if (w == "mac") documentCodePage_ = 10000;
      return;
    case 'n':
      if (w == "nosupersub")
        ch.position = VerticalPosition::Normal;
      else if (w == "nestcell")
        cellTab_ = true;
      else if (w == "nestrow")
        endParagraph();
      return;
    case 'p':
      if (w == "par") {
        endParagraph();
      } else if (w == "pard") {
        para = ParaState{};
      } else if (w == "plain") {
        ch = CharState{};
      } else if (w == "page") {
        flushText();
        if (!paragraph_.runs.empty()) endParagraph();
      } else if (w == "pc") {
        documentCodePage_ = 437;
      } else if (w == "pca") {
        documentCodePage_ = 850;
      }
      return;
    case 'q':
      if (w == "ql")
        para.alignment = Alignment::Left;
      else if (w == "qc")
        para.alignment = Alignment::Centre;
      else if (w == "qr")
        para.alignment = Alignment::Right;
      else if (w == "qj" || w == "qd")
        para.alignment = Alignment::Justified;
      return;
    case 'r':
      if (w == "row") {
        cellTab_ = false;
        endParagraph();
      } else if (w == "rquote") {
        character(0x2019);
      } else if (w == "rdblquote") {
        character(0x201D);
      }
      return;
    case 's':
      if (w == "super")
        ch.position = VerticalPosition::Raised;
      else if (w == "sub")
        ch.position = VerticalPosition::Lowered;
      else if (w == "sect") {
        flushText();
        if (!paragraph_.runs.empty()) endParagraph();
      }
      return;
    case 't':
      if (w == "tab") character('\t');
      return;
    case 'u':
      if (w == "uc") {
        state_.unicodeSkip = std::clamp(p, 0, 255);
      } else if (w == "up") {
        ch.position = on ? VerticalPosition::Raised : VerticalPosition::Normal;
      } else if (w.substr(0, 2) == "ul" && w != "ulc") {
        ch.underline = w != "ulnone" && on;
      }
      return;
    default:
      return;
  }
}

void Reader::unicode(int n) {
  char32_t c;
  if (n < -32768 || n > 65535) {
    c = kReplacement;
  } else {
    c = static_cast<char32_t>(n < 0 ? n + 65536 : n);
  }
  if (unicodeFallback_ > 0) unicodeFallback_ = 0;  // a \u ends the fallback of the one before
  if (c >= 0xD800 && c <= 0xDBFF) {
    if (highSurrogate_) character(kReplacement);
    highSurrogate_ = static_cast<char16_t>(c);
    unicodeFallback_ = state_.unicodeSkip;
    return;
  }
  if (c >= 0xDC00 && c <= 0xDFFF) {
    if (highSurrogate_) {
      c = 0x10000 + ((static_cast<char32_t>(highSurrogate_) - 0xD800) << 10) + (c - 0xDC00);
      highSurrogate_ = 0;
    } else {
      c = kReplacement;
    }
  } else if (highSurrogate_) {
    highSurrogate_ = 0;
    character(kReplacement);
  }
  character(c);
  unicodeFallback_ = state_.unicodeSkip;
}

void Reader::textByte(unsigned char b) {
  if (consumeFallback()) return;
  if (highSurrogate_) {
    highSurrogate_ = 0;
    character(kReplacement);
  }
  if (b == ';') {
    if (state_.destination == Destination::FontTable) {
      commitFont();
      return;
    }
    if (state_.destination == Destination::ColourTable) {
      if (colours_.size() < kMaxColours) colours_.push_back(colourSet_ ? colour_ : Colour{});
      colourSet_ = false;
      colour_ = Colour{};
      return;
    }
  }
  character(b < 0x80 ? char32_t(b) : decodeByte(currentTable(), b));
}

void Reader::character(char32_t c) {
  if (c < 0x20 && c != '\t' && c != '\n') return;
  if (c == 0x7F) return;
  switch (state_.destination) {
    case Destination::FontTable:
      if (font_.name.size() < kMaxFontName && c != '\t' && c != '\n') records::appendUtf8(font_.name, c);
      return;
    case Destination::ColourTable:
      return;
    case Destination::Text:
      break;
  }
  if (!(state_.chars == pendingFormat_)) {
    flushText();
    pendingFormat_ = state_.chars;
  }
  if (kept_ >= kMaxKeptText || (pending_.empty() && runs_ >= kMaxRuns)) {
    document_.truncated = done_ = true;
    return;
  }
  const std::size_t before = pending_.size();
  if (cellTab_) {
    cellTab_ = false;
    pending_ += '\t';
  }
  records::appendUtf8(pending_, c);
  kept_ += pending_.size() - before;
  paraAtText_ = state_.para;
}

void Reader::flushText() {
  if (pending_.empty()) return;
  const std::size_t before = paragraph_.runs.size();
  appendText(paragraph_, pending_, resolve(pendingFormat_));
  runs_ += paragraph_.runs.size() - before;
  pending_.clear();
}

void Reader::endParagraph() {
  if (done_) return;
  if (document_.paragraphs.size() + 1 >= kMaxParagraphs) {  // the last one is the one being read
    document_.truncated = done_ = true;
    return;
  }
  flushText();
  cellTab_ = false;
  paragraph_.alignment = state_.para.alignment;
  paragraph_.leftIndent = state_.para.leftIndent;
  document_.paragraphs.push_back(std::move(paragraph_));
  paragraph_ = Paragraph{};
}

void Reader::commitFont() {
  if (fontNumber_ < 0) return;
  std::string name = font_.name;
  const auto first = name.find_first_not_of(' ');
  const auto last = name.find_last_not_of(' ');
  name = first == std::string::npos ? std::string() : name.substr(first, last - first + 1);
  if (fonts_.size() < kMaxFonts || fonts_.count(fontNumber_)) {
    font_.name = std::move(name);
    fonts_[fontNumber_] = std::move(font_);
  }
  fontNumber_ = -1;
  font_ = Font{};
  cachedFont_ = -2;
}

const HighHalf* Reader::currentTable() {
  const int f = state_.chars.font < 0 ? defaultFont_ : state_.chars.font;
  if (f != cachedFont_ || documentCodePage_ != cachedDocumentCodePage_) {
    int page = documentCodePage_;
    if (state_.destination == Destination::FontTable) {
      if (font_.codePage != 0) page = font_.codePage;
    } else if (auto it = fonts_.find(f); it != fonts_.end() && it->second.codePage != 0) {
      page = it->second.codePage;
    }
    cachedTable_ = codePageTable(page);
    cachedFont_ = state_.destination == Destination::FontTable ? -2 : f;
    cachedDocumentCodePage_ = documentCodePage_;
  }
  return cachedTable_;
}

RunFormat Reader::resolve(const CharState& c) const {
  RunFormat f;
  const int number = c.font < 0 ? defaultFont_ : c.font;
  if (auto it = fonts_.find(number); it != fonts_.end() && !it->second.name.empty()) f.font = it->second.name;
  f.halfPoints = c.halfPoints;
  if (c.colour >= 0 && static_cast<std::size_t>(c.colour) < colours_.size()) f.colour = colours_[c.colour];
  f.bold = c.bold;
  f.italic = c.italic;
  f.underline = c.underline;
  f.position = c.position;
  return f;
}

std::size_t rtfStart(std::string_view bytes) {
  std::size_t i = 0;
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") i = 3;
  while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n')) ++i;
  return bytes.substr(i, 5) == "{\\rtf" ? i : std::string_view::npos;
}

}  // namespace

bool looksLikeRtf(std::string_view bytes) { return rtfStart(bytes) != std::string_view::npos; }

std::optional<RichDocument> readRtf(std::string_view bytes) {
  const std::size_t start = rtfStart(bytes);
  if (start == std::string_view::npos) return std::nullopt;
  Reader reader(bytes);
  return reader.run(start);
}

}  // namespace velmira::rtf
