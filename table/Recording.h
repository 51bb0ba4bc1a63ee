// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Recording a bench into the table: the record buttons of the three benches
// (solution 1, solution 2, mixture), by the automatic-entry codes of the
// columns.
#include <string>

#include "platform/core/Messages.h"

namespace velmira::model {
class Workbench;
}

namespace velmira::table {

class Table;

inline constexpr int kMixtureBench = 3;

// The text automatic-entry code `code` copies from bench `bench` (1, 2, 3):
// "" (Vide), the concentration entry of a solution (nothing for the
// mixture or a concealed concentration), the ammeter, voltmeter or conductimeter display of that bench,
// or the text of the V1 or V2 entry whatever the bench.
std::string recordedText(const model::Workbench& wb, int bench, int code);

// Bench `bench` has a record button to press: the two solutions always, the
// mixture only when it can be studied (no precipitate).
bool canRecord(const model::Workbench& wb, int bench);

// The first free line (all five cells empty), 0 when none.
int firstFreeLine(const Table& table);

// record(bench): writes the free line column by column, each cell made
// current and checked. A full table shows "Tableau plein" and changes
// nothing; false then. A concealed concentration is never copied: its cell
// stays empty, and `leftConcealed`, when given, is set.
bool record(Table& table, const model::Workbench& wb, int bench, MessageService& messages,
            bool* leftConcealed = nullptr);

// After the montage changed to the conductimeter's (or the generator's):
// while the table holds no data and its codes are still the other
// montage's defaults, they become this montage's.
void followMontage(Table& table, bool conductimeter);

// Said once by the caller when a recording left a concealed concentration out.
Message concealedNotRecorded();

// The entries of the automatic-entry lists, code 1..kEntryCodes.
std::string autoEntryCaption(int code);

}  // namespace velmira::table
