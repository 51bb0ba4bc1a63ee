// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Configuration files (.C07): the single writer and reader. A file is read
// into a Configuration, a plain value, which is then applied to the
// workbench and the table.
#include <array>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "files/ExtensionBlock.h"
#include "model/Workbench.h"
#include "platform/core/Messages.h"
#include "table/Table.h"

namespace velmira::records {
class RecordReader;
}

namespace velmira::files {

inline constexpr const char* kSignature = "VELMIRADATA";
inline constexpr const char* kConfigExtension = ".C07";

// Every item of a configuration file as read. An item is empty (nullopt)
// when its record is damaged or holds what the program refuses (a code the
// automatic entry does not know, a row count the table cannot hold): applying
// it then leaves that part of the work as it is. The other corrections are
// already made: a mask the table does not offer is the default one, a knob
// outside its range is limited.
struct Configuration {
  std::optional<std::string> mask;
  std::array<std::optional<std::string>, model::kKnobs> knobs;
  std::array<std::optional<std::string>, 2> solutes;
  std::array<std::optional<int>, table::kCols> autoEntries;
  std::array<std::optional<std::string>, model::kEntries> entries;
  // One flag per button, the buttons a short record does not reach off.
  std::optional<std::vector<bool>> voltmeterCalibres, ammeterCalibres, conductimeterRanges;
  std::optional<bool> generatorMontage, conductimeterMontage;
  std::optional<int> rows;
  // The cells, row by row from the titles, for the rows they were read for
  // (`rows`, else the row count the reader was given).
  int cellRows = table::kDefaultRows;
  std::vector<std::optional<std::string>> cells;
  std::array<std::optional<std::string>, table::kCols> formulas;
  ExtensionItems extension;
  // The file had an extension block that could not be read (its items dropped).
  bool extensionDamaged = false;
};

enum class ReadFailure {
  Unreadable,        // the file cannot be read, or its first record is damaged
  NotConfiguration,  // no signature
};
Message readFailureMessage(ReadFailure failure);

// The records of a file as a configuration. The cells are read for the
// file's row count, or `rowsWhenRefused` when that record is refused (the
// rows the table has then).
std::variant<Configuration, ReadFailure> parseConfiguration(const records::RecordReader& records, int rowsWhenRefused);
// The same from the file at `path` (a missing file is NotConfiguration).
std::variant<Configuration, ReadFailure> parseConfigurationFile(const std::string& path, int rowsWhenRefused);

// Puts the configuration into the workbench and the table as the buttons'
// clicks would, entries outside their ranges brought into range, then the
// displays updated, no concentration concealed. The extension's items are
// the caller's to keep (files::revealHidden puts its hidden values in).
void applyConfiguration(const Configuration& configuration, model::Workbench& wb, table::Table& table);

// readConfiguration: reads and applies `path`, showing the failure's message
// or, when the extension block was dropped, extensionDamaged(). The
// configuration applied, or nullopt when the file was refused (nothing has
// changed then).
std::optional<Configuration> readConfiguration(const std::string& path, model::Workbench& wb, table::Table& table,
                                               MessageService& messages);

// What readConfiguration does with what was parsed: the failure's message,
// or the configuration applied (and extensionDamaged() said when it applies).
std::optional<Configuration> applyRead(std::variant<Configuration, ReadFailure> parsed, model::Workbench& wb,
                                       table::Table& table, MessageService& messages);

// A column title the records cannot hold as typed ("σ (mS/m)") is kept in
// the extension block as titre1..titre5; the record holds its stored form.
std::string titleKey(int col);
// The items of the table's titles written (those that need none removed);
// false when one cannot be an item.
bool keepTitles(ExtensionItems& items, const table::Table& table);

// The bytes of the file: the records, then the extension block when there
// are items. nullopt when a text cannot be held by a record.
std::optional<std::string> configurationBytes(const model::Workbench& wb, const table::Table& table,
                                              const ExtensionItems& extension = {});

// writeConfiguration: writes the workbench and the table to `path`, replacing the
// file whole or not at all. On failure (a text a record cannot hold, a
// write error, a target that is not a regular file) shows msg::writeFailure
// with the file and the cause, leaves any old file as it was and returns
// false. A read-only file is refused, unless `askOverReadOnly`: then
// msg::replaceReadOnlyQuestion asks first (No: false, no other message).
bool writeConfiguration(const std::string& path, const model::Workbench& wb, const table::Table& table,
                        MessageService& messages, bool askOverReadOnly = false, const ExtensionItems& extension = {});

// The records as they would be written (record 1 first), the extension block left out.
std::vector<std::string> configRecords(const model::Workbench& wb, const table::Table& table);

}  // namespace velmira::files
