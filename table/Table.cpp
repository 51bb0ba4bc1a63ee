#include "table/Table.h"

#include <algorithm>

#include "platform/core/NumberText.h"

namespace velmira::table {

Table::Table() {
  cells_.resize(kDefaultRows);
  writeTitles();
}

void Table::setRows(int rows) {
  rows = std::clamp(rows, kMinRows, kMaxRows);
  cells_.resize(static_cast<std::size_t>(rows));
  row_ = std::min(row_, rows - 1);
}

void Table::setCurrent(int row, int col) {
  row_ = std::clamp(row, 1, rows() - 1);
  col_ = std::clamp(col, 0, kCols - 1);
}

void Table::clear() {
  for (auto& r : cells_)
    for (auto& c : r) c.clear();
}

void Table::writeTitles() {
  for (int c = 0; c < kCols; ++c) cells_[0][c] = "C" + num::format(c + 1, "0");
}

bool Table::rowEmpty(int row) const {
  return std::all_of(cells_[row].begin(), cells_[row].end(), [](const std::string& s) { return s.empty(); });
}

void Table::typeKey(int key) {
  std::string& text = cells_[row_][col_];
  if (key >= '0' && key <= '9') text += static_cast<char>(key);
  else if (key == '.' || key == ',') text += ',';
  else if (key == '-') text += '-';
  else if (key == 'E' || key == 'e') text += 'E';
  else if (key == 8 && !text.empty()) text.pop_back();
}

void Table::deleteKey() { cells_[row_][col_].clear(); }

std::string Table::checkedText(std::string_view text, std::string_view mask) {
  auto v = num::readSingle(text);
  return v ? num::formatSingle(*v, mask) : std::string();
}

void Table::cellCheck() { cells_[row_][col_] = checkedText(cells_[row_][col_], masque); }

void Table::reformate() {
  for (int r = 1; r < rows(); ++r)
    for (int c = 0; c < kCols; ++c) cells_[r][c] = checkedText(cells_[r][c], masque);
}

}  // namespace velmira::table
