// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/Table.h"

#include <algorithm>
#include <optional>

#include "platform/core/NumberText.h"

namespace velmira::table {

Table::Table() {
  cells_.resize(kDefaultRows);
  std::copy(kDefaultAutoEntry.begin(), kDefaultAutoEntry.end(), autoEntry_.begin());
  writeTitles();
}

void Table::setRows(int rows) {
  rows = std::clamp(rows, kMinRows, kMaxRows);
  if (rows == this->rows()) return;
  cells_.resize(static_cast<std::size_t>(rows));
  const bool moved = row_ > rows - 1;
  row_ = std::min(row_, rows - 1);
  notifyRows();
  if (moved && listener_) listener_->currentChanged();
}

void Table::setCell(int row, int col, std::string text) {
  if (cells_[row][col] == text) return;
  cells_[row][col] = std::move(text);
  notifyCells(row, row);
}

bool Table::rowEmpty(int row) const {
  return std::all_of(cells_[row].begin(), cells_[row].end(), [](const std::string& s) { return s.empty(); });
}

void Table::setCurrent(int row, int col) {
  row = std::clamp(row, 1, rows() - 1);
  col = std::clamp(col, 0, kCols - 1);
  if (row == row_ && col == col_) return;
  row_ = row;
  col_ = col;
  if (listener_) listener_->currentChanged();
}

void Table::typeKey(int key) {
  std::string text = cells_[row_][col_];
  if (key >= '0' && key <= '9')
    text += static_cast<char>(key);
  else if (key == '.' || key == ',')
    text += ',';
  else if (key == '-')
    text += '-';
  else if (key == 'E' || key == 'e')
    text += 'E';
  else if (key == 8 && !text.empty())
    text.pop_back();
  setCell(row_, col_, std::move(text));
}

void Table::deleteKey() { setCell(row_, col_, std::string()); }

std::string Table::checkedText(std::string_view text, std::string_view mask) {
  auto v = num::readSingle(text);
  return v ? num::formatSingle(*v, mask) : std::string();
}

namespace {

// "0.00E+00" for 3 digits: the scientific mask that writes `digits`.
std::string scientificMask(int digits) {
  return digits <= 1 ? std::string("0E+00") : "0." + std::string(static_cast<std::size_t>(digits - 1), '0') + "E+00";
}

}  // namespace

int significantDigits(std::string_view text) {
  int digits = 0;
  bool started = false;
  for (char c : text) {
    if (c == 'E' || c == 'e' || c == 'D' || c == 'd') break;
    if (c < '0' || c > '9') continue;
    started = started || c != '0';
    if (started) ++digits;
  }
  return digits;
}

std::string Table::keptText(std::string_view text, std::string_view mask, bool* scientific) {
  if (scientific) *scientific = false;
  const auto v = num::readSingle(text);
  if (!v) return {};
  std::string shown = num::formatSingle(*v, mask);
  const int digits = std::min(significantDigits(text), kKeptDigits);
  if (digits == 0) return shown;
  // The mask keeps the digits when its text, written with them, is the number's.
  const std::string wanted = scientificMask(digits);
  const auto back = num::readSingle(shown);
  if (back && num::formatSingle(*back, wanted) == num::formatSingle(*v, wanted)) return shown;
  if (scientific) *scientific = true;
  return num::formatSingle(*v, wanted);
}

void Table::keepTypedCell() { setCell(row_, col_, keptText(cells_[row_][col_], mask_)); }

void Table::cellCheck() { setCell(row_, col_, checkedText(cells_[row_][col_], mask_)); }

void Table::reformat() {
  for (int r = 1; r < rows(); ++r)
    for (int c = 0; c < kCols; ++c) cells_[r][c] = checkedText(cells_[r][c], mask_);
  notifyCells(1, rows() - 1);
}

void Table::insertAbove() {
  if (!canInsertAbove()) return;
  cells_.insert(cells_.begin() + row_, std::array<std::string, kCols>{});
  notifyRows();
}

void Table::append() {
  if (!canAppend()) return;
  cells_.emplace_back();
  notifyRows();
}

void Table::deleteRow() {
  if (!canDelete()) return;
  cells_.erase(cells_.begin() + row_);
  const bool moved = row_ > rows() - 1;
  row_ = std::min(row_, rows() - 1);
  notifyRows();
  if (moved && listener_) listener_->currentChanged();
}

void Table::clearColumn(int col) {
  for (int r = 1; r < rows(); ++r) cells_[r][col].clear();
  notifyCells(1, rows() - 1);
}

void Table::clear() {
  for (auto& r : cells_)
    for (auto& c : r) c.clear();
  notifyCells(0, rows() - 1);
}

void Table::writeTitles() {
  for (int c = 0; c < kCols; ++c) cells_[0][c] = "C" + num::format(c + 1, "0");
  notifyCells(0, 0);
}

void Table::reset() {
  clear();
  setRows(kDefaultRows);
  writeTitles();
  for (auto& f : formulas_) f.clear();
}

void Table::sort(int col, bool ascending) {
  // Keys are the single-precision values of the cells. (A pass through a
  // plain 30-decimal mask would flush values below 1E-23 to zero.)
  struct Line {
    std::optional<float> key;
    std::array<std::string, kCols> cells;
  };
  std::vector<Line> lines;
  lines.reserve(cells_.size());
  for (int r = 1; r < rows(); ++r) lines.push_back({num::readSingle(cells_[r][col]), std::move(cells_[r])});
  std::stable_sort(lines.begin(), lines.end(), [ascending](const Line& a, const Line& b) {
    if (!a.key || !b.key) return a.key.has_value() && !b.key.has_value();
    return ascending ? *a.key < *b.key : *a.key > *b.key;
  });
  for (int r = 1; r < rows(); ++r) cells_[r] = std::move(lines[static_cast<std::size_t>(r - 1)].cells);
  reformat();
}

}  // namespace velmira::table
