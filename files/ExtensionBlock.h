// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The extension block: items a record file keeps after the records every
// reader knows (a configuration's column formulas, an exercise's eleven
// records), which older readers never read. A marker record, then one item
// per record as `key=value` (key: a-z, 0-9 and _; value: UTF-8 text), a long
// value going on in the following records, each beginning with "+". The
// block ends at the file's end or at an empty record.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/core/Messages.h"

namespace velmira::records {
class RecordReader;
class RecordWriter;
}  // namespace velmira::records

namespace velmira::files {

inline constexpr std::string_view kExtensionMarker = "VELMIRAEXT 1";
// The records a block may take, marker included: a larger one is damaged.
inline constexpr std::size_t kMaxExtensionRecords = 4096;

inline constexpr std::size_t kMaxExtensionKey = 64;
static_assert(kMaxExtensionKey + 1 + 4 < 126, "an item's first record holds its key and a character");

// A key an item may have: 1 to kMaxExtensionKey of a-z, 0-9 and _.
bool extensionKey(std::string_view key);

struct ExtensionRead;

// The items in their order; the keys a version does not know are kept as
// they came, so that saving again loses nothing.
class ExtensionItems {
 public:
  bool empty() const { return items_.empty(); }
  // The value of `key`, or nullopt.
  const std::string* find(std::string_view key) const;
  // Sets `key` (kept in place when present, else added last). False, and
  // nothing changed, for a key that is not extensionKey, a value that is not
  // valid UTF-8, or a block that would then be over kMaxExtensionRecords.
  bool set(std::string_view key, std::string value);
  void erase(std::string_view key);
  const std::vector<std::pair<std::string, std::string>>& items() const { return items_; }

  bool operator==(const ExtensionItems&) const = default;

 private:
  friend ExtensionRead readExtension(const records::RecordReader& reader, std::size_t first);
  std::vector<std::pair<std::string, std::string>> items_;
};

// The block's records as stored (marker first); none when there are no items.
std::vector<std::string> extensionRecords(const ExtensionItems& items);
// Writes them from record `first` on.
void writeExtension(records::RecordWriter& writer, std::size_t first, const ExtensionItems& items);

struct ExtensionRead {
  ExtensionItems items;
  // A block was there but could not be read: its items are dropped.
  bool damaged = false;
};

// The block starting at record `first`: no items when the record is empty
// (no block); damaged when it is not the marker, when a record is damaged,
// not an item, or not UTF-8, when a key comes twice, or past
// kMaxExtensionRecords.
ExtensionRead readExtension(const records::RecordReader& reader, std::size_t first);

// "Les données ajoutées à la fin de ce fichier sont endommagées : elles ont
// été ignorées.": said once when a damaged block is dropped.
Message extensionDamaged();

}  // namespace velmira::files
