// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table in the forms a spreadsheet reads with no option chosen: an
// OpenDocument spreadsheet file, and an HTML table for the clipboard. Both
// carry each number cell as its value (any locale reads it as a number) with
// a number format that shows it as the table does, and every other cell as
// its text.
#include <optional>
#include <string>

namespace velmira {
class MessageService;
}

namespace velmira::table {

class Table;

// The OpenDocument spreadsheet (.ods) of the table: one sheet, the titles
// then the data lines up to the last one that is not empty (the lines the
// CSV export holds), as a zip archive whose first entry is the stored
// "mimetype". nullopt when the archive cannot be composed (no memory).
std::optional<std::string> odsFile(const Table& table);

// Writes odsFile(table) to `path`, whole or not at all; false with the
// write message shown on failure. A read-only file is replaced only when
// `askOverReadOnly` and the user agreed.
bool writeOds(const std::string& path, const Table& table, MessageService& messages, bool askOverReadOnly);

// Rows firstRow..lastRow (0: the titles) of columns firstCol..lastCol as an
// HTML document holding one table (the clipboard's text/html beside the
// tab-separated text).
std::string htmlTable(const Table& table, int firstRow, int lastRow, int firstCol, int lastCol);

}  // namespace velmira::table
