// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tools over the table of values: the graph window, the table's
// printout, the column calculator and the calculator, which share the
// calculator's memory (`memoire`, kept for the whole run).
#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "graph/GraphSettings.h"

class QWidget;

namespace velmira {
class MessageService;
}
namespace velmira::table {
class Table;
}
namespace velmira::table::ui {
class TableFrame;
}

namespace velmira::ui {

class TableTools : public QObject {
  Q_OBJECT
 public:
  // `heading`: the line that heads the graph and the printout.
  TableTools(table::Table& table, MessageService& messages, QWidget& window, std::function<QString()> heading);
  // The frame's requests: the graph, the printout, a column's calculation and its formula.
  void serve(table::ui::TableFrame& frame);
  void openCalculator();
  // Where the graph window takes its settings from and leaves them when it
  // closes (only when the pupil changed them).
  void keepGraphIn(std::function<std::optional<graph::GraphSettings>()> read,
                   std::function<void(const graph::GraphSettings&)> keep);

 signals:
  // The table changed by a step of this name.
  void stepMade(const QString& step);

 private:
  table::Table& table_;
  MessageService& messages_;
  QWidget& window_;
  std::function<QString()> heading_;
  double memory_ = 0;
  std::function<std::optional<graph::GraphSettings>()> readGraph_;
  std::function<void(const graph::GraphSettings&)> keepGraph_;
};

}  // namespace velmira::ui
