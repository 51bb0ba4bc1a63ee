// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rich text as the exercise text pane holds it: paragraphs of formatted runs.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmira::rtf {

struct Colour {
  std::uint8_t red = 0, green = 0, blue = 0;
  friend bool operator==(const Colour&, const Colour&) = default;
};

enum class VerticalPosition { Normal, Raised, Lowered };

struct RunFormat {
  std::string font = "Arial";
  int halfPoints = 20;  // size in half points: 20 is 10 pt
  Colour colour;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  VerticalPosition position = VerticalPosition::Normal;

  double points() const { return halfPoints / 2.0; }
  friend bool operator==(const RunFormat&, const RunFormat&) = default;
};

// Text in UTF-8; "\n" is a line break inside the paragraph, "\t" a tab.
struct Run {
  std::string text;
  RunFormat format;
  friend bool operator==(const Run&, const Run&) = default;
};

enum class Alignment { Left, Centre, Right, Justified };

struct Paragraph {
  Alignment alignment = Alignment::Left;
  int leftIndent = 0;  // twips (1/1440 inch)
  std::vector<Run> runs;
  friend bool operator==(const Paragraph&, const Paragraph&) = default;
};

struct RichDocument {
  std::vector<Paragraph> paragraphs;
  bool truncated = false;  // the file held more than a document keeps; the rest was not read
  friend bool operator==(const RichDocument&, const RichDocument&) = default;
};

// Appends text to the paragraph, into its last run when the format is the
// same, else as a new run. Empty text adds nothing.
void appendText(Paragraph& paragraph, std::string_view utf8, const RunFormat& format);

// What a text pane or a printout is given of a document, so that showing
// any document the reader accepts stays quick (the figures come from
// benchmarks/bench_ui_rtf): at most kShownText bytes of text and
// kShownPieces paragraphs and formatted runs together; a word (characters
// without a blank, a tab, a break or a hyphen) longer than kShownWord
// characters is broken by an invisible break (U+200B) after every
// kShownWord characters, so that lines can wrap.
inline constexpr std::size_t kShownText = 2u << 20;
inline constexpr std::size_t kShownPieces = 50'000;
inline constexpr std::size_t kShownWord = 1'000;
inline constexpr char32_t kInvisibleBreak = 0x200B;

// Applies those limits to `document`: true when part of it was left out
// (only its beginning is kept), false when all of it is kept. Breaking a
// word keeps all of it.
bool limitForDisplay(RichDocument& document);

// A text the pupil types in is laid out again, at each key, over the whole
// paragraph the key falls in (about 4 ms for 64 KiB, 16 ms for 256 KiB, 160
// ms for 1 MiB: benchmarks/bench_ui_rtf, KeyInPane): the editable pane is
// given no paragraph over kEditedParagraph bytes. A longer one is split into
// paragraphs of the same layout at a blank, a line break or an invisible
// break before the limit (else between two characters); no text is lost.
inline constexpr std::size_t kEditedParagraph = 64u << 10;
// True when a paragraph was split.
bool splitLongParagraphs(RichDocument& document, std::size_t maxBytes = kEditedParagraph);

// The text shown, one line per paragraph, each ended by "\n"; a line break
// inside a paragraph starts a new line too.
std::string plainText(const RichDocument& document);

}  // namespace velmira::rtf
