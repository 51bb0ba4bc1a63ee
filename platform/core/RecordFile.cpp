// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/RecordFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>

#include "platform/core/SafeFile.h"

namespace velmira::records {

namespace {

// Windows-1252 0x80..0x9F; 0 where the code page defines nothing (those
// bytes read as the C1 control of the same number).
constexpr std::array<char32_t, 32> kHigh = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                            0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

char32_t cp1252CodePoint(unsigned char b) {
  if (b >= 0x80 && b <= 0x9F && kHigh[b - 0x80] != 0) return kHigh[b - 0x80];
  return b;
}

int cp1252Byte(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
  if (c <= 0x9F) return kHigh[c - 0x80] == 0 ? static_cast<int>(c) : -1;  // undefined bytes are themselves
  for (std::size_t k = 0; k < kHigh.size(); ++k)
    if (kHigh[k] == c) return static_cast<int>(0x80 + k);
  return -1;
}

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

bool nextCodePoint(std::string_view s, std::size_t& i, char32_t& c) {
  const auto b = static_cast<unsigned char>(s[i]);
  int extra;
  if (b < 0x80) {
    c = b;
    extra = 0;
  } else if ((b & 0xE0) == 0xC0) {
    c = b & 0x1F;
    extra = 1;
  } else if ((b & 0xF0) == 0xE0) {
    c = b & 0x0F;
    extra = 2;
  } else if ((b & 0xF8) == 0xF0) {
    c = b & 0x07;
    extra = 3;
  } else
    return false;
  if (i + static_cast<std::size_t>(extra) >= s.size()) return false;
  for (int k = 1; k <= extra; ++k) {
    const auto n = static_cast<unsigned char>(s[i + k]);
    if ((n & 0xC0) != 0x80) return false;
    c = (c << 6) | (n & 0x3F);
  }
  static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
  if (c < kMin[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
  i += static_cast<std::size_t>(extra) + 1;
  return true;
}

std::optional<std::string> toCp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    char32_t c;
    if (!nextCodePoint(utf8, i, c)) return std::nullopt;
    const int b = cp1252Byte(c);
    if (b < 0) return std::nullopt;
    out += static_cast<char>(b);
  }
  return out;
}

std::string fromCp1252(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 4);
  for (char b : bytes) appendUtf8(out, cp1252CodePoint(static_cast<unsigned char>(b)));
  return out;
}

bool RecordReader::load(const std::string& path, std::size_t maxRecords) {
  // Records past `maxRecords` are never asked for: what lies beyond is not read.
  auto bytes = fileio::readRegularFile(path, maxRecords * kRecordSize);
  if (!bytes) return false;
  bytes_ = std::move(*bytes);
  return true;
}

std::optional<std::string> RecordReader::read(std::size_t n) const {
  const auto bytes = stored(n);
  if (!bytes) return std::nullopt;
  return fromCp1252(*bytes);
}

std::optional<std::string> RecordReader::readBytes(std::size_t n) const {
  const auto bytes = stored(n);
  if (!bytes) return std::nullopt;
  return std::string(*bytes);
}

std::optional<std::string_view> RecordReader::stored(std::size_t n) const {
  if (n == 0) return std::nullopt;
  const std::size_t start = (n - 1) * kRecordSize;
  if (start >= bytes_.size()) return std::string_view();
  if (start + 2 > bytes_.size()) return std::nullopt;
  const std::size_t len = static_cast<unsigned char>(bytes_[start]) |
                          (static_cast<std::size_t>(static_cast<unsigned char>(bytes_[start + 1])) << 8);
  if (len > kMaxText || start + 2 + len > bytes_.size()) return std::nullopt;
  return std::string_view(bytes_).substr(start + 2, len);
}

bool RecordWriter::write(std::size_t n, std::string_view utf8) {
  if (n == 0) return false;
  // Plain ASCII is its own Windows-1252 form.
  const bool ascii = std::all_of(utf8.begin(), utf8.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  std::optional<std::string> encoded;
  if (!ascii) {
    encoded = toCp1252(utf8);
    if (!encoded) return false;
  }
  return writeBytes(n, ascii ? utf8 : std::string_view(*encoded));
}

bool RecordWriter::writeBytes(std::size_t n, std::string_view text) {
  if (n == 0 || text.size() > kMaxText) return false;
  const std::size_t start = (n - 1) * kRecordSize;
  if (bytes_.size() < start + kRecordSize) {
    if (bytes_.capacity() < start + kRecordSize) bytes_.reserve(std::max(2 * bytes_.capacity(), start + kRecordSize));
    bytes_.resize(start + kRecordSize, '\0');
  }
  bytes_[start] = static_cast<char>(text.size() & 0xFF);
  bytes_[start + 1] = static_cast<char>(text.size() >> 8);
  std::fill(bytes_.begin() + static_cast<std::ptrdiff_t>(start + 2),
            bytes_.begin() + static_cast<std::ptrdiff_t>(start + kRecordSize), '\0');
  std::copy(text.begin(), text.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(start + 2));
  lastEnd_ = std::max(lastEnd_, start + 2 + text.size());
  return true;
}

void RecordWriter::trimLast() {
  if (lastEnd_ < bytes_.size()) bytes_.resize(lastEnd_);
}

bool writeFile(const std::string& path, const std::string& bytes) { return fileio::replaceFile(path, bytes); }

std::optional<std::string> readRecord(const std::string& path, std::size_t n) {
  auto bytes = fileio::readRegularFile(path, n * kRecordSize, fileio::Links::Refuse);
  if (!bytes) return std::nullopt;
  RecordReader r;
  r.setBytes(std::move(*bytes));
  return r.read(n);
}

bool writeRecord(const std::string& path, std::size_t n, std::string_view utf8) {
  if (n == 0) return false;
  // The whole record, as a file of it holds it.
  RecordWriter one;
  if (!one.write(1, utf8)) return false;
  const std::string& rec = one.bytes();
  // Opened read-write, created when missing, without blocking on a pipe and
  // never through a symbolic link (nor creating where a dangling one points);
  // only a regular file is written. The other records stay.
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
  if (fd < 0) return false;
  struct stat st {};
  bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
            ::pwrite(fd, rec.data(), rec.size(), static_cast<off_t>((n - 1) * kRecordSize)) ==
                static_cast<ssize_t>(rec.size());
  ok = ::close(fd) == 0 && ok;
  return ok;
}

}  // namespace velmira::records
