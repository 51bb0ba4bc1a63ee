// SPDX-License-Identifier: GPL-3.0-or-later
// Writing RTF and reading it back; RTF files on disk.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "RichDocumentPrint.h"
#include "TempDir.h"
#include "files/rtf/RtfFile.h"
#include "files/rtf/RtfReader.h"
#include "files/rtf/RtfWriter.h"
#include "platform/core/RecordFile.h"

using namespace velmira;
using namespace velmira::rtf;
namespace fs = std::filesystem;

namespace {

RichDocument richSample() {
  RunFormat plain;
  RunFormat title = plain;
  title.halfPoints = 36;
  title.colour = {0, 0, 200};
  title.bold = true;
  RunFormat serif = plain;
  serif.font = "Times New Roman";
  serif.halfPoints = 17;  // 8.5 pt
  serif.italic = true;
  serif.underline = true;
  RunFormat up = plain;
  up.position = VerticalPosition::Raised;
  RunFormat down = serif;
  down.position = VerticalPosition::Lowered;
  down.colour = {255, 128, 1};

  RichDocument d;
  d.paragraphs.push_back({Alignment::Centre, 0, {{"Velmira", title}}});
  d.paragraphs.push_back({Alignment::Left,
                          300,
                          {{"Ce simulateur à 25 °C : {σ}\\ 5 € « œ » 10", plain},
                           {"-5", up},
                           {" H", serif},
                           {"3", down},
                           {"O\t1\n2 bis \t-3 𝜏 ", plain}}});
  d.paragraphs.push_back({Alignment::Right, 0, {}});  // an empty paragraph
  d.paragraphs.push_back({Alignment::Justified, -120, {{" fin ", plain}}});
  return d;
}

}  // namespace

