// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files of 128-byte records numbered from 1, each holding one text: a 16-bit
// little-endian length and that many Windows-1252 characters (at most 126).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmira::records {

inline constexpr std::size_t kRecordSize = 128;
inline constexpr std::size_t kMaxText = 126;

// UTF-8 <-> Windows-1252. Encoding fails (nullopt) for a character the code
// page cannot hold, or for invalid UTF-8.
std::optional<std::string> toCp1252(std::string_view utf8);
std::string fromCp1252(std::string_view bytes);

// One character: the code point of a Windows-1252 byte (the undefined bytes
// read as the C1 control of the same number), and the byte of a code point
// (-1 when the code page has none).
char32_t cp1252CodePoint(unsigned char byte);
int cp1252Byte(char32_t c);

// UTF-8 of one code point (up to U+10FFFF); the next code point of a UTF-8
// text, false on malformed input (then `i` is unchanged).
void appendUtf8(std::string& out, char32_t c);
bool nextCodePoint(std::string_view s, std::size_t& i, char32_t& c);

// A whole record file read into memory.
class RecordReader {
 public:
  // False when the file cannot be opened or read. Only the first
  // `maxRecords` records are read; later ones read as past the end.
  bool load(const std::string& path, std::size_t maxRecords = kDefaultMaxRecords);
  static constexpr std::size_t kDefaultMaxRecords = 4096;
  void setBytes(std::string bytes) { bytes_ = std::move(bytes); }
  // Record n (from 1) as UTF-8: past the end of the file the empty text;
  // nullopt when the record is damaged (length over 126, or cut inside its
  // length or its text).
  std::optional<std::string> read(std::size_t n) const;
  // Record n's bytes as stored, not decoded; the same cases.
  std::optional<std::string> readBytes(std::size_t n) const;

 private:
  std::optional<std::string_view> stored(std::size_t n) const;
  std::string bytes_;
};

// Builds the bytes of a record file; fails on a text the format cannot hold.
class RecordWriter {
 public:
  // Record n (from 1). False when the text is over 126 characters or cannot
  // be written in Windows-1252.
  bool write(std::size_t n, std::string_view utf8);
  // Record n holding `bytes` as they are (at most 126), not encoded.
  bool writeBytes(std::size_t n, std::string_view bytes);
  // Room for `records` records, so that writing them moves no bytes.
  void reserve(std::size_t records) { bytes_.reserve(records * kRecordSize); }
  const std::string& bytes() const { return bytes_; }
  // Cut the file right after the text of the last record written.
  void trimLast();

 private:
  std::string bytes_;
  std::size_t lastEnd_ = 0;
};

// Replaces the file at `path` with `bytes`, whole or not at all; false on
// any failure (the old file is then untouched).
bool writeFile(const std::string& path, const std::string& bytes);

// Reads record n of the file at `path`, writes `text` into record n of it
// (creating the file, keeping the other records). Both refuse a symbolic
// link and anything but a regular file, and leave them as they are. No
// error is reported: nullopt / false on failure.
std::optional<std::string> readRecord(const std::string& path, std::size_t n);
bool writeRecord(const std::string& path, std::size_t n, std::string_view utf8);

}  // namespace velmira::records
