// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics of a column: n, mean, s (n - 1) and u = s / √n against
// values computed by hand, cells that are not numbers, too few values.
#include <gtest/gtest.h>

#include <cmath>

#include "table/ColumnStatistics.h"
#include "table/Table.h"

using namespace velmira::table;

TEST(ColumnStatistics, RepeatedMeasurements) {
  // 1,02 0,98 1,01 0,99 1,00, an empty line and a text between them:
  // mean 1, Σ(x - x̄)² = 0,001, s = √(0,001 / 4), u = s / √5.
  Table t;
  const char* cells[] = {"1,02", "0,98", "", "1,01", "abc", "0,99", "1,00"};
  for (int r = 0; r < 7; ++r) t.setCell(r + 1, 2, cells[r]);
  const ColumnStatistics st = columnStatistics(t, 2);
  EXPECT_EQ(st.n, 5);
  ASSERT_TRUE(st.mean && st.s && st.u);
  // The cells are 32-bit floats: about seven digits.
  EXPECT_NEAR(*st.mean, 1, 1e-7);
  EXPECT_NEAR(*st.s, 0.0158113883, 1e-7);
  EXPECT_NEAR(*st.u, 0.0070710678, 1e-7);
}

TEST(ColumnStatistics, TooFewValues) {
  Table t;
  EXPECT_EQ(columnStatistics(t, 0).n, 0);
  EXPECT_FALSE(columnStatistics(t, 0).mean);
  t.setCell(4, 0, "2,5");
  const ColumnStatistics one = columnStatistics(t, 0);
  EXPECT_EQ(one.n, 1);
  ASSERT_TRUE(one.mean);
  EXPECT_DOUBLE_EQ(*one.mean, 2.5);
  EXPECT_FALSE(one.s);
  EXPECT_FALSE(one.u);
  // Equal values: no scatter.
  t.setCell(5, 0, "2,5");
  EXPECT_DOUBLE_EQ(*columnStatistics(t, 0).u, 0);
}

TEST(ColumnStatistics, WrittenWithTheTableMaskWhenItKeepsFourDigits) {
  EXPECT_EQ(statisticText(12.3456, "########0.00"), "12,35");
  EXPECT_EQ(statisticText(0.0070710678, "########0.00"), "7,071E-03");
  EXPECT_EQ(statisticText(1, "########0.00"), "1,000E+00");
  EXPECT_EQ(statisticText(0, "########0.00"), "0,00");
  EXPECT_EQ(statisticText(0.0070710678, "0.00E+00"), "7,071E-03");
  EXPECT_EQ(statisticText(1234.5, "########0.000"), "1234,500");

  // The message: the column's title, n, mean, s and u, what n does not allow said.
  Table t;
  t.setMask("########0.00");
  t.setCell(0, 1, "V (mL)");
  for (int r = 1; r <= 5; ++r) t.setCell(r, 1, std::to_string(10 + r));
  const auto m = statisticsMessage(t, 1);
  EXPECT_EQ(m.title, "Statistiques de la colonne");
  // 11..15: mean 13, s = √(10 / 4), u = s / √5.
  EXPECT_EQ(m.text, "V (mL)\n\nn = 5\nmoyenne = 13,00\nécart-type s = 1,581E+00\nu = s / √n = 7,071E-01");
  EXPECT_EQ(statisticsMessage(t, 3).text,
            "C4\n\nn = 0\nmoyenne = non calculable\nécart-type s = non calculable\nu = s / √n = non calculable");
}
