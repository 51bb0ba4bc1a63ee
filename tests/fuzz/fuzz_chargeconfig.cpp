// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as a configuration file; what it loads is
// written back, its extension items included, and reads again the same.
#include <cstdint>
#include <string>

#include "files/ConfigFile.h"
#include "files/WorkHistory.h"
#include "model/Workbench.h"
#include "table/Table.h"

namespace {
class Silent : public velmira::MessageService {
 public:
  velmira::Answer show(const velmira::Message&) override { return velmira::Answer::Ok; }
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  velmira::model::Workbench wb;
  wb.startupDefaults();
  velmira::table::Table table;
  Silent messages;
  velmira::files::ExtensionItems extension;
  const std::string input(reinterpret_cast<const char*>(data), size);
  if (velmira::files::restoreWork(input, wb, table, extension, messages)) {
    const auto bytes = velmira::files::workSnapshot(wb, table, extension);
    velmira::files::ExtensionItems again;
    if (bytes && velmira::files::restoreWork(*bytes, wb, table, again, messages) && !(again == extension))
      __builtin_trap();
  }
  if (table.rows() < velmira::table::kMinRows || table.rows() > velmira::table::kMaxRows) __builtin_trap();
  table.reformat();
  (void)velmira::files::configRecords(wb, table);
  return 0;
}
