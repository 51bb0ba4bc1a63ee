#include <gtest/gtest.h>

#include "model/SolutePicker.h"
#include "model/Workbench.h"

using namespace velmira;
using model::MouseButton;

TEST(SolutePicker, RowArithmetic) {
  EXPECT_EQ(model::pickerRow(0), 0);
  EXPECT_EQ(model::pickerRow(19.9), 0);
  EXPECT_EQ(model::pickerRow(20), 1);
  EXPECT_EQ(model::pickerRow(419), 20);
  EXPECT_EQ(model::pickerRow(5000), model::kPickerRows - 1);
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
  EXPECT_EQ(p.markerTop(), model::pickerMarkerTop(model::kPickerRows - 1));

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
