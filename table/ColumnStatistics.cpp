#include "table/ColumnStatistics.h"

#include <cmath>
#include <vector>

#include "platform/core/NumberText.h"
#include "table/Table.h"

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

}  // namespace velmira::table
