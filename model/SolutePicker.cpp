// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/SolutePicker.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "model/Workbench.h"
#include "platform/core/NumberText.h"

namespace velmira::model {

int pickerRow(double y) {
  double r = std::floor(y / kPickerRowHeight);
  if (!(r >= 0)) r = 0;  // also NaN
  if (r > kPickerVisibleRows - 1) r = kPickerVisibleRows - 1;
  return static_cast<int>(r);
}

ScrolledList::ScrolledList(int rows, int visible)
    : rows_(std::max(rows, 1)), visible_(std::clamp(visible, 1, std::max(rows, 1))) {}

int ScrolledList::rowAt(double y) const {
  double r = std::floor(y / kPickerRowHeight);
  if (!(r >= 0)) r = 0;  // also NaN
  if (r > visible_ - 1) r = visible_ - 1;
  return first_ + static_cast<int>(r);
}

void ScrolledList::scrollTo(int first) { first_ = std::clamp(first, 0, rows_ - visible_); }

void ScrolledList::mark(int row) {
  marker_ = std::clamp(row, 0, rows_ - 1);
  if (marker_ < first_) scrollTo(marker_);
  if (marker_ > first_ + visible_ - 1) scrollTo(marker_ - visible_ + 1);
}

void SolutePicker::open(const Workbench& wb, int solution) {
  solution_ = solution;
  open_ = true;
  rows_.scrollTo(0);
  rows_.mark(wb.soluteOf(solution + 1) - 1);
}

void SolutePicker::hover(double x, double y, double width, double height) {
  if (x >= 0 && x <= width && y >= 0 && y <= height) rows_.mark(rows_.rowAt(y));
}

void SolutePicker::press(MouseButton button, double y) {
  if (button == MouseButton::Left) rows_.mark(rows_.rowAt(y));
}

bool SolutePicker::release(Workbench& wb, MouseButton button, double x, double y, double width) {
  if (!open_ || button != MouseButton::Left || !(x > 0 && x < width)) return false;
  choose(wb, rows_.rowAt(y));
  return true;
}

bool SolutePicker::pickMarked(Workbench& wb) {
  if (!open_) return false;
  choose(wb, markerRow());
  return true;
}

void SolutePicker::choose(Workbench& wb, int row) {
  wb.setSoluteTag(solution_, num::format(row + 1, "0"));
  open_ = false;
  wb.updateMeters();
}

}  // namespace velmira::model
