// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "table/Table.h"

using velmira::table::Table;

namespace {
std::string typed(Table& t, const std::string& keys) {
  for (char k : keys) t.typeKey(static_cast<unsigned char>(k));
  return t.cell(t.row(), t.col());
}
}  // namespace

TEST(Table, StartState) {
  Table t;
  EXPECT_EQ(t.rows(), 13);
  for (int c = 0; c < 5; ++c) EXPECT_EQ(t.cell(0, c), "C" + std::string(1, static_cast<char>('1' + c)));
  EXPECT_EQ(t.mask(), "0.00E+00");
  EXPECT_EQ(t.autoEntry(0), 2);
  EXPECT_EQ(t.autoEntry(1), 3);
  EXPECT_EQ(t.autoEntry(2), 4);
  EXPECT_EQ(t.autoEntry(3), 1);
  EXPECT_EQ(t.autoEntry(4), 1);
  for (int c = 0; c < 5; ++c) EXPECT_TRUE(t.formula(c).empty());
  EXPECT_EQ(t.row(), 1);
  EXPECT_TRUE(t.rowEmpty(12));
}

TEST(Table, TypingFiltersKeys) {
  Table t;
  t.setCurrent(2, 3);
  EXPECT_EQ(typed(t, "1.5"), "1,5");
  EXPECT_EQ(typed(t, "e-3"), "1,5E-3");
  EXPECT_EQ(typed(t, "+ a/"), "1,5E-3");  // no "+" can be typed
  t.typeKey(8);
  EXPECT_EQ(t.cell(2, 3), "1,5E-");
  t.deleteKey();
  EXPECT_EQ(t.cell(2, 3), "");
  t.typeKey(8);  // Backspace on an empty cell does nothing
  EXPECT_EQ(t.cell(2, 3), "");
}

TEST(Table, CellCheckFormatsOrEmpties) {
  Table t;
  typed(t, "1.5");
  t.cellCheck();
  EXPECT_EQ(t.cell(1, 0), "1,50E+00");
  t.setCell(1, 0, "");
  typed(t, "1E-3");
  t.cellCheck();
  EXPECT_EQ(t.cell(1, 0), "1,00E-03");
  for (const char* bad : {"-", "", "abc", ",", "1,2,3", "1E", "1.5"}) {
    t.setCell(1, 0, bad);
    t.cellCheck();
    EXPECT_EQ(t.cell(1, 0), "") << bad;
  }
  // Display texts copied in go through the same check.
  EXPECT_EQ(Table::checkedText("298,0", t.mask()), "2,98E+02");
  EXPECT_EQ(Table::checkedText("0,6", t.mask()), "6,00E-01");
  EXPECT_EQ(Table::checkedText("         \xC2\xA6", t.mask()), "");
  EXPECT_EQ(Table::checkedText("0,000 01", t.mask()), "1,00E-05");
}

TEST(Table, ReformateUsesTheMaskAndSinglePrecision) {
  Table t;
  t.setCell(1, 0, "1,00E-02");
  t.setCell(2, 4, "-32135,35");
  t.setCell(3, 1, "x");
  t.setMask("");
  t.reformat();
  EXPECT_EQ(t.cell(1, 0), "0,01");
  EXPECT_EQ(t.cell(2, 4), "-32135,35");
  EXPECT_EQ(t.cell(3, 1), "");
  EXPECT_EQ(t.cell(0, 0), "C1");  // titles untouched
  t.setMask("########0.000");
  t.setCell(4, 2, "0,0258");
  t.reformat();
  EXPECT_EQ(t.cell(4, 2), "0,026");
  // 32-bit: 0.1 + its float error stays 0,1 in the general format.
  t.setMask("");
  t.setCell(5, 0, "0,1");
  t.reformat();
  EXPECT_EQ(t.cell(5, 0), "0,1");
}

TEST(Table, RowsStayWithinTheirLimits) {
  Table t;
  t.setCell(12, 0, "5");
  t.setCurrent(12, 4);
  t.setRows(6);
  EXPECT_EQ(t.rows(), 6);
  EXPECT_EQ(t.row(), 5);
  t.setRows(13);
  EXPECT_EQ(t.cell(12, 0), "");  // dropped lines come back empty
  t.setRows(1000000000);
  EXPECT_EQ(t.rows(), 101);
  t.setRows(-5);
  EXPECT_EQ(t.rows(), 2);
  t.setCurrent(0, 9);  // the title row is never current
  EXPECT_EQ(t.row(), 1);
  EXPECT_EQ(t.col(), 4);
  t.clear();
  EXPECT_EQ(t.cell(0, 0), "");
  t.writeTitles();
  EXPECT_EQ(t.cell(0, 4), "C5");
}
