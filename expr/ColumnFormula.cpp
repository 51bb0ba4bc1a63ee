// SPDX-License-Identifier: GPL-3.0-or-later
#include "expr/ColumnFormula.h"

#include <string_view>

#include "expr/Calculator.h"
#include "expr/Evaluator.h"
#include "platform/core/NumberText.h"
#include "platform/core/RecordFile.h"
#include "table/Recording.h"
#include "table/Table.h"

namespace velmira::expr {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isNumberChar(char c) { return isDigit(c) || c == '.'; }

std::string columnName(int col) { return "C" + num::format(col + 1, "0"); }

// The formula with every column reference replaced by the line's value;
// nullopt when a reference cannot be replaced by a number.
std::optional<std::string> substitute(const table::Table& table, int row, std::string_view formula) {
  std::string out;
  out.reserve(formula.size() + 16);
  for (std::size_t i = 0; i < formula.size(); ++i) {
    const char c = formula[i];
    if ((c != 'C' && c != 'c') || i + 1 >= formula.size() || !isDigit(formula[i + 1])) {
      out += c;
      continue;
    }
    const int k = formula[i + 1] - '0';
    if (k < 1 || k > table::kCols) return std::nullopt;
    if ((i > 0 && isNumberChar(formula[i - 1])) || (i + 2 < formula.size() && isNumberChar(formula[i + 2])))
      return std::nullopt;
    const std::optional<float> value = num::readSingle(table.cell(row, k - 1));
    if (!value) return std::nullopt;
    out += num::numberText(*value, num::kSingleDigits);
    ++i;
  }
  return out;
}

}  // namespace

namespace {

// The cell `formula` gives on line r, written with the table's mask; nullopt
// when the line has no value for it (`overflow` hears an overflow).
std::optional<std::string> formulaCell(const table::Table& table, int r, const std::string& formula, Angle angle,
                                       bool scientific, const std::function<void()>& overflow) {
  std::optional<double> value;
  if (std::optional<std::string> text = substitute(table, r, formula)) {
    const Result result = evaluate(std::move(*text), angle);
    if (result.ok()) {
      value = resultValue(result.text());
      if (value && scientific) value = resultValue(scientificText(*value));
      if (!value && overflow) overflow();
    }
  }
  if (!value) return std::nullopt;
  // A value too long for a cell to be saved is an overflow too.
  std::string cell = num::format(*value, table.mask());
  if (cell.size() > records::kMaxText) {
    if (overflow) overflow();
    return std::nullopt;
  }
  return cell;
}

}  // namespace

int fillColumn(table::Table& table, int col, const std::string& formula, Angle angle, bool scientific,
               const std::function<void(int line)>& progress, const std::function<void()>& overflow) {
  if (col < 0 || col >= table::kCols) return 0;
  table.setFormula(col, formula);
  int failures = 0;
  for (int r = 1; r < table.rows(); ++r) {
    if (progress) progress(r);
    std::optional<std::string> cell = formulaCell(table, r, formula, angle, scientific, overflow);
    if (!cell) ++failures;
    table.setCell(r, col, cell ? std::move(*cell) : std::string());
  }
  return failures;
}

void computeFormulasOn(table::Table& table, int line) {
  if (line < 1 || line >= table.rows()) return;
  for (int col = 0; col < table::kCols; ++col) {
    const std::string& formula = table.formula(col);
    if (formula.empty()) continue;
    if (std::optional<std::string> cell = formulaCell(table, line, formula, Angle::Degrees, false, {}))
      table.setCell(line, col, std::move(*cell));
  }
}

std::optional<Message> refusedFormula(std::string_view formula, int col) {
  const auto encoded = records::toCp1252(formula);
  if (!encoded)
    return msg::criticalOk(
        VELMIRA_TEXT("velmira::msg", "Cette expression contient des caractères qui ne peuvent pas être enregistrés."),
        columnCalculatorTitle(col));
  if (encoded->size() > records::kMaxText)
    return msg::criticalOk(
        msg::shownFormat(VELMIRA_TEXT("velmira::msg", "Cette expression est trop longue : %1 caractères au plus."),
                         {num::trim(num::plain(static_cast<double>(records::kMaxText)))}),
        columnCalculatorTitle(col));
  return std::nullopt;
}

std::optional<Message> columnReport(int failures) {
  if (failures <= 0) return std::nullopt;
  std::string text = failures == 1
                         ? VELMIRA_TEXT("velmira::msg", "Une valeur n'a pas été calculée.")
                         : msg::shownFormat(VELMIRA_TEXT("velmira::msg", "%1 valeurs n'ont pas été calculées."),
                                            {num::plain(failures)});
  return msg::criticalOk(std::move(text), VELMIRA_TEXT("velmira::msg", "Calcul terminé"));
}

Message formulaMessage(const table::Table& table, int col) {
  return msg::information(columnName(col) + " = " + table.formula(col),
                          msg::shownFormat(VELMIRA_TEXT("velmira::msg", "Expression de %1"), {columnName(col)}));
}

std::string columnCalculatorTitle(int col) {
  return msg::shownFormat(VELMIRA_TEXT("velmira::msg", "Calculer: %1 ="), {columnName(col)});
}

bool recordWithFormulas(table::Table& table, const model::Workbench& wb, int bench, MessageService& messages,
                        bool* leftConcealed) {
  const int line = table::firstFreeLine(table);
  if (!table::record(table, wb, bench, messages, leftConcealed)) return false;
  computeFormulasOn(table, line);
  return true;
}

}  // namespace velmira::expr
