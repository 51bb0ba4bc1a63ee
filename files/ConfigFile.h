#pragma once
// Configuration files (.C07): the single writer and reader.
#include <string>
#include <vector>

#include "platform/core/Messages.h"

namespace velmira::model {
class Workbench;
}
namespace velmira::table {
class Table;
}
namespace velmira::records {
class RecordReader;
}

namespace velmira::files {

inline constexpr const char* kSignature = "VELMIRADATA";
inline constexpr const char* kConfigExtension = ".C07";

// What the windows do while a configuration is read; all optional.
class ConfigHooks {
 public:
  virtual ~ConfigHooks() = default;
  virtual void knobRedrawn(int /*knob*/) {}  // a knob took its new value
  virtual void montageClicked() {}           // drawBench + updateBeakerLevel
};

// writeConfiguration: writes the workbench and the table to `path`, replacing the
// file whole or not at all. On failure (a text a record cannot hold, a
// write error, a target that is not a regular file) shows msg::writeFailure
// with the file and the cause, leaves any old file as it was and returns
// false. A read-only file is refused, unless `askOverReadOnly`: then
// msg::replaceReadOnlyQuestion asks first (No: false, no other message).
bool writeConfiguration(const std::string& path, const model::Workbench& wb, const table::Table& table,
                        MessageService& messages, bool askOverReadOnly = false);

// readConfiguration: reads `path` and applies it with the click reactions of the
// buttons and a final updateMeters. Entries and knobs outside their ranges (only a
// damaged or hand-made file has them) are brought into range silently. Returns false when the file was refused
// (signature, unreadable): nothing has changed then.
bool readConfiguration(const std::string& path, model::Workbench& wb, table::Table& table, MessageService& messages,
                       ConfigHooks* hooks = nullptr);

// The same, from records already in memory.
bool readConfigurationFrom(const records::RecordReader& file, model::Workbench& wb, table::Table& table,
                           MessageService& messages, ConfigHooks* hooks = nullptr);

// The records as they would be written (record 1 first).
std::vector<std::string> configRecords(const model::Workbench& wb, const table::Table& table);

}  // namespace velmira::files
