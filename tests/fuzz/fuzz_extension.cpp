// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as an extension block from its first record; a
// block that reads is written again and reads back the same.
#include <cstdint>
#include <string>

#include "files/ExtensionBlock.h"
#include "platform/core/RecordFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  velmira::records::RecordReader reader;
  reader.setBytes(std::string(reinterpret_cast<const char*>(data), size));
  const auto read = velmira::files::readExtension(reader, 1);
  if (read.damaged && !read.items.empty()) __builtin_trap();
  if (read.items.empty()) return 0;
  velmira::records::RecordWriter writer;
  velmira::files::writeExtension(writer, 1, read.items);
  velmira::records::RecordReader again;
  again.setBytes(writer.bytes());
  const auto back = velmira::files::readExtension(again, 1);
  if (back.damaged || !(back.items == read.items)) __builtin_trap();
  return 0;
}
