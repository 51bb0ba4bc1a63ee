// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/TableTools.h"

#include <QPrinter>
#include <utility>

#include "expr/ColumnFormula.h"
#include "expr/ui/CalculatorWindow.h"
#include "graph/ui/GraphWindow.h"
#include "platform/qt/Printing.h"
#include "table/ui/TableFrame.h"
#include "table/ui/TablePrint.h"
#include "ui/PrintWindow.h"
#include "widgets/ScrolledDialog.h"

namespace velmira::ui {

TableTools::TableTools(table::Table& table, MessageService& messages, QWidget& window, std::function<QString()> heading)
    : QObject(&window), table_(table), messages_(messages), window_(window), heading_(std::move(heading)) {}

void TableTools::serve(table::ui::TableFrame& frame) {
  connect(&frame, &table::ui::TableFrame::graphRequested, this, [this] {
    graph::ui::GraphWindow w(table_, messages_, &window_);
    w.setHeading(heading_());
    const auto saved = readGraph_ ? readGraph_() : std::nullopt;
    if (saved) w.applySettings(*saved);
    const graph::GraphSettings opened = w.settings();
    widgets::execFitting(w, widgets::freeRoom(window_));
    if (keepGraph_ && w.settings() != opened) keepGraph_(w.settings());
  });
  connect(&frame, &table::ui::TableFrame::printRequested, this, [this] {
    QPrinter& printer = qtp::sharedPrinter();
    if (!qtp::askPrinter(printer, &window_)) return;
    const QString heading = heading_();
    table::ui::printTable(printer, table_, heading, heading);
  });
  connect(&frame, &table::ui::TableFrame::calculateRequested, this, [this](int col, bool recalculate) {
    expr::ui::CalculatorWindow::openColumn(&window_, table_, col, recalculate, memory_, messages_);
    emit stepMade(recalculate ? QStringLiteral(QT_TRANSLATE_NOOP("velmira::steps", "Recalculer"))
                              : QStringLiteral(QT_TRANSLATE_NOOP("velmira::steps", "Calculer")));
  });
  connect(&frame, &table::ui::TableFrame::formulaRequested, this,
          [this](int col) { messages_.show(expr::formulaMessage(table_, col)); });
}

void TableTools::keepGraphIn(std::function<std::optional<graph::GraphSettings>()> read,
                             std::function<void(const graph::GraphSettings&)> keep) {
  readGraph_ = std::move(read);
  keepGraph_ = std::move(keep);
}

void TableTools::openCalculator() { expr::ui::CalculatorWindow::openCalculator(&window_, memory_); }

}  // namespace velmira::ui
