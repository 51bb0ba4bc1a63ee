// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as a file of a class's folder: read as a
// pupil's work, then its row of the class table in both forms, one line per
// file and a work's row as wide as the header.
#include <algorithm>
#include <cstdint>
#include <string>

#include "files/ClassMarking.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  namespace f = velmira::files;
  const f::WorkFile work = f::readWorkBytes(std::string(reinterpret_cast<const char*>(data), size));
  if (work.state == f::WorkFileState::Unreadable && work.cause.empty()) __builtin_trap();
  const f::ClassTable table = f::classTable({{"travail.C07", work}}, false);
  if (table.rows.size() != 1) __builtin_trap();
  if (work.state == f::WorkFileState::Work && table.rows[0].cells.size() + 1 != table.header.size()) __builtin_trap();
  const std::string text = f::classTableText(table);
  if (std::count(text.begin(), text.end(), '\n') != 2) __builtin_trap();
  (void)f::classTableCsv(f::classTable({{"travail.C07", work}}, true));
  return 0;
}
