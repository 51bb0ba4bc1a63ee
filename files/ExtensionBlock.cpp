// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/ExtensionBlock.h"

#include <algorithm>

#include "platform/core/RecordFile.h"

namespace velmira::files {

namespace {

constexpr char kContinuation = '+';

bool validUtf8(std::string_view s) {
  std::size_t i = 0;
  char32_t c;
  while (i < s.size())
    if (!records::nextCodePoint(s, i, c)) return false;
  return true;
}

// The longest start of `s` within `room` bytes that does not cut a UTF-8
// sequence (`s` is valid UTF-8).
std::size_t wholeCharacters(std::string_view s, std::size_t room) {
  if (s.size() <= room) return s.size();
  std::size_t n = room;
  while (n > 0 && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80) --n;
  return n;
}

}  // namespace

bool extensionKey(std::string_view key) {
  return !key.empty() && key.size() <= kMaxExtensionKey && std::all_of(key.begin(), key.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
  });
}

const std::string* ExtensionItems::find(std::string_view key) const {
  for (const auto& [k, v] : items_)
    if (k == key) return &v;
  return nullptr;
}

bool ExtensionItems::set(std::string_view key, std::string value) {
  if (!extensionKey(key) || !validUtf8(value)) return false;
  ExtensionItems next = *this;
  auto it = std::find_if(next.items_.begin(), next.items_.end(), [&](const auto& item) { return item.first == key; });
  if (it != next.items_.end())
    it->second = std::move(value);
  else
    next.items_.emplace_back(std::string(key), std::move(value));
  if (extensionRecords(next).size() > kMaxExtensionRecords) return false;
  *this = std::move(next);
  return true;
}

void ExtensionItems::erase(std::string_view key) {
  std::erase_if(items_, [&](const auto& item) { return item.first == key; });
}

std::vector<std::string> extensionRecords(const ExtensionItems& items) {
  std::vector<std::string> out;
  if (items.empty()) return out;
  out.emplace_back(kExtensionMarker);
  for (const auto& [key, value] : items.items()) {
    // A key leaves room for at least a few characters of its value.
    std::string_view rest = value;
    const std::size_t take = wholeCharacters(rest, records::kMaxText - key.size() - 1);
    out.push_back(key + '=' + std::string(rest.substr(0, take)));
    rest.remove_prefix(take);
    while (!rest.empty()) {
      const std::size_t more = wholeCharacters(rest, records::kMaxText - 1);
      out.push_back(kContinuation + std::string(rest.substr(0, more)));
      rest.remove_prefix(more);
    }
  }
  return out;
}

void writeExtension(records::RecordWriter& writer, std::size_t first, const ExtensionItems& items) {
  for (const std::string& rec : extensionRecords(items)) writer.writeBytes(first++, rec);
}

ExtensionRead readExtension(const records::RecordReader& reader, std::size_t first) {
  ExtensionRead out;
  const auto marker = reader.readBytes(first);
  if (marker && marker->empty()) return out;
  auto damaged = [&] {
    out.items = {};
    out.damaged = true;
    return out;
  };
  if (marker != kExtensionMarker) return damaged();
  std::string key, value;
  bool open = false;
  auto close = [&] {
    if (!open) return true;
    open = false;
    if (out.items.find(key) || !validUtf8(value)) return false;
    out.items.items_.emplace_back(std::move(key), std::move(value));
    return true;
  };
  for (std::size_t k = 1;; ++k) {
    const auto rec = reader.readBytes(first + k);
    if (!rec) return damaged();
    if (rec->empty()) break;
    if (k >= kMaxExtensionRecords) return damaged();
    if ((*rec)[0] == kContinuation) {
      if (!open) return damaged();
      value.append(*rec, 1);
      continue;
    }
    if (!close()) return damaged();
    const auto eq = rec->find('=');
    if (eq == std::string::npos || !extensionKey(std::string_view(*rec).substr(0, eq))) return damaged();
    key = rec->substr(0, eq);
    value = rec->substr(eq + 1);
    open = true;
  }
  if (!close()) return damaged();
  // Written again, the block must still fit.
  if (extensionRecords(out.items).size() > kMaxExtensionRecords) return damaged();
  return out;
}

Message extensionDamaged() {
  return msg::exclamationOk(
      VELMIRA_TEXT("velmira::msg",
                   "Les données ajoutées à la fin de ce fichier sont endommagées : elles ont été ignorées."),
      VELMIRA_TEXT("velmira::msg", "Fichier endommagé"));
}

}  // namespace velmira::files
