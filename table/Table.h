#pragma once
// The table of values: 5 text columns, title row 0, data rows 1..Rows-1,
// with its mask, column formulas and automatic-entry codes.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmira::table {

inline constexpr int kCols = 5;
inline constexpr int kMinRows = 2;      // one data line
inline constexpr int kMaxRows = 101;    // 100 data lines
inline constexpr int kDefaultRows = 13; // 12 data lines
inline constexpr const char* kDefaultMask = "0.00E+00";

// The masks the table may hold.
inline constexpr std::array<std::string_view, 5> kMasks = {
    "########0.00", "########0.000", "", "0.00E+00", "0.000E+00"};

class Table {
 public:
  // Start state: titles C1..C5, 13 rows, default mask, codes 2,3,4,1,1,
  // no formulas; current cell (1, 0).
  Table();

  int rows() const { return static_cast<int>(cells_.size()); }
  // Rows limited to 2..101; lines beyond are dropped, new lines are empty.
  void setRows(int rows);

  const std::string& cell(int row, int col) const { return cells_[row][col]; }
  void setCell(int row, int col, std::string text) { cells_[row][col] = std::move(text); }

  int row() const { return row_; }
  int col() const { return col_; }
  // Current cell; the row is limited to 1..Rows-1, the column to 0..4.
  void setCurrent(int row, int col);

  // Clear: every cell empty, titles included.
  void clear();
  // Titles "C1".."C5" in row 0.
  void writeTitles();
  // True when all five cells of a data row are empty.
  bool rowEmpty(int row) const;

  // Typing into the current cell (key: a character, 8 for Backspace).
  void typeKey(int key);
  // Releasing Delete empties the current cell.
  void deleteKey();

  // The cell check: the current cell read as a 32-bit float and rewritten
  // with the mask, or emptied when it is not a number.
  void cellCheck();
  // Every data cell rewritten with the mask (non-numbers emptied).
  void reformate();
  // What the cell check makes of a text under a mask.
  static std::string checkedText(std::string_view text, std::string_view mask);

  std::string masque = kDefaultMask;
  std::array<std::string, 9> formules{};        // 0..4 used
  std::array<std::int16_t, 6> saisieauto{0, 2, 3, 4, 1, 1};  // 1..5 used

 private:
  std::vector<std::array<std::string, kCols>> cells_;
  int row_ = 1;
  int col_ = 0;
};

}  // namespace velmira::table
