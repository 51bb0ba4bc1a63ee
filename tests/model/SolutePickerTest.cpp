// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/SolutePicker.h"
#include "model/Workbench.h"

using namespace velmira;
using model::MouseButton;

TEST(SolutePicker, RowArithmetic) {
  EXPECT_EQ(model::pickerRow(0), 0);
  EXPECT_EQ(model::pickerRow(19.9), 0);
  EXPECT_EQ(model::pickerRow(20), 1);
  EXPECT_EQ(model::pickerRow(419), 20);
  EXPECT_EQ(model::pickerRow(5000), model::kPickerVisibleRows - 1);
  EXPECT_EQ(model::pickerRow(-7), 0);
  EXPECT_EQ(model::pickerMarkerTop(model::pickerRow(0)), -2);
  EXPECT_EQ(model::pickerMarkerTop(model::pickerRow(419)), 398);
}

TEST(SolutePicker, OpenHoverPressReleaseAndFocusLoss) {
  model::Workbench wb;
  wb.startupDefaults();
  model::SolutePicker p;
  wb.setSoluteTag(1, "5");
  p.open(wb, 1);
  EXPECT_TRUE(p.isOpen());
  EXPECT_EQ(p.markerTop(), 78);
  p.hover(10, 45, 200, 420);
  EXPECT_EQ(p.markerTop(), 38);
  p.hover(10, 500, 200, 420);  // outside: the bar stays
  EXPECT_EQ(p.markerTop(), 38);
  p.press(MouseButton::Right, 100);
  EXPECT_EQ(p.markerTop(), 38);
  p.press(MouseButton::Left, 900);  // not range-tested
  EXPECT_EQ(p.markerTop(), model::pickerMarkerTop(model::kPickerVisibleRows - 1));

  // A release outside the width or with another button changes nothing.
  EXPECT_FALSE(p.release(wb, MouseButton::Left, 0, 30, 200));
  EXPECT_FALSE(p.release(wb, MouseButton::Left, 200, 30, 200));
  EXPECT_FALSE(p.release(wb, MouseButton::Right, 50, 30, 200));
  EXPECT_TRUE(p.isOpen());
  EXPECT_EQ(wb.soluteTag(1), "5");

  // Below the last row: the last solute; recomputed at once.
  EXPECT_TRUE(p.release(wb, MouseButton::Left, 50, 1000, 200));
  EXPECT_FALSE(p.isOpen());
  EXPECT_EQ(wb.soluteTag(1), "21");
  EXPECT_EQ(wb.soluteTag(0), "1");
  EXPECT_NE(wb.display(model::Meter::Conductimeter, 2), "298,0");

  p.open(wb, 0);
  EXPECT_TRUE(p.release(wb, MouseButton::Left, 50, -30, 200));  // above the first row
  EXPECT_EQ(wb.soluteTag(0), "1");
  p.open(wb, 0);
  p.lostFocus();
  EXPECT_FALSE(p.isOpen());
  EXPECT_FALSE(p.release(wb, MouseButton::Left, 50, 30, 200));
  EXPECT_EQ(wb.soluteTag(0), "1");
}

// The whole catalogue in the classic box: the marker kept in view by the keys.
TEST(SolutePicker, ScrolledListKeepsTheMarkerInView) {
  model::ScrolledList list(model::kSoluteCount, model::kClassicSoluteCount);
  EXPECT_EQ(list.first(), 0);
  list.moveBy(20);  // the box's last row: no scroll yet
  EXPECT_EQ(list.marker(), 20);
  EXPECT_EQ(list.first(), 0);
  list.moveBy(1);
  EXPECT_EQ(list.marker(), 21);
  EXPECT_EQ(list.first(), 1);
  EXPECT_EQ(list.markerTop(), model::pickerMarkerTop(20));
  list.pageDown();  // past the end: the last row, the box full
  EXPECT_EQ(list.marker(), model::kSoluteCount - 1);
  EXPECT_EQ(list.first(), model::kSoluteCount - model::kClassicSoluteCount);
  list.moveBy(-10);  // still in view: no scroll
  EXPECT_EQ(list.marker(), 16);
  EXPECT_EQ(list.first(), 6);
  list.pageUp();
  EXPECT_EQ(list.marker(), 0);
  EXPECT_EQ(list.first(), 0);
  list.end();
  EXPECT_EQ(list.first(), 6);
  list.home();
  EXPECT_EQ(list.marker(), 0);
  EXPECT_EQ(list.first(), 0);
  list.moveBy(-1);
  EXPECT_EQ(list.marker(), 0);
}

TEST(SolutePicker, ScrolledListRowUnderAPoint) {
  model::ScrolledList list(model::kSoluteCount, model::kClassicSoluteCount);
  list.scrollTo(4);
  EXPECT_EQ(list.rowAt(0), 4);
  EXPECT_EQ(list.rowAt(45), 6);
  EXPECT_EQ(list.rowAt(5000), 4 + model::kClassicSoluteCount - 1);  // below the box: its last row
  EXPECT_EQ(list.rowAt(-7), 4);
  EXPECT_EQ(list.rowAt(std::nan("")), 4);
  // A scroll is limited so the box stays full, and leaves the marker.
  list.mark(3);
  list.scrollTo(100);
  EXPECT_EQ(list.first(), 6);
  EXPECT_EQ(list.marker(), 3);
  EXPECT_LT(list.markerTop(), 0);  // scrolled out of the box
  list.scrollTo(-3);
  EXPECT_EQ(list.first(), 0);
  // A list shorter than its box never scrolls.
  model::ScrolledList short_(5, model::kClassicSoluteCount);
  EXPECT_EQ(short_.visible(), 5);
  short_.end();
  EXPECT_EQ(short_.first(), 0);
  EXPECT_EQ(short_.rowAt(300), 4);
}

// Every solute in the box of 21 rows: opened on a late solute it shows it,
// the pointer picks the row it is over whatever the scroll.
TEST(SolutePicker, TheScrolledBoxOffersEverySolute) {
  model::Workbench wb;
  wb.startupDefaults();
  model::SolutePicker p;
  wb.setSoluteTag(0, std::to_string(model::kSoluteCount));
  p.open(wb, 0);
  EXPECT_EQ(p.markerRow(), model::kSoluteCount - 1);
  EXPECT_EQ(p.rows().first(), model::kSoluteCount - model::kPickerVisibleRows);
  EXPECT_EQ(p.markerTop(), model::pickerMarkerTop(model::kPickerVisibleRows - 1));
  // The box's top row is the first one in view.
  EXPECT_TRUE(p.release(wb, MouseButton::Left, 50, 5, 200));
  EXPECT_EQ(wb.soluteTag(0), std::to_string(p.rows().first() + 1));

  // Reopened on solute 1: the box back at the top; the wheel scrolls without
  // moving the bar, which is then off the box.
  wb.setSoluteTag(0, "1");
  p.open(wb, 0);
  EXPECT_EQ(p.rows().first(), 0);
  p.scrollTo(3);
  EXPECT_EQ(p.markerRow(), 0);
  EXPECT_LT(p.markerTop(), 0);
  p.hover(10, 45, 200, 420);
  EXPECT_EQ(p.markerRow(), 5);
  p.end();
  EXPECT_EQ(p.markerRow(), model::kSoluteCount - 1);
  EXPECT_TRUE(p.pickMarked(wb));
  EXPECT_EQ(wb.soluteTag(0), std::to_string(model::kSoluteCount));
}
