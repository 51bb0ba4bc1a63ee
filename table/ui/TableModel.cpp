// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/ui/TableModel.h"

#include <QFont>

#include "table/TableText.h"

namespace velmira::table::ui {

TableModel::TableModel(Table& table, QObject* parent) : QAbstractTableModel(parent), table_(table) {
  table_.setListener(this);
}

TableModel::~TableModel() { table_.setListener(nullptr); }

int TableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : table_.rows() - 1; }

int TableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kCols; }

QVariant TableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  switch (role) {
    case Qt::DisplayRole:
      return QString::fromStdString(table_.cell(index.row() + 1, index.column()));
    case Qt::AccessibleTextRole:
      return QString::fromStdString(spokenCell(table_, index.row() + 1, index.column()));
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    default:
      return {};
  }
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= kCols) return {};
  if (role == Qt::DisplayRole || role == Qt::ToolTipRole) return QString::fromStdString(table_.cell(0, section));
  return {};
}

void TableModel::cellsChanged(int first, int last) {
  if (first == 0) emit headerDataChanged(Qt::Horizontal, 0, kCols - 1);
  first = std::max(first, 1);
  if (last >= first) emit dataChanged(index(first - 1, 0), index(last - 1, kCols - 1), {Qt::DisplayRole});
}

void TableModel::rowsChanged() {
  beginResetModel();
  endResetModel();
  emit tableCurrentChanged();
}

void TableModel::currentChanged() { emit tableCurrentChanged(); }

}  // namespace velmira::table::ui
