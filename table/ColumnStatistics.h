#pragma once
// "Statistiques de la colonne": the numbers of one column (cells as 32-bit
// floats, sums in 64 bits; empty and non-number cells left out), their
// count n, mean, standard deviation s = √(Σ(x - x̄)² / (n - 1)) and the
// standard uncertainty of the mean u = s / √n (type A).
#include <optional>

namespace velmira::table {

class Table;

struct ColumnStatistics {
  int n = 0;
  std::optional<double> mean;  // none for n = 0
  std::optional<double> s, u;  // none for n < 2
};

ColumnStatistics columnStatistics(const Table& table, int col);

}  // namespace velmira::table
