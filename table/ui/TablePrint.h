// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Imprimer le tableau": the titles and the filled lines of the table
// (table::printedLines) as a ruled table across A4 pages under a heading
// line, the titles again at the top of each page.
#include <QString>

class QPrinter;

namespace velmira::qtp {
class PrintedPages;
}

namespace velmira::table {
class Table;
namespace ui {

// The pages the table takes on `printer`.
int tablePageCount(const QPrinter& printer, const Table& table);
// Its pages from the current one on (a new page between them).
void drawTablePages(qtp::PrintedPages& pages, const Table& table, const QString& heading);
// The same as a document of its own; false when printing failed.
bool printTable(QPrinter& printer, const Table& table, const QString& title, const QString& heading);

}  // namespace ui
}  // namespace velmira::table
