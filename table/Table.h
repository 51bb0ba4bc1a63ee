// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table of values: 5 text columns, title row 0, data rows 1..Rows-1,
// with its number-format mask, column formulas and automatic-entry codes.
// Every change is reported to the listener, so a view can follow.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmira::table {

inline constexpr int kCols = 5;
inline constexpr int kMinRows = 2;       // one data line
inline constexpr int kMaxRows = 101;     // 100 data lines
inline constexpr int kDefaultRows = 13;  // 12 data lines
inline constexpr std::string_view kDefaultMask = "0.00E+00";

// The masks the table may hold, in the order of the format dialog's options.
inline constexpr std::array<std::string_view, 5> kMasks = {"########0.00", "########0.000", "", "0.00E+00",
                                                           "0.000E+00"};

// Automatic-entry codes: what a record button writes into a column.
enum AutoEntry : int {
  kEntryEmpty = 1,
  kEntryConcentration,
  kEntryAmmeter,
  kEntryVoltmeter,
  kEntryConductimeter,
  kEntryVolume1,
  kEntryVolume2,
};
inline constexpr int kEntryCodes = kEntryVolume2;  // codes run 1..kEntryCodes
inline constexpr std::array<int, kCols> kDefaultAutoEntry = {kEntryConcentration, kEntryAmmeter, kEntryVoltmeter,
                                                             kEntryEmpty, kEntryEmpty};
// The same columns' codes for the conductimeter's montage: the concentration and its reading.
inline constexpr std::array<int, kCols> kConductimeterAutoEntry = {kEntryConcentration, kEntryConductimeter,
                                                                   kEntryEmpty, kEntryEmpty, kEntryEmpty};

// The significant digits of a number text's mantissa, as written: "0,001 20"
// has 3, "1200" 4, zero none.
int significantDigits(std::string_view text);

class TableListener {
 public:
  virtual ~TableListener() = default;
  // Cells of rows first..last (row 0: the titles) have new texts.
  virtual void cellsChanged(int first, int last) = 0;
  // Rows changed; any cell may have moved.
  virtual void rowsChanged() = 0;
  // The current cell moved.
  virtual void currentChanged() = 0;
};

class Table {
 public:
  // Start state: titles C1..C5, 13 rows, default mask, codes 2,3,4,1,1,
  // no formulas; current cell (1, 0).
  Table();

  void setListener(TableListener* listener) { listener_ = listener; }

  // --- Cells ---------------------------------------------------------------
  int rows() const { return static_cast<int>(cells_.size()); }
  // Rows limited to 2..101; lines beyond are dropped, new lines are empty.
  void setRows(int rows);
  const std::string& cell(int row, int col) const { return cells_[row][col]; }
  void setCell(int row, int col, std::string text);
  // True when all five cells of a data row are empty.
  bool rowEmpty(int row) const;

  // The current cell; the row is limited to 1..Rows-1, the column to 0..4.
  int row() const { return row_; }
  int col() const { return col_; }
  void setCurrent(int row, int col);

  // --- Companions ----------------------------------------------------------
  // `masque`: the mask every number written into a cell goes through.
  const std::string& mask() const { return mask_; }
  void setMask(std::string mask) { mask_ = std::move(mask); }
  // `formules`: the formula of column c (0..4), empty when none.
  const std::string& formula(int col) const { return formulas_[col]; }
  void setFormula(int col, std::string text) { formulas_[col] = std::move(text); }
  // `saisieauto`: the automatic-entry code (1..kEntryCodes) of column c (0..4).
  int autoEntry(int col) const { return autoEntry_[col]; }
  void setAutoEntry(int col, int code) { autoEntry_[col] = static_cast<std::int16_t>(code); }

  // --- Cell entry ----------------------------------------------------------
  // Typing into the current cell (key: a character, 8 for Backspace).
  void typeKey(int key);
  // Releasing Delete empties the current cell.
  void deleteKey();
  // The cell check: the current cell read as a 32-bit float and rewritten
  // with the mask, or emptied when it is not a number.
  void cellCheck();
  // Every data cell rewritten with the mask (non-numbers emptied).
  void reformat();
  // What the cell check makes of a text under a mask.
  static std::string checkedText(std::string_view text, std::string_view mask);
  // The cell a number pasted, set or typed becomes: written with the mask
  // where the mask keeps the significant digits it came with (at most
  // kKeptDigits), else in the scientific form with those digits
  // ("1,25E-05" under "0.00"; `scientific` then set). Empty for a non-number.
  static std::string keptText(std::string_view text, std::string_view mask, bool* scientific = nullptr);
  static constexpr int kKeptDigits = 4;
  // The cell check of a cell typed in: keptText.
  void keepTypedCell();

  // --- Line and column commands ----------------------------------------------
  // Availability of the table menu's line entries.
  bool canInsertAbove() const { return row_ >= 1 && row_ < rows() && rows() < kMaxRows; }
  bool canAppend() const { return rows() < kMaxRows; }
  bool canDelete() const { return row_ != 0 && rows() >= 3; }
  // An empty line above the current one, the lines below moving down.
  void insertAbove();
  // An empty line at the end.
  void append();
  // The current line removed, the lines below moving up.
  void deleteRow();
  // Every data cell of the column emptied; its title and formula stay.
  void clearColumn(int col);
  // Clear: every cell empty, titles included.
  void clear();
  // Titles "C1".."C5" in row 0.
  void writeTitles();
  // "Effacer le tableau" once confirmed: cells emptied, 13 rows, titles
  // rewritten, formulas emptied; mask and codes kept.
  void reset();
  // Numeric sort of the data rows on a column, whole rows moving; empty
  // cells go last in both orders, equal keys keep their order. Every cell
  // of the table comes out through the cell check (single precision, mask).
  void sort(int col, bool ascending);

 private:
  void notifyCells(int first, int last) {
    if (listener_) listener_->cellsChanged(first, last);
  }
  void notifyRows() {
    if (listener_) listener_->rowsChanged();
  }

  std::vector<std::array<std::string, kCols>> cells_;
  int row_ = 1;
  int col_ = 0;
  std::string mask_{kDefaultMask};
  std::array<std::string, kCols> formulas_{};
  std::array<std::int16_t, kCols> autoEntry_{};
  TableListener* listener_ = nullptr;
};

}  // namespace velmira::table
