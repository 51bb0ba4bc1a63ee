// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The records of a configuration file (.C07), in file order: the one
// description the writer and the reader both follow.
#include <array>
#include <cstddef>

#include "model/Workbench.h"
#include "table/Table.h"

namespace velmira::files {

enum class ConfigItem {
  Signature,             // "VELMIRADATA"
  Mask,                  // the table's number-format mask
  Knobs,                 // knob 0..5 texts ("0.12")
  Solutes,               // solute numbers of solutions 1 and 2
  AutoEntries,           // automatic-entry codes of C1..C5 (" 2")
  Entries,               // the six entry fields as typed ("0,01")
  VoltmeterCalibres,     // "0100..." one character per button, 12
  AmmeterCalibres,       // the same, 12
  ConductimeterRanges,   // the same, 18
  GeneratorMontage,      // "1" or "0"
  ConductimeterMontage,  // "1" or "0"
  Rows,                  // the table's row count, title row included (" 13")
  Cells,                 // Rows x 5 cell texts, row by row from the titles
  Formulas,              // the five column formulas
};

struct ConfigRecords {
  ConfigItem item;
  std::size_t count;  // records; the cells' count is the table's (0 here)
};

inline constexpr std::array<ConfigRecords, 14> kConfigLayout = {{
    {ConfigItem::Signature, 1},
    {ConfigItem::Mask, 1},
    {ConfigItem::Knobs, model::kKnobs},
    {ConfigItem::Solutes, 2},
    {ConfigItem::AutoEntries, table::kCols},
    {ConfigItem::Entries, model::kEntries},
    {ConfigItem::VoltmeterCalibres, 1},
    {ConfigItem::AmmeterCalibres, 1},
    {ConfigItem::ConductimeterRanges, 1},
    {ConfigItem::GeneratorMontage, 1},
    {ConfigItem::ConductimeterMontage, 1},
    {ConfigItem::Rows, 1},
    {ConfigItem::Cells, 0},
    {ConfigItem::Formulas, table::kCols},
}};

// Record number (from 1) of the first record of an item that comes before
// the cells; the cells start at firstRecord(Cells), the formulas right after
// the last cell.
constexpr std::size_t firstRecord(ConfigItem item) {
  std::size_t n = 1;
  for (const ConfigRecords& r : kConfigLayout) {
    if (r.item == item) return n;
    n += r.count;
  }
  return 0;
}

// Records of a configuration whose table has `rows` rows.
constexpr std::size_t configRecordCount(int rows) {
  return firstRecord(ConfigItem::Cells) - 1 + static_cast<std::size_t>(rows) * table::kCols + table::kCols;
}

static_assert(firstRecord(ConfigItem::Rows) == 27 && firstRecord(ConfigItem::Cells) == 28);
static_assert(configRecordCount(table::kDefaultRows) == 97 && configRecordCount(table::kMaxRows) == 537);

}  // namespace velmira::files
