// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/ui/TablePrint.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "platform/qt/Printing.h"
#include "table/Table.h"
#include "table/TableText.h"
#include "widgets/Colours.h"

namespace velmira::table::ui {

namespace {

constexpr double kCellPoints = 10;
constexpr double kRowLines = 1.8;  // a row's height, in text heights

double rowHeight(const QPaintDevice* device) {
  return QFontMetricsF(qtp::printFont(kCellPoints), device).height() * kRowLines;
}

// Data lines a page holds under the heading and the titles.
int linesPerPage(const QPrinter& printer) {
  const double room = qtp::PrintedPages::bodyOf(printer).height() - qtp::PrintedPages::headingHeight(printer);
  return std::max(1, static_cast<int>(room / rowHeight(&printer)) - 1);
}

}  // namespace

int tablePageCount(const QPrinter& printer, const Table& table) {
  const int dataLines = static_cast<int>(printedLines(table).size()) - 1;
  const int perPage = linesPerPage(printer);
  return std::max(1, (dataLines + perPage - 1) / perPage);
}

void drawTablePages(qtp::PrintedPages& out, const Table& table, const QString& heading) {
  if (!out.active()) return;
  QPainter& p = out.painter();
  const auto* printer = static_cast<const QPrinter*>(p.device());
  const auto lines = printedLines(table);
  const QFont font = qtp::printFont(kCellPoints), bold = qtp::printFont(kCellPoints, true);
  const double height = rowHeight(printer);
  const int perPage = linesPerPage(*printer);
  const double width = out.body().width() / kCols;
  p.save();
  p.setPen(QPen(Qt::black, out.perPoint() * 0.5));
  std::size_t next = 1;
  do {
    if (next > 1) out.newPage();
    double y = out.heading(heading);
    std::vector<std::size_t> rows = {0};
    for (; next < lines.size() && rows.size() <= static_cast<std::size_t>(perPage); ++next) rows.push_back(next);
    for (std::size_t r : rows) {
      p.setFont(r == 0 ? bold : font);
      for (int c = 0; c < kCols; ++c) {
        const QRectF cell(c * width, y, width, height);
        if (r == 0) p.fillRect(cell, widgets::kPrintedTitleShade);
        p.drawRect(cell);
        p.drawText(cell.adjusted(height / 4, 0, -height / 4, 0), Qt::AlignCenter,
                   QString::fromStdString(lines[r][static_cast<std::size_t>(c)]));
      }
      y += height;
    }
  } while (next < lines.size());
  p.restore();
}

bool printTable(QPrinter& printer, const Table& table, const QString& title, const QString& heading) {
  qtp::PrintedPages out(printer, title, tablePageCount(printer, table));
  if (!out.active()) return false;
  drawTablePages(out, table, heading);
  return out.finish();
}

}  // namespace velmira::table::ui
