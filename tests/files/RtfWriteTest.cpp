// Writing RTF and reading it back; RTF files on disk.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "files/rtf/RtfFile.h"
#include "RichDocumentPrint.h"
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
  d.paragraphs.push_back({Alignment::Left, 300, {{"Ce simulateur à 25 °C : {σ}\\ 5 € « œ » 10", plain},
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
  EXPECT_NE(rtf.find("\\u963\\'3f"), std::string::npos);       // the others as \uN, "?" for old readers
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

struct RtfFiles : ::testing::Test {
  fs::path dir;
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("velmira-rtf-" + std::to_string(::getpid()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
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
