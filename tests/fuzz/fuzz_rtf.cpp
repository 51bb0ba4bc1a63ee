// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as an RTF file; what is read is written and
// read again to the same document.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/rtf/RtfReader.h"
#include "files/rtf/RtfWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto doc = velmira::rtf::readRtf(bytes);
  if (!doc) return 0;
  const auto again = velmira::rtf::readRtf(velmira::rtf::writeRtf(*doc));
  if (!again || again->paragraphs != doc->paragraphs) __builtin_trap();
  (void)velmira::rtf::plainText(*doc);
  return 0;
}
