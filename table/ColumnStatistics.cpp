// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/ColumnStatistics.h"

#include <cmath>
#include <vector>

#include "platform/core/NumberText.h"
#include "table/Table.h"
#include "table/TableText.h"

namespace velmira::table {

ColumnStatistics columnStatistics(const Table& table, int col) {
  std::vector<double> values;
  for (int row = 1; row < table.rows(); ++row)
    if (const auto v = num::readSingle(table.cell(row, col))) values.push_back(*v);
  ColumnStatistics st;
  st.n = static_cast<int>(values.size());
  if (values.empty()) return st;
  double sum = 0;
  for (double v : values) sum += v;
  const double mean = sum / st.n;
  st.mean = mean;
  if (st.n < 2) return st;
  double squares = 0;
  for (double v : values) squares += (v - mean) * (v - mean);
  st.s = std::sqrt(squares / (st.n - 1));
  st.u = *st.s / std::sqrt(static_cast<double>(st.n));
  return st;
}

std::string statisticText(double value, std::string_view mask) {
  const std::string masked = num::trim(num::format(value, mask));
  if (value == 0 || significantDigits(masked) >= kStatisticDigits) return masked;
  return num::format(value, "0.000E+00");
}

Message statisticsMessage(const Table& table, int col) {
  const ColumnStatistics st = columnStatistics(table, col);
  const auto shown = [&](const std::optional<double>& v) {
    return v ? statisticText(*v, table.mask()) : std::string("non calculable");
  };
  return msg::information(
      msg::shownFormat(VELMIRA_TEXT("velmira::msg", "%1\n\nn = %2\nmoyenne = %3\nécart-type s = %4\nu = s / √n = %5"),
                       {columnName(table, col), std::to_string(st.n), shown(st.mean), shown(st.s), shown(st.u)}),
      VELMIRA_TEXT("velmira::msg", "Statistiques de la colonne"));
}

}  // namespace velmira::table
