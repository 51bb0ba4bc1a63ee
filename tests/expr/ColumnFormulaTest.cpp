// SPDX-License-Identifier: GPL-3.0-or-later
// Column formulas over the table: substitution, evaluation, the failure
// count and its messages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "expr/ColumnFormula.h"
#include "expr/Evaluator.h"
#include "model/Workbench.h"
#include "table/Recording.h"
#include "table/Table.h"
#include "tests/support/RecordingMessages.h"

namespace velmira::expr {
namespace {

class ColumnFormulaTest : public ::testing::Test {
 protected:
  // Line r of C1..C5 (index 0..4) gets the given texts.
  void line(int r, std::vector<std::string> cells) {
    for (int c = 0; c < static_cast<int>(cells.size()); ++c) table.setCell(r, c, cells[static_cast<std::size_t>(c)]);
  }
  int fill(int col, const std::string& formula, bool scientific = false) {
    return fillColumn(table, col, formula, Angle::Degrees, scientific);
  }
  table::Table table;
};

TEST_F(ColumnFormulaTest, ColumnFromOtherColumnsLineByLine) {
  table.setRows(3);
  line(1, {"2,00E+00", "5,00E+00"});
  line(2, {"4", "-1,5"});
  std::vector<int> seen;
  EXPECT_EQ(fillColumn(table, 2, "C2 / C1", Angle::Degrees, false, [&](int r) { seen.push_back(r); }), 0);
  EXPECT_EQ(table.cell(1, 2), "2,50E+00");
  EXPECT_EQ(table.cell(2, 2), "-3,75E-01");
  EXPECT_EQ(table.formula(2), "C2 / C1");
  EXPECT_EQ(seen, (std::vector<int>{1, 2}));
}

TEST_F(ColumnFormulaTest, SelfReferenceUsesTheOldValueAndCellsAreSinglePrecision) {
  table.setRows(2);
  table.setMask("");
  line(1, {"0,1", "3"});
  EXPECT_EQ(fill(1, "C2 * 2 + C1 * 3"), 0);
  EXPECT_EQ(table.cell(1, 1), "6,3");  // 0,1 read as 0.1f and written with 7 digits
}

TEST_F(ColumnFormulaTest, ScientificDisplayPassesResultsThroughEightDigits) {
  table.setRows(2);
  table.setMask("");
  line(1, {"1"});
  fill(1, "C1 / 3");
  EXPECT_EQ(table.cell(1, 1), "0,333333333333333");
  fill(1, "C1 / 3", true);
  EXPECT_EQ(table.cell(1, 1), "0,33333333");
}

TEST_F(ColumnFormulaTest, LinesThatCannotBeComputedAreEmptiedAndCounted) {
  table.setRows(5);
  line(1, {"1", "2", "old"});
  line(2, {"", "2", "old"});
  line(3, {"1", "", "old"});
  line(4, {"3", "abc", "old"});  // text read from a file
  EXPECT_EQ(fill(2, "C1 + C2"), 3);
  EXPECT_EQ(table.cell(1, 2), "3,00E+00");
  for (int r = 2; r <= 4; ++r) EXPECT_EQ(table.cell(r, 2), "") << r;

  // Bad formulas empty the whole column, the formula being stored anyway.
  const std::string longFormula = "C1" + std::string(10000, '*') + "1";
  std::vector<int> overflows;
  for (const std::string& f : {std::string("(C1 + 1"), std::string("*/^"), std::string("C0 + 1"), std::string("C9"),
                               std::string("C12"), std::string("2C1"), longFormula, std::string("1E99999")}) {
    line(1, {"1", "2", "old"});
    int overflowed = 0;
    EXPECT_EQ(fillColumn(table, 2, f, Angle::Degrees, false, {}, [&] { ++overflowed; }), 4) << f.substr(0, 20);
    EXPECT_EQ(table.cell(1, 2), "") << f.substr(0, 20);
    EXPECT_EQ(table.formula(2), f);
    overflows.push_back(overflowed);
  }
  EXPECT_EQ(overflows, (std::vector<int>{0, 0, 0, 0, 0, 0, 0, 4}));

  // Exponents of any length; values too long for a cell to be saved overflow too.
  line(1, {"1", "2", "old"});
  table.setMask("########0.00");
  for (const char* f : {"1E99999999999999999999", "C1 * 1E300"}) {
    int overflowed = 0;
    fillColumn(table, 2, f, Angle::Degrees, false, {}, [&] { ++overflowed; });
    EXPECT_EQ(table.cell(1, 2), "") << f;
    EXPECT_EQ(overflowed, 3 + (f[0] == '1')) << f;  // line 2 has no C1
  }
  fill(2, "C1 * 1E100");
  EXPECT_EQ(table.cell(1, 2).size(), 104u);  // 101 digits, the comma and two decimals still fit
}

TEST(ColumnMessages, FormulasARecordCannotHoldAreRefused) {
  EXPECT_EQ(refusedFormula(std::string(126, '1'), 0), std::nullopt);
  const auto tooLong = refusedFormula(std::string(127, '1'), 0);
  ASSERT_TRUE(tooLong);
  EXPECT_EQ(tooLong->text, "Cette expression est trop longue : 126 caractères au plus.");
  EXPECT_EQ(tooLong->title, "Calculer: C1 =");
  EXPECT_TRUE(refusedFormula("C1 \xCF\x83", 1));
}

TEST(ColumnMessages, ReportFormulaAndTitle) {
  EXPECT_EQ(columnReport(0), std::nullopt);
  const auto one = columnReport(1);
  ASSERT_TRUE(one);
  EXPECT_EQ(one->text, "Une valeur n'a pas été calculée.");
  EXPECT_EQ(one->title, "Calcul terminé");
  EXPECT_EQ(one->icon, Icon::Critical);
  EXPECT_EQ(columnReport(2)->text, " 2 valeurs n'ont pas été calculées.");

  table::Table table;
  table.setFormula(1, "1000 * C1");
  const Message m = formulaMessage(table, 1);
  EXPECT_EQ(m.text, "C2 = 1000 * C1");
  EXPECT_EQ(m.title, "Expression de C2");
  EXPECT_EQ(m.icon, Icon::Information);
  EXPECT_EQ(columnCalculatorTitle(2), "Calculer: C3 =");
}

TEST(ColumnFormula, ALineRecordedAfterTheFormulaIsComputedWhereItHasItsInputs) {
  model::Workbench wb;
  wb.startupDefaults();
  table::Table t;
  test::RecordingMessages messages;
  // C4 = C3 / C2 set while the table is empty: no line has a value yet.
  fillColumn(t, 3, "C3/C2", Angle::Degrees, false);
  ASSERT_TRUE(recordWithFormulas(t, wb, 1, messages));  // C2 ammeter 6,00E-01, C3 voltmeter 2,00E-01
  EXPECT_EQ(t.cell(1, 3), "3,33E-01");
  // Without its inputs the column stays empty, as Recalculer leaves it.
  t.setAutoEntry(1, table::kEntryEmpty);
  ASSERT_TRUE(recordWithFormulas(t, wb, 1, messages));
  EXPECT_EQ(t.cell(2, 3), "");
  EXPECT_EQ(t.cell(2, 2), "2,00E-01");
  EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace velmira::expr
