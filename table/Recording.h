#pragma once
// Recording a bench into the table: the record buttons of the two solution
// benches, by the automatic-entry codes of the columns.
#include <string>

#include "platform/core/Messages.h"

namespace velmira::model { class Workbench; }

namespace velmira::table {

class Table;

// The text automatic-entry code `code` copies from solution bench `bench`
// (1, 2): "" (Vide), the concentration entry, or the ammeter, voltmeter or
// conductimeter display of that bench.
std::string recordedText(const model::Workbench& wb, int bench, int code);

// The first free line (all five cells empty), 0 when none.
int firstFreeLine(const Table& table);

// record(bench): writes the free line column by column, each cell made
// current and checked. A full table shows "Tableau plein" and changes
// nothing; false then.
bool record(Table& table, const model::Workbench& wb, int bench, MessageService& messages);

// The entries of the automatic-entry lists, code 1..5.
std::string autoEntryCaption(int code);

}  // namespace velmira::table
