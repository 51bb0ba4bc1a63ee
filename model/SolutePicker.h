#pragma once
// The drop-down solute list: row arithmetic and the open/choose/close state.
#include "model/SoluteCatalogue.h"

namespace velmira::model {

class Workbench;

inline constexpr int kPickerRowHeight = 20;

// Row under y: integer part of y / 20, limited to 0..20.
int pickerRow(double y);
// Top of the highlight bar for row r.
inline int pickerMarkerTop(int r) { return r * kPickerRowHeight - 2; }

enum class MouseButton { Left, Right, Middle, None };

// The rows the list offers: the classic solutes (the others are set through
// configuration files and velmira-outil until the list scrolls).
inline constexpr int kPickerRows = kClassicSoluteCount;

class SolutePicker {
 public:
  bool isOpen() const { return open_; }
  int solution() const { return solution_; }  // 0 or 1: whose panel holds it
  int markerTop() const { return markerTop_; }

  // onFormulaBoxClicked(i): opens for solution i, bar on the current solute.
  void open(const Workbench& wb, int solution);
  // Picture2_MouseMove: moves the bar when inside the list.
  void hover(double x, double y, double width, double height);
  // Picture2_MouseDown.
  void press(MouseButton button, double y);
  // Picture2_MouseUp: true when a solute was chosen (tag set, list closed,
  // updateMeters run); the caller then redraws the solute boxes (updateFormulaBoxes).
  bool release(Workbench& wb, MouseButton button, double x, double y, double width);
  // Picture2_LostFocus, or Escape: closed without a change.
  void lostFocus() { open_ = false; }

  // The keyboard: Up and Down move the bar a row (kept within the list),
  // Enter chooses the row under the bar as a release would.
  int markerRow() const;
  void moveMarker(int rows);
  bool pickMarked(Workbench& wb);

 private:
  void choose(Workbench& wb, int row);

  bool open_ = false;
  int solution_ = 0;
  int markerTop_ = -2;
};

}  // namespace velmira::model
