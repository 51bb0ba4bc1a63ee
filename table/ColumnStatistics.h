// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Statistiques de la colonne": the numbers of one column (cells as 32-bit
// floats, sums in 64 bits; empty and non-number cells left out), their
// count n, mean, standard deviation s = √(Σ(x - x̄)² / (n - 1)) and the
// standard uncertainty of the mean u = s / √n (type A).
#include <optional>
#include <string>
#include <string_view>

#include "platform/core/Messages.h"

namespace velmira::table {

class Table;

struct ColumnStatistics {
  int n = 0;
  std::optional<double> mean;  // none for n = 0
  std::optional<double> s, u;  // none for n < 2
};

ColumnStatistics columnStatistics(const Table& table, int col);

// Significant digits a statistic is written with at least.
inline constexpr int kStatisticDigits = 4;
// A statistic as the table writes its numbers: with the table's mask when
// that keeps kStatisticDigits significant digits (or the value is 0), else
// in the scientific form "0.000E+00".
std::string statisticText(double value, std::string_view mask);

// "Statistiques de la colonne": the column's title, then "n = N",
// "moyenne = X", "écart-type s = S" and "u = s / √n = U" (statisticText), a
// value n does not allow being "non calculable".
Message statisticsMessage(const Table& table, int col);

}  // namespace velmira::table
