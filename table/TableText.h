// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table as text: tab-separated copies and pastes (a spreadsheet's
// clipboard form), the CSV export, the listing of velmira-outil.
#include <string>
#include <string_view>
#include <vector>

namespace velmira::table {

class Table;

// Rows first..last (0: the titles) of columns firstCol..lastCol, cells
// separated by tabs, lines ended by "\r\n" (a spreadsheet's clipboard form).
std::string tabSeparated(const Table& table, int firstRow, int lastRow, int firstCol, int lastCol);
// The whole table with its titles.
std::string tabSeparated(const Table& table);

// A pasted text split into lines and cells: tabs separate the cells (";"
// on a line without a tab), a "\r" before the line end is dropped and the
// line end after the last line opens no line. Only what a paste can use is
// kept: the first kMaxRows lines, the first kCols cells of each.
using PastedLine = std::vector<std::string_view>;
struct PastedText {
  std::vector<PastedLine> lines;
  int lineCount = 0;  // every line of the text
};
PastedText pastedText(std::string_view text);

// A spreadsheet's header line: some cell holds text, none reads as a number.
bool isTitleLine(const PastedLine& line);
// The text begins with a header: a title line above a line that holds a
// number (a single line, or one above more text, is data).
bool beginsWithHeader(const PastedText& text);

// What a paste did: lines left out for want of room, cells that held text
// but not a number (left empty), numbers written in the scientific form to
// keep their digits.
struct PasteCount {
  int droppedLines = 0;
  int notNumbers = 0;
  int scientific = 0;
};

// Pastes lines from the current cell on: each cell is read as a number ("."
// or "," decimals, blanks ignored) and written as Table::keptText writes it,
// so only numbers or empty cells land and none loses its digits; the table grows to at most 100 data lines. Columns
// past C5 are ignored.
PasteCount paste(Table& table, const PastedText& text);

// CSV for a spreadsheet: UTF-8 with a byte-order mark, ";" between cells,
// the decimal comma, the titles then the data lines up to the last one that
// is not empty, "\r\n" line ends; a cell holding ";", a quote or a line break
// is quoted, and a title or cell that is not a number and begins with "=",
// "+", "-" or "@" is written after an apostrophe ("'=A1+1"), so that no
// spreadsheet runs it as a formula.
std::string csv(const Table& table);
// The same form for any lines of cells (the texts as they stand).
std::string csv(const std::vector<std::vector<std::string>>& lines);

// A column's name where it is printed or plotted: its title, blanks
// trimmed, or "C1".."C5" when the title is blank.
std::string columnName(const Table& table, int col);

// A cell as a screen reader says it: its column's key and title, its line
// and its text, "C2 sigma (mS/m), ligne 3 : 1,23E+01" ("vide" when blank).
std::string spokenCell(const Table& table, int row, int col);

// The printed table: the titles (as columnName gives them) and the data
// lines up to the last one that holds a cell, each a line of five texts.
std::vector<std::vector<std::string>> printedLines(const Table& table);

}  // namespace velmira::table
