// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes pasted into the table (the first byte chooses
// the current cell): only numbers land in the data lines, the table keeps
// its bounds, and its CSV never begins a text cell with a formula's sign.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/core/NumberText.h"
#include "table/Table.h"
#include "table/TableCommands.h"
#include "table/TableText.h"

namespace {
class Silent : public velmira::MessageService {
 public:
  velmira::Answer show(const velmira::Message&) override { return velmira::Answer::Ok; }
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using velmira::table::Table;
  if (size == 0) return 0;
  Table table;
  table.setCurrent(1 + data[0] % 8, data[0] / 8 % velmira::table::kCols);
  Silent messages;
  velmira::table::pasteText(table, std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1), messages);
  if (table.rows() < velmira::table::kMinRows || table.rows() > velmira::table::kMaxRows) __builtin_trap();
  for (int r = 1; r < table.rows(); ++r)
    for (int c = 0; c < velmira::table::kCols; ++c)
      if (!table.cell(r, c).empty() && !velmira::num::readDouble(table.cell(r, c))) __builtin_trap();
  const std::string csv = velmira::table::csv(table);
  for (std::size_t at = csv.find_first_of("=+-@"); at != std::string::npos; at = csv.find_first_of("=+-@", at + 1)) {
    const char before = at == 3 ? '\n' : csv[at - 1];  // after the byte-order mark
    if (before != ';' && before != '\n') continue;
    // A cell beginning with a sign: a number up to the next separator.
    const std::size_t end = csv.find_first_of(";\r", at);
    if (!velmira::num::readDouble(csv.substr(at, end - at))) __builtin_trap();
  }
  return 0;
}
