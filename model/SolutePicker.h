// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drop-down solute list: row arithmetic and the open/choose/close state.
#include "model/SoluteCatalogue.h"

namespace velmira::model {

class Workbench;

inline constexpr int kPickerRowHeight = 20;

// The rows the list offers (every solute) and the rows its box shows at once.
inline constexpr int kPickerRows = kSoluteCount;
inline constexpr int kPickerVisibleRows = kClassicSoluteCount;

// Row of the box under y: integer part of y / 20, limited to 0..20.
int pickerRow(double y);
// Top of the highlight bar for row r.
inline int pickerMarkerTop(int r) { return r * kPickerRowHeight - 2; }

enum class MouseButton { Left, Right, Middle, None };

// A list longer than its box: the row at the box's top (first) and the
// marked row, kept in view as the marker moves. Rows and y are counted from
// the list's first row and the box's top.
class ScrolledList {
 public:
  ScrolledList(int rows, int visible);
  int rows() const { return rows_; }
  int visible() const { return visible_; }
  int first() const { return first_; }
  int marker() const { return marker_; }
  // Top of the highlight bar in the box (off the box when scrolled away).
  int markerTop() const { return pickerMarkerTop(marker_ - first_); }

  // The row under y given the scroll, limited to the rows in view.
  int rowAt(double y) const;
  // Scrolls without moving the marker, limited so the box stays full.
  void scrollTo(int first);
  // Marks row r (limited to the list) and scrolls the least that shows it.
  void mark(int row);
  // The keys: arrows move a row, PgUp/PgDn a box's height, Home/End to the ends.
  void moveBy(int rows) { mark(marker_ + rows); }
  void pageUp() { moveBy(-visible_); }
  void pageDown() { moveBy(visible_); }
  void home() { mark(0); }
  void end() { mark(rows_ - 1); }

 private:
  int rows_;
  int visible_;
  int first_ = 0;
  int marker_ = 0;
};

class SolutePicker {
 public:
  bool isOpen() const { return open_; }
  int solution() const { return solution_; }  // 0 or 1: whose panel holds it
  // The rows, the marked one and the scroll.
  const ScrolledList& rows() const { return rows_; }
  // Top of the bar in the box (off the box when the marked row is scrolled away).
  int markerTop() const { return rows_.markerTop(); }

  // onFormulaBoxClicked(i): opens for solution i, bar on the current solute, in view.
  void open(const Workbench& wb, int solution);
  // Picture2_MouseMove: moves the bar when inside the box.
  void hover(double x, double y, double width, double height);
  // Picture2_MouseDown.
  void press(MouseButton button, double y);
  // Picture2_MouseUp: true when a solute was chosen (tag set, list closed,
  // updateMeters run); the caller then redraws the solute boxes (updateFormulaBoxes).
  bool release(Workbench& wb, MouseButton button, double x, double y, double width);
  // Picture2_LostFocus, or Escape: closed without a change.
  void lostFocus() { open_ = false; }

  // The keyboard: Up and Down move the bar a row, PgUp and PgDn a box's
  // height, Home and End to the ends (kept within the list and in view);
  // Enter chooses the row under the bar as a release would.
  int markerRow() const { return rows_.marker(); }
  void moveMarker(int rows) { rows_.moveBy(rows); }
  void pageUp() { rows_.pageUp(); }
  void pageDown() { rows_.pageDown(); }
  void home() { rows_.home(); }
  void end() { rows_.end(); }
  bool pickMarked(Workbench& wb);
  // The wheel and the scroll bar: the box moves, the bar stays on its row.
  void scrollTo(int first) { rows_.scrollTo(first); }

 private:
  void choose(Workbench& wb, int row);

  bool open_ = false;
  int solution_ = 0;
  ScrolledList rows_{kPickerRows, kPickerVisibleRows};
};

}  // namespace velmira::model
