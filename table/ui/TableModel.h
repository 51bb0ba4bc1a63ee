// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Qt model over the core table: data rows 1..Rows-1 as model rows, the
// title row as the horizontal header. It follows every change of the table.
#include <QAbstractTableModel>

#include "table/Table.h"

namespace velmira::table::ui {

class TableModel : public QAbstractTableModel, private TableListener {
  Q_OBJECT
 public:
  explicit TableModel(Table& table, QObject* parent = nullptr);
  ~TableModel() override;

  Table& table() { return table_; }
  const Table& table() const { return table_; }
  // The model index of the table's current cell.
  QModelIndex currentIndex() const { return index(table_.row() - 1, table_.col()); }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 signals:
  // The table moved its current cell (recording, inserting, pasting...).
  void tableCurrentChanged();

 private:
  void cellsChanged(int first, int last) override;
  void rowsChanged() override;
  void currentChanged() override;

  Table& table_;
};

}  // namespace velmira::table::ui
