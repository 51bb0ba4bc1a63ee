// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Column formulas: a column of the table computed line by line from a
// formula over the columns C1..C5, and the texts around a run.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "expr/Evaluator.h"
#include "platform/core/Messages.h"

namespace velmira::model {
class Workbench;
}
namespace velmira::table {
class Table;
}

namespace velmira::expr {

// Stores `formula` as the formula of column `col` (0..4), then for every
// data line: replaces each reference C1..C5 by the line's cell value (read
// as a 32-bit float), evaluates with `angle`, passes the value through the
// scientific form when `scientific`, and writes it with the table's mask.
// A line whose referenced cell is empty or not a number, whose formula names
// a column that does not exist (C0, C9) or glues a reference to a number
// (C12), whose evaluation fails or whose result overflows is emptied and
// counted. `progress` hears each line (1..Rows-1) before it is computed;
// `overflow` hears each line whose result overflowed. Returns the count of
// lines left empty.
int fillColumn(table::Table& table, int col, const std::string& formula, Angle angle, bool scientific,
               const std::function<void(int line)>& progress = {}, const std::function<void()>& overflow = {});

// The formula columns of `line` computed as "Recalculer" computes them (in
// degrees, not in the scientific form), each where the line holds its
// inputs; a column without its inputs, and every other cell, stays.
void computeFormulasOn(table::Table& table, int line);
// A bench recorded (table::record), then the recorded line's formula columns.
bool recordWithFormulas(table::Table& table, const model::Workbench& wb, int bench, MessageService& messages,
                        bool* leftConcealed = nullptr);

// A formula a configuration record cannot hold (over 126 characters in
// Windows-1252, or characters outside it) is refused where it is given: the
// message to show; nullopt when it fits.
std::optional<Message> refusedFormula(std::string_view formula, int col);

// The message closing a run: none when every line was computed.
std::optional<Message> columnReport(int failures);

// "Voir expression" of column `col` (0..4).
Message formulaMessage(const table::Table& table, int col);

// The calculator's title while it edits the formula of column `col` (0..4).
std::string columnCalculatorTitle(int col);

}  // namespace velmira::expr
