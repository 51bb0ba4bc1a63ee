// libFuzzer target: any bytes as a configuration file.
#include <cstdint>
#include <string>

#include "files/ConfigFile.h"
#include "model/Workbench.h"
#include "platform/core/RecordFile.h"
#include "table/Table.h"

namespace {
class Silent : public velmira::MessageService {
 public:
  velmira::Answer show(const velmira::Message&) override { return velmira::Answer::Ok; }
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  velmira::records::RecordReader r;
  r.setBytes(std::string(reinterpret_cast<const char*>(data), size));
  velmira::model::Workbench wb;
  wb.startupDefaults();
  velmira::table::Table table;
  Silent messages;
  velmira::files::readConfigurationFrom(r, wb, table, messages);
  if (table.rows() < velmira::table::kMinRows || table.rows() > velmira::table::kMaxRows) __builtin_trap();
  table.reformat();
  (void)velmira::files::configRecords(wb, table);
  return 0;
}