TEST(RtfWrite, ARichDocumentComesBackWhole) {
  const RichDocument d = richSample();
  const std::string rtf = writeRtf(d);
  EXPECT_TRUE(std::all_of(rtf.begin(), rtf.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
  EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1036", 0), 0u);
  // A4 with 2 cm margins, in French, before the first paragraph.
  const auto firstParagraph = rtf.find("\\pard");
  for (const char* word : {"\\paperw11906\\paperh16838\\margl1134\\margr1134\\margt1134\\margb1134", "\\lang1036"})
    EXPECT_LT(rtf.find(word), firstParagraph) << word;
  EXPECT_NE(rtf.find("\\'e0 25 \\'b0C"), std::string::npos);  // Windows-1252 characters as \'xx
  EXPECT_NE(rtf.find("\\u963\\'3f"), std::string::npos);      // the others as \uN, "?" for old readers
  EXPECT_NE(rtf.find("\\u-10187\\'3f\\u-8433\\'3f"), std::string::npos);
  const auto back = readRtf(rtf);
  ASSERT_TRUE(back);
  EXPECT_EQ(*back, d);
  EXPECT_EQ(writeRtf(RichDocument{}), writeRtf(*readRtf(writeRtf(RichDocument{}))));
  RunFormat odd;
  odd.font = "Police {\\1}";
  const RichDocument named{{{Alignment::Left, 0, {{"x", odd}}}}};
  EXPECT_EQ(*readRtf(writeRtf(named)), named);
}

TEST(RtfWrite, DroppedControlCharactersKeepTheNextWordApart) {
  // Control characters are not kept; what follows a tab or a break still reads back.
  for (const char* text : {"a\t\x01"
                           "bcd",
                           "a\n\x1f"
                           "bcd",
                           "a\t\x7f\x02"
                           "bcd",
                           "x\t\x01 y"}) {
    const RichDocument d{{{Alignment::Left, 0, {{text, RunFormat{}}}}}};
    std::string kept = text;
    std::erase_if(kept,
                  [](char c) { return c != '\t' && c != '\n' && (static_cast<unsigned char>(c) < 0x20 || c == 0x7F); });
    EXPECT_EQ(plainText(*readRtf(writeRtf(d))), plainText({{{Alignment::Left, 0, {{kept, RunFormat{}}}}}})) << text;
  }
}

TEST(RtfWrite, LongTextIsWrittenInLinesThatReadBack) {
  RichDocument d;
  std::string text;
  for (int i = 0; i < 400; ++i) text += "été\\{ \t-1\n";
  d.paragraphs.push_back({Alignment::Left, 0, {{text, RunFormat{}}}});
  const std::string rtf = writeRtf(d);
  std::size_t longest = 0, start = 0;
  for (std::size_t e = rtf.find('\n'); e != std::string::npos; start = e + 1, e = rtf.find('\n', start))
    longest = std::max(longest, e - start);
  EXPECT_LT(longest, 260u);
  EXPECT_EQ(*readRtf(rtf), d);
}

TEST(RtfWrite, WritesOnlyWhatTheReaderKeepsAndSaysSo) {
  bool cut = true;
  writeRtf(richSample(), &cut);
  EXPECT_FALSE(cut);
  RichDocument many;
  many.paragraphs.resize(kMaxParagraphs, Paragraph{Alignment::Left, 0, {{"p", RunFormat{}}}});
  const RichDocument tabs{{{Alignment::Left, 0, {{std::string(kMaxKeptText, '\t'), RunFormat{}}}}}};
  const RichDocument text{{{Alignment::Left, 0, {{std::string(kMaxKeptText + 10, 'a'), RunFormat{}}}}}};
  RichDocument runs{{Paragraph{}}};
  RunFormat bold;
  bold.bold = true;
  for (std::size_t i = 0; i <= kMaxRuns; ++i) runs.paragraphs[0].runs.push_back({"a", i % 2 ? bold : RunFormat{}});
  for (const RichDocument* d : std::initializer_list<const RichDocument*>{&many, &tabs, &text, &runs}) {
    const std::string rtf = writeRtf(*d, &cut);
    EXPECT_TRUE(cut);
    EXPECT_LE(rtf.size(), kMaxRtfFileBytes);
    const auto back = readRtf(rtf);
    ASSERT_TRUE(back);
    EXPECT_FALSE(back->truncated);  // the reader reads all of it
    ASSERT_FALSE(back->paragraphs.empty());
    EXPECT_EQ(back->paragraphs.front().runs.front().text.substr(0, 100),
              d->paragraphs.front().runs.front().text.substr(0, 100));
  }
  EXPECT_EQ(readRtf(writeRtf(many))->paragraphs.size(), kMaxParagraphs - 1);
  EXPECT_EQ(readRtf(writeRtf(runs))->paragraphs[0].runs.size(), kMaxRuns);
}

TEST(RichDocumentLimits, ThePaneIsGivenTheBeginningWithLongWordsBroken) {
  std::string word(3 * kShownWord + 5, 'a');
  RunFormat big;
  big.halfPoints = 30;
  RichDocument d{{{Alignment::Left, 0, {{"x " + word, RunFormat{}}, {word, big}}}}};
  EXPECT_FALSE(limitForDisplay(d));  // broken words are kept whole
  const std::string shown = plainText(d);
  std::string zwsp;
  records::appendUtf8(zwsp, kInvisibleBreak);
  std::size_t longest = 0, current = 0, breaks = 0;
  for (std::size_t i = 0; i < shown.size();) {
    if (shown.compare(i, zwsp.size(), zwsp) == 0) {
      ++breaks;
      current = 0;
      i += zwsp.size();
      continue;
    }
    current = shown[i] == ' ' ? 0 : current + 1;
    longest = std::max(longest, current);
    ++i;
  }
  EXPECT_EQ(longest, kShownWord);  // the word goes on across the runs
  EXPECT_EQ(breaks, 6u);
  std::string without = shown;
  for (auto at = without.find(zwsp); at != std::string::npos; at = without.find(zwsp)) without.erase(at, zwsp.size());
  EXPECT_EQ(without, "x " + word + word + "\n");

  RichDocument runs;
  runs.paragraphs.resize(2);
  for (std::size_t i = 0; i < kShownPieces; ++i)
    runs.paragraphs[i % 2].runs.push_back({"é", i % 2 ? big : RunFormat{}});
  EXPECT_TRUE(limitForDisplay(runs));
  EXPECT_EQ(runs.paragraphs[0].runs.size() + runs.paragraphs[1].runs.size() + 2, kShownPieces);

  RichDocument text;
  text.paragraphs.resize(3,
                         Paragraph{Alignment::Left, 0, {{std::string(kShownText / 2 - 3, ' ') + "éé", RunFormat{}}}});
  EXPECT_TRUE(limitForDisplay(text));
  ASSERT_EQ(text.paragraphs.size(), 2u);
  EXPECT_EQ(text.paragraphs[1].runs[0].text.size(), kShownText / 2 - 1);  // cut between characters
}

struct RtfFiles : ::testing::Test {
  test::TempDir temp;
  const fs::path dir = temp.path();
  std::string path(const char* n) const { return (dir / n).string(); }
};

TEST_F(RtfFiles, SavedAndLoaded) {
  ASSERT_TRUE(saveRtfFile(path("e.rtf"), richSample()));
  const FileRead r = loadRtfFile(path("e.rtf"));
  ASSERT_EQ(r.error, ReadError::None);
  EXPECT_EQ(*r.document, richSample());
  EXPECT_FALSE(fs::exists(path("e.rtf.enregistrement~")));
  EXPECT_FALSE(saveRtfFile(path("absent/e.rtf"), richSample()));
}

TEST_F(RtfFiles, WhatCannotBeReadSaysWhy) {
  EXPECT_EQ(loadRtfFile(path("absent.rtf")).error, ReadError::NotFound);
  EXPECT_EQ(loadRtfFile(dir.string()).error, ReadError::NotRegularFile);
  // A pipe with no writer is refused at once, not waited on.
  ASSERT_EQ(::mkfifo(path("tube.rtf").c_str(), 0600), 0);
  EXPECT_EQ(loadRtfFile(path("tube.rtf")).error, ReadError::NotRegularFile);
  records::writeFile(path("texte.rtf"), "Bonjour");
  EXPECT_EQ(loadRtfFile(path("texte.rtf")).error, ReadError::NotRtf);
  records::writeFile(path("gros.rtf"), "{\\rtf1 " + std::string(2000, 'x') + "}");
  EXPECT_EQ(loadRtfFile(path("gros.rtf"), 1000).error, ReadError::TooLarge);
  EXPECT_EQ(plainText(*loadRtfFile(path("gros.rtf"), 2008).document), std::string(2000, 'x') + "\n");
  EXPECT_EQ(describe(ReadError::NotFound), "fichier introuvable");
}

TEST(RichDocumentLimits, AnEditedParagraphIsSplitAtABreakAndLosesNothing) {
  RunFormat bold;
  bold.bold = true;
  std::string words;
  while (words.size() < 1000) words += "conductivité molaire ";
  RichDocument d{{{Alignment::Centre, 120, {{words, RunFormat{}}, {std::string(300, 'e') + "ééé", bold}}}}};
  RichDocument small{{{Alignment::Left, 0, {{"court", RunFormat{}}}}}};
  EXPECT_FALSE(splitLongParagraphs(small, 200));
  const std::string before = plainText(d);
  ASSERT_TRUE(splitLongParagraphs(d, 200));
  std::string joined;
  for (const Paragraph& p : d.paragraphs) {
    std::size_t size = 0;
    for (const auto& r : p.runs) {
      size += r.text.size();
      joined += r.text;
      EXPECT_TRUE(records::toCp1252(r.text)) << r.text;  // valid UTF-8: é kept whole
    }
    EXPECT_LE(size, 200u);
    EXPECT_EQ(p.alignment, Alignment::Centre);
    EXPECT_EQ(p.leftIndent, 120);
  }
  EXPECT_EQ(joined + "\n", before);
  // Words are cut at their blank; the word-less run between two characters.
  EXPECT_EQ(d.paragraphs[0].runs[0].text.back(), ' ');
  EXPECT_TRUE(records::toCp1252(d.paragraphs.back().runs.back().text));
  EXPECT_EQ(d.paragraphs.back().runs.back().format, bold);
  // An odd room falls inside a character: the cut comes before it.
  std::string accents;
  for (int k = 0; k < 151; ++k) accents += "é";
  RichDocument e{{{Alignment::Left, 0, {{accents, RunFormat{}}}}}};
  ASSERT_TRUE(splitLongParagraphs(e, 201));
  ASSERT_EQ(e.paragraphs.size(), 2u);
  EXPECT_EQ(e.paragraphs[0].runs[0].text.size(), 200u);
  EXPECT_EQ(e.paragraphs[0].runs[0].text + e.paragraphs[1].runs[0].text, accents);
}
