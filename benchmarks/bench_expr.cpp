// SPDX-License-Identifier: GPL-3.0-or-later
// Evaluator timings: a calculator expression, a column formula over a full
// table (the evaluator alone, then the whole fill), and 10,000-character
// inputs.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "BenchmarkSupport.h"
#include "expr/ColumnFormula.h"
#include "expr/Evaluator.h"
#include "platform/core/NumberText.h"
#include "table/Table.h"

namespace {

using velmira::expr::Angle;

void timeEvaluation(const std::string& expression, benchmark::State& state) {
  for (auto _ : state) {
    velmira::expr::Result result = velmira::expr::evaluate(expression, Angle::Degrees);
    benchmark::DoNotOptimize(result);
  }
}

void BM_CalculatorExpression(benchmark::State& state) {
  timeEvaluation("2 * sin 30 + (1.5E-3 / 7) ^ 2 - log 1000", state);
}
BENCHMARK(BM_CalculatorExpression)->Unit(benchmark::kMicrosecond);

// One column run: the substituted formula once per table line.
void BM_ColumnFormula100Lines(benchmark::State& state) {
  const std::string formula = "(1.23E-02 / 4.5E-01) * 1000";
  for (auto _ : state) {
    for (int line = 0; line < 100; ++line) {
      velmira::expr::Result result = velmira::expr::evaluate(formula, Angle::Degrees);
      benchmark::DoNotOptimize(result);
    }
  }
}
BENCHMARK(BM_ColumnFormula100Lines)->Unit(benchmark::kMillisecond);

// The whole fill of a 100-line column: substitution of two references,
// evaluation, mask.
void BM_FillColumn100Lines(benchmark::State& state) {
  velmira::table::Table table = velmira::bench::hundredLineTable();
  for (auto _ : state) {
    const int failures = velmira::expr::fillColumn(table, 2, "C2 / C1 * 1000", Angle::Degrees, false);
    benchmark::DoNotOptimize(failures);
  }
}
BENCHMARK(BM_FillColumn100Lines)->Unit(benchmark::kMillisecond);

std::string repeat(const std::string& piece, std::size_t length) {
  std::string s;
  while (s.size() < length) s += piece;
  s.resize(length);
  return s;
}

constexpr std::size_t kLong = 10000;

// Pieces joined by `sep`, as many as fit in kLong characters.
std::string chain(const std::string& piece, const std::string& sep) {
  std::string s = piece;
  while (s.size() + sep.size() + piece.size() <= kLong) s += sep + piece;
  return s;
}

void BM_Long_Sum(benchmark::State& state) { timeEvaluation(chain("1.5", "+"), state); }
BENCHMARK(BM_Long_Sum)->Unit(benchmark::kMillisecond);

void BM_Long_MixedOperators(benchmark::State& state) { timeEvaluation(chain("2*3-4/5+6^1", "-"), state); }
BENCHMARK(BM_Long_MixedOperators)->Unit(benchmark::kMillisecond);

void BM_Long_NestedParentheses(benchmark::State& state) {
  timeEvaluation(std::string(kLong / 2 - 2, '(') + "1+1" + std::string(kLong / 2 - 2, ')'), state);
}
BENCHMARK(BM_Long_NestedParentheses)->Unit(benchmark::kMillisecond);

void BM_Long_Functions(benchmark::State& state) { timeEvaluation(chain("sin 30", "+"), state); }
BENCHMARK(BM_Long_Functions)->Unit(benchmark::kMillisecond);

void BM_Long_Groups(benchmark::State& state) { timeEvaluation(chain("(1+2)", "-"), state); }
BENCHMARK(BM_Long_Groups)->Unit(benchmark::kMillisecond);

void BM_Long_RandomCharacters(benchmark::State& state) {
  std::mt19937 rng(1);
  const std::string alphabet = "0123456789.+-*/^()ESINCOLGTQRXV ";
  std::string s;
  for (std::size_t i = 0; i < kLong; ++i) s += alphabet[rng() % alphabet.size()];
  timeEvaluation(s, state);
}
BENCHMARK(BM_Long_RandomCharacters)->Unit(benchmark::kMillisecond);

void BM_Long_UnknownWord(benchmark::State& state) { timeEvaluation(repeat("XYZ", kLong), state); }
BENCHMARK(BM_Long_UnknownWord)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
