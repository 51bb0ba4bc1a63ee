// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "TempDir.h"
#include "platform/core/RecordFile.h"

using namespace velmira::records;

TEST(Cp1252, RoundTripsFrenchAndTheHighRange) {
  const std::string text =
      "\xC3\xA9t\xC3\xA9 \xC3\xA0 l'\xC3\xA9"
      "cole \xE2\x82\xAC \xC5\x93 \xC6\x92 \xC2\xA6 \xC2\xB5S";
  auto bytes = toCp1252(text);
  ASSERT_TRUE(bytes);
  EXPECT_EQ((*bytes)[0], '\xE9');
  EXPECT_NE(bytes->find('\x80'), std::string::npos);  // €
  EXPECT_NE(bytes->find('\x9C'), std::string::npos);  // œ
  EXPECT_NE(bytes->find('\x83'), std::string::npos);  // ƒ
  EXPECT_EQ(fromCp1252(*bytes), text);
  // Every byte reads as some character and writes back as itself.
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(toCp1252(fromCp1252(all)), all);
}

TEST(Cp1252, RefusesWhatTheCodePageCannotHold) {
  EXPECT_FALSE(toCp1252("\xCF\x83"));          // σ
  EXPECT_FALSE(toCp1252("\xE2\x86\x93"));      // ↓
  EXPECT_FALSE(toCp1252("\xF0\x9F\x98\x80"));  // emoji
  EXPECT_FALSE(toCp1252("\xC3"));              // cut UTF-8
  EXPECT_FALSE(toCp1252("\xC0\xAF"));          // overlong
}

TEST(Records, LayoutIsLengthThenTextInFixedRecords) {
  RecordWriter w;
  ASSERT_TRUE(w.write(1, "VELMIRADATA"));
  ASSERT_TRUE(w.write(3, "\xC3\xA9"));
  const std::string& b = w.bytes();
  ASSERT_EQ(b.size(), 3 * kRecordSize);
  EXPECT_EQ(b[0], 11);
  EXPECT_EQ(b[1], 0);
  EXPECT_EQ(b.substr(2, 11), "VELMIRADATA");
  EXPECT_EQ(b[13], 0);  // unused bytes are zeros
  EXPECT_EQ(b[2 * kRecordSize], 1);
  EXPECT_EQ(b[2 * kRecordSize + 2], '\xE9');
  w.trimLast();
  EXPECT_EQ(w.bytes().size(), 2 * kRecordSize + 3);

  RecordReader r;
  r.setBytes(w.bytes());
  EXPECT_EQ(r.read(1), "VELMIRADATA");
  EXPECT_EQ(r.read(2), "");          // a record of zeros: empty text
  EXPECT_EQ(r.read(3), "\xC3\xA9");  // the last record ends right after its text
  EXPECT_EQ(r.read(4), "");          // past the end
  EXPECT_EQ(r.read(100000), "");
}

TEST(Records, TextLengthLimit) {
  RecordWriter w;
  EXPECT_TRUE(w.write(1, std::string(126, 'x')));
  EXPECT_FALSE(w.write(2, std::string(127, 'x')));
  EXPECT_FALSE(w.write(2, "\xCF\x83"));
  EXPECT_FALSE(w.write(0, "x"));
  // 126 characters of two UTF-8 bytes are 126 bytes on disk.
  std::string accents;
  for (int i = 0; i < 126; ++i) accents += "\xC3\xA9";
  EXPECT_TRUE(w.write(3, accents));
}

TEST(Records, DamagedRecordsAreReportedNotGuessed) {
  RecordReader r;
  std::string bytes(kRecordSize, '\0');
  bytes[0] = '\x7F';  // length 127
  r.setBytes(bytes);
  EXPECT_FALSE(r.read(1));
  r.setBytes(
      std::string("\x05\x00"
                  "ab",
                  4));  // cut inside its text
  EXPECT_FALSE(r.read(1));
  r.setBytes(std::string("\x05", 1));  // cut inside its length
  EXPECT_FALSE(r.read(1));
  EXPECT_FALSE(r.read(0));
}

TEST(Records, SingleRecordAccessKeepsTheOthers) {
  namespace fs = std::filesystem;
  const velmira::test::TempDir dir;
  const fs::path p = dir.path() / "records";
  ASSERT_TRUE(writeRecord(p.string(), 2, "OUI"));
  EXPECT_EQ(fs::file_size(p), 2 * kRecordSize);
  ASSERT_TRUE(writeRecord(p.string(), 1, "un"));
  ASSERT_TRUE(writeRecord(p.string(), 2, "NON"));
  EXPECT_EQ(readRecord(p.string(), 1), "un");
  EXPECT_EQ(readRecord(p.string(), 2), "NON");
  EXPECT_EQ(readRecord(p.string(), 9), "");
  EXPECT_FALSE(writeRecord(p.string(), 2, std::string(127, 'x')));
  EXPECT_EQ(readRecord(p.string(), 2), "NON");
  // A reader told how many records it needs reads no further.
  ASSERT_TRUE(writeRecord(p.string(), 5, "cinq"));
  RecordReader r;
  ASSERT_TRUE(r.load(p.string(), 4));
  EXPECT_EQ(r.read(2), "NON");
  EXPECT_EQ(r.read(5), "");
  ASSERT_TRUE(r.load(p.string()));
  EXPECT_EQ(r.read(5), "cinq");
  fs::remove(p);
  EXPECT_FALSE(readRecord(p.string(), 1));
  EXPECT_FALSE(writeRecord("/nonexistent-dir/x/y", 1, "a"));
}
