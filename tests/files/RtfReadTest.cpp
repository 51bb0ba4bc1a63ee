// SPDX-License-Identifier: GPL-3.0-or-later
// Reading RTF: the control words read, what is skipped, damaged and hostile
// input, and files written by real word processors.
#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

#include "RichDocumentPrint.h"
#include "files/rtf/RtfReader.h"

using namespace velmira::rtf;

namespace {

RichDocument read(std::string_view rtf) {
  auto d = readRtf(rtf);
  EXPECT_TRUE(d.has_value()) << rtf;
  return d ? *d : RichDocument{};
}

std::string text(std::string_view rtf) { return plainText(read(rtf)); }

std::string sample(const char* name) {
  std::ifstream in(std::string(VELMIRA_TEST_DATA) + "/rtf/" + name, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  EXPECT_FALSE(s.str().empty()) << name;
  return s.str();
}

// The first run whose text contains `piece`.
const Run* runWith(const RichDocument& d, std::string_view piece) {
  for (const Paragraph& p : d.paragraphs)
    for (const Run& r : p.runs)
      if (r.text.find(piece) != std::string::npos) return &r;
  return nullptr;
}

}  // namespace

TEST(RtfRead, FormattingAndTables) {
  const RichDocument d = read(
      "{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0\\froman{\\*\\panose 02020603050405020304}Times New "
      "Roman;}{\\f1\\fswiss\\fcharset0 Arial{\\*\\falt Helv};}}"
      "{\\colortbl;\\red0\\green0\\blue200;\\red255\\green0\\blue0;}\r\n"
      "\\pard\\qc\\li400\\fs36\\cf1\\b Titre\\par\n"
      "\\pard\\qr\\plain\\f0\\i\\ul ital\\ul0 ique{\\b0\\cf2 rouge\\super 2\\nosupersub}\\dn4 b\\up0\\par"
      "\\pard\\qj x\\tab y\\line z\\par}");
  ASSERT_EQ(d.paragraphs.size(), 3u);
  const Paragraph& title = d.paragraphs[0];
  EXPECT_EQ(title.alignment, Alignment::Centre);
  EXPECT_EQ(title.leftIndent, 400);
  ASSERT_EQ(title.runs.size(), 1u);
  EXPECT_EQ(title.runs[0].text, "Titre");
  RunFormat f;  // Arial, the default font (\deff1)
  f.halfPoints = 36;
  f.colour = {0, 0, 200};
  f.bold = true;
  EXPECT_EQ(title.runs[0].format, f);

  const Paragraph& second = d.paragraphs[1];
  EXPECT_EQ(second.alignment, Alignment::Right);
  EXPECT_EQ(second.leftIndent, 0);
  ASSERT_EQ(second.runs.size(), 5u);
  EXPECT_EQ(second.runs[0].text, "ital");
  EXPECT_EQ(second.runs[0].format.font, "Times New Roman");
  EXPECT_EQ(second.runs[0].format.halfPoints, 24);  // \plain: 12 pt
  EXPECT_TRUE(second.runs[0].format.italic && second.runs[0].format.underline);
  EXPECT_EQ(second.runs[1].text, "ique");
  EXPECT_FALSE(second.runs[1].format.underline);
  EXPECT_EQ(second.runs[2].text, "rouge");
  EXPECT_EQ(second.runs[2].format.colour, (Colour{255, 0, 0}));
  EXPECT_EQ(second.runs[3].format.position, VerticalPosition::Raised);
  EXPECT_EQ(second.runs[4].text, "b");  // the group ended: colour and position restored, then \dn
  EXPECT_EQ(second.runs[4].format.position, VerticalPosition::Lowered);
  EXPECT_EQ(second.runs[4].format.colour, Colour{});
  EXPECT_EQ(d.paragraphs[2].alignment, Alignment::Justified);
  EXPECT_EQ(plainText(d), "Titre\nitaliquerouge2b\nx\ty\nz\n");

  // Cells are separated by tabs, each row is a line.
  EXPECT_EQ(text("{\\rtf1 \\trowd a\\cell b\\cell\\row c\\cell d\\cell\\row}"), "a\tb\nc\td\n");
}

TEST(RtfRead, CharactersOfCodePagesAndUnicode) {
  EXPECT_EQ(text("{\\rtf1\\ansi caf\\'e9 \\'80 \\'9c}"), "café € œ\n");
  EXPECT_EQ(text("{\\rtf1\\ansi\\ansicpg1251 \\'c0\\'e1}"), "Аб\n");
  EXPECT_EQ(text("{\\rtf1{\\fonttbl{\\f0 A;}{\\f1\\fcharset238 B;}}\\f1\\'b9\\f0\\'b9}"), "ą¹\n");
  // \uN and its fallback: one character by default, \ucN, nothing after a group's end.
  EXPECT_EQ(text("{\\rtf1 \\u233?t\\u233\\'e9 x}"), "été x\n");
  EXPECT_EQ(text("{\\rtf1\\uc2\\u963 ab c{\\uc0\\u955 d}{\\u8217 }e}"), "σ cλd’e\n");
  EXPECT_EQ(text("{\\rtf1 \\u-10187?\\u-8433?}"), "\xF0\x9D\x9C\x8F\n");  // U+1D70F from two halves
  EXPECT_EQ(text("{\\rtf1 a\\u70000?b\\u-40000?c\\u-10187?d}"),
            "a\xEF\xBF\xBD"
            "b\xEF\xBF\xBD"
            "c\xEF\xBF\xBD"
            "d\n");
  EXPECT_EQ(text("{\\rtf1 \\{\\}\\\\\\~x\\_\\-y\\emdash\\lquote z\\rquote\\bullet}"), "{}\\\xC2\xA0x‑y—‘z’•\n");
}

TEST(RtfRead, WhatIsNotTextIsSkipped) {
  EXPECT_EQ(text("{\\rtf1{\\*\\generator Prog;}{\\info{\\title T}{\\author A}}{\\stylesheet{\\s0 Normal;}}"
                 "{\\header En-t\\'eate}{\\footnote note}{\\*\\inconnu {imbriqu\\'e9} texte}\\motinconnu42 "
                 "Lien : {\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt {\\ul site}}} page "
                 "{\\field{\\fldinst PAGE}{\\fldrslt 3}}.}"),
            "Lien : site page 3.\n");
  // Pictures, hex or binary (whose bytes may hold braces), and shapes.
  EXPECT_EQ(text("{\\rtf1 a{\\pict\\pngblip\\picw10 89504e470d0a1a0a}b{\\*\\shppict{\\pict\\bin6 }}}{{x}}"
                 "{\\nonshppict{\\pict 00}}c\\bin2 {}d{\\shp{\\*\\shpinst{\\shptxt t}}{\\shprslt r}}}"),
            "abcd\n");
  EXPECT_EQ(text("{\\rtf1 {\\object\\objemb{\\*\\objdata 0102}{\\result r}}x}"), "x\n");
}

TEST(RtfRead, ParagraphsEndWhereTheFileSays) {
  EXPECT_EQ(read("{\\rtf1 a\\par}").paragraphs.size(), 1u);
  EXPECT_EQ(read("{\\rtf1 a}").paragraphs.size(), 1u);
  EXPECT_EQ(text("{\\rtf1 a\\par\\par b\\par\\sect\\page c}"), "a\n\nb\nc\n");
  EXPECT_EQ(text("{\\rtf1 a\\\r\nb}"), "a\nb\n");  // backslash + line end: a paragraph
  EXPECT_TRUE(read("{\\rtf1}").paragraphs.empty());
}

TEST(RtfRead, OnlyRtfIsRead) {
  EXPECT_FALSE(readRtf(""));
  EXPECT_FALSE(readRtf("Bonjour"));
  EXPECT_FALSE(readRtf("{\\rt"));
  EXPECT_FALSE(readRtf("{\\pict}"));
  EXPECT_EQ(text("\xEF\xBB\xBF\r\n {\\rtf1 x}"), "x\n");
}

TEST(RtfRead, DamagedAndHostileInputEnds) {
  EXPECT_EQ(text("{\\rtf1 {\\b a"), "a\n");
  EXPECT_EQ(text("{\\rtf1 a}}}} b {c}"), "a\n");  // nothing after the document's group
  EXPECT_EQ(text("{\\rtf1 a{\\*\\x {b"), "a\n");
  EXPECT_EQ(text("{\\rtf1 a\\"), "a\n");
  EXPECT_EQ(text("{\\rtf1 a\\'"), "a\n");
  EXPECT_EQ(text("{\\rtf1 a\\bin99999999999999999999 b}"), "a\n");
  EXPECT_EQ(text("{\\rtf1 a\\fs99999999999999999999\\li-99999999999999\\uc99999999\\u5 bcd} e"), "a\n");

  // 100,000 nested groups: the deepest are skipped whole, the rest is read.
  const std::size_t n = 100'000;
  std::string deep = "{\\rtf1 a" + std::string(n, '{') + "b" + std::string(n, '}') + "c}";
  EXPECT_EQ(text(deep), "ac\n");
  std::string shallow = "{\\rtf1 a";
  for (int i = 0; i < kMaxGroupDepth - 2; ++i) shallow += "{\\i";
  shallow += " b" + std::string(kMaxGroupDepth - 2, '}') + "c}";
  EXPECT_EQ(text(shallow), "abc\n");
  EXPECT_EQ(text("{\\rtf1 a" + std::string(n, '{')), "a\n");

  // A 50 MB picture and then text.
  std::string big = "{\\rtf1 d\\'e9but{\\pict\\pngblip ";
  big.append(50u << 20, 'f');
  big += "}fin}";
  EXPECT_EQ(text(big), "débutfin\n");

  EXPECT_FALSE(read(big).truncated);

  // What a document keeps is bounded: paragraphs, then text.
  std::string lines = "{\\rtf1 ";
  for (std::size_t i = 0; i < kMaxParagraphs + 10; ++i) lines += "\\par ";
  const RichDocument many = read(lines + "x}");
  EXPECT_EQ(many.paragraphs.size(), kMaxParagraphs - 1);
  EXPECT_TRUE(many.truncated);
  const RichDocument longText = read("{\\rtf1 " + std::string(kMaxKeptText + 100, 'x') + "}");
  ASSERT_EQ(longText.paragraphs.size(), 1u);
  EXPECT_EQ(longText.paragraphs[0].runs.at(0).text.size(), kMaxKeptText);
  EXPECT_TRUE(longText.truncated);

  // Random bytes after the header: no crash, no text that was not there.
  std::mt19937 rng(2024);
  for (int k = 0; k < 200; ++k) {
    std::string junk = "{\\rtf1 ";
    const int len = 1 + static_cast<int>(rng() % 4000);
    for (int i = 0; i < len; ++i) junk += static_cast<char>(rng() % 256);
    const auto d = readRtf(junk);
    ASSERT_TRUE(d);
    EXPECT_LE(plainText(*d).size(), 4 * junk.size());
  }
}

TEST(RtfRead, FilesOfRealWordProcessors) {
  // pandoc, from enonce.md: headings, bold, italic, lists, \uN with fallbacks.
  const RichDocument p = read(sample("pandoc-enonce.rtf"));
  EXPECT_EQ(plainText(p),
            "Conductivité d’une solution\n"
            "On prépare une solution de chlorure de potassium à 0,010 mol/L à 25 °C.\n"
            "Questions\n"
            "1.\tMesurer la conductance G de la solution.\n"
            "2.\tCalculer la conductivité σ = G × L / S.\n"
            "3.\tComparer avec la valeur théorique de Λ (ion H₃O⁺ et ion Cl⁻).\n"
            "•\tÉlectrodes : écartement L = 1,0 cm\n"
            "•\tSurface : S = 1,0 cm²\n"
            "Remarque : « l’écart » doit rester inférieur à 5 % — c’est l’été.\n");
  ASSERT_FALSE(p.paragraphs[0].runs.empty());
  EXPECT_TRUE(p.paragraphs[0].runs[0].format.bold);
  EXPECT_EQ(p.paragraphs[0].runs[0].format.halfPoints, 36);
  EXPECT_EQ(p.paragraphs[0].runs[0].format.font, "Helvetica");
  EXPECT_TRUE(runWith(p, "chlorure")->format.bold);
  EXPECT_FALSE(runWith(p, "On pr")->format.bold);
  EXPECT_TRUE(runWith(p, "0,010")->format.italic);
  EXPECT_EQ(p.paragraphs[3].leftIndent, 360);

  // AbiWord, from consignes.html: centring, colour, indent, underline, right alignment.
  const RichDocument a = read(sample("abiword-consignes.rtf"));
  ASSERT_GE(a.paragraphs.size(), 4u);
  EXPECT_EQ(plainText(a).rfind("Mélange de deux solutions\nVerser 20 mL de la solution 1", 0), 0u);
  EXPECT_EQ(a.paragraphs[0].alignment, Alignment::Centre);
  const RunFormat& t = a.paragraphs[0].runs.at(0).format;
  EXPECT_TRUE(t.bold);
  EXPECT_EQ(t.colour, (Colour{0, 0, 200}));
  EXPECT_EQ(t.halfPoints, 36);
  EXPECT_EQ(a.paragraphs[1].leftIndent, 566);
  EXPECT_TRUE(runWith(a, "20 mL")->format.bold);
  EXPECT_TRUE(runWith(a, "ajouter")->format.italic);
  EXPECT_EQ(runWith(a, "Attention")->format.colour, (Colour{255, 0, 0}));
  EXPECT_EQ(a.paragraphs[3].alignment, Alignment::Right);
  EXPECT_TRUE(runWith(a, "Durée")->format.underline);
  EXPECT_NE(runWith(a, "(coût : 5 €)."), nullptr);

  // AbiWord, from a word-processor document made by pandoc: list texts,
  // bookmarks, list tables and \uc0 / \uc1 changes.
  const RichDocument w = read(sample("abiword-enonce.rtf"));
  const std::string wt = plainText(w);
  EXPECT_NE(wt.find("\nConductivité d’une solution\nOn prépare une solution de chlorure de potassium à "
                    "0,010 mol/L à 25 °C.\nQuestions\n"),
            std::string::npos)
      << wt;
  EXPECT_NE(wt.find("\tCalculer la conductivité σ = G × L / S.\n"), std::string::npos) << wt;
  EXPECT_NE(wt.find("•\tSurface : S = 1,0 cm²\n"), std::string::npos) << wt;
  EXPECT_NE(wt.find("\nRemarque : « l’écart » doit rester inférieur à 5 % — c’est l’été.\n"), std::string::npos);
  EXPECT_TRUE(runWith(w, "chlorure")->format.bold);
  EXPECT_EQ(wt.find("listtag"), std::string::npos);
}

TEST(RtfRead, OurFileSavedAgainByAWordProcessorKeepsItsFormatting) {
  // velmira-ecrit.rtf was written here; AbiWord opened it and saved it as abiword-relu.rtf.
  RichDocument ours = read(sample("velmira-ecrit.rtf"));
  RichDocument again = read(sample("abiword-relu.rtf"));
  ASSERT_EQ(again.paragraphs.size(), ours.paragraphs.size());
  for (std::size_t i = 0; i < ours.paragraphs.size(); ++i) {
    EXPECT_NEAR(again.paragraphs[i].leftIndent, ours.paragraphs[i].leftIndent, 2);  // kept in inches there
    again.paragraphs[i].leftIndent = ours.paragraphs[i].leftIndent;
  }
  EXPECT_EQ(again, ours);
  EXPECT_NE(runWith(ours, "-3"), nullptr);
  EXPECT_EQ(runWith(ours, "-3")->format.position, VerticalPosition::Raised);
}
