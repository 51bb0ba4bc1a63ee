// SPDX-License-Identifier: GPL-3.0-or-later
// Core timings: recomputation, the species model, configuration files, the
// mesures command, the fits with their uncertainties, the two-line fit of a titration.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>

#include "BenchmarkSupport.h"
#include "files/ConfigFile.h"
#include "graph/LineFit.h"
#include "graph/TwoLineFit.h"
#include "model/Workbench.h"
#include "platform/core/RecordFile.h"
#include "table/Table.h"
#include "tools/Commands.h"

using namespace velmira;
namespace fs = std::filesystem;

namespace {

using Silent = velmira::bench::SilentMessages;

table::Table largestTable() {
  table::Table t;
  t.setRows(table::kMaxRows);
  for (int r = 1; r < t.rows(); ++r)
    for (int c = 0; c < table::kCols; ++c) t.setCell(r, c, "1,23E-02");
  return t;
}

fs::path benchDir() {
  fs::path d = fs::temp_directory_path() / "velmira-bench";
  fs::create_directories(d);
  return d;
}

// A recomputation of every display with these solutes in the two beakers.
void recompute(benchmark::State& state, const char* solute1, const char* solute2) {
  model::Workbench wb;
  wb.startupDefaults();
  wb.setSoluteTag(0, solute1);
  wb.setSoluteTag(1, solute2);
  for (auto _ : state) {
    wb.updateVoltmeters();
    benchmark::DoNotOptimize(wb.display(model::Meter::Conductimeter, 3));
  }
}

void Majvolt(benchmark::State& state) { recompute(state, "5", "18"); }
BENCHMARK(Majvolt);

// The heaviest solve of the species model: silver with chloride and sulfate
// (three nested solves), and a recomputation whose mixture needs it.
void SpeciateSilverChlorideSulfate(benchmark::State& state) {
  model::Composition t = model::soluteComposition(17, 0.005);
  t.add(model::soluteComposition(21, 0.02)).add(model::soluteComposition(26, 0.05));
  for (auto _ : state) benchmark::DoNotOptimize(model::speciate(t));
}
BENCHMARK(SpeciateSilverChlorideSulfate)->Unit(benchmark::kMicrosecond);

void MajvoltSpeciesMixture(benchmark::State& state) { recompute(state, "17", "26"); }
BENCHMARK(MajvoltSpeciesMixture)->Unit(benchmark::kMicrosecond);

// 100 points of a titration curve (every split tried): a V with its vertex
// at 60 and a little noise.
void TwoLineFit100(benchmark::State& state) {
  std::vector<graph::PlottedPoint> points;
  for (int i = 0; i < 100; ++i) {
    const float x = i * 0.2f, noise = (i % 3 - 1) * 0.05f;
    points.push_back({i + 1, x, (i < 60 ? 300 - 14 * x : 132 + 12 * (x - 12)) + noise, {}});
  }
  for (auto _ : state) {
    const graph::TwoLineFit fit = graph::fitTwoLines(points);
    benchmark::DoNotOptimize(fit.x);
  }
}
BENCHMARK(TwoLineFit100)->Unit(benchmark::kMicrosecond);

// 100 scattered points of a calibration line: both fits with their
// uncertainties and their texts, as the graph's note shows them.
void FitWithUncertainties100(benchmark::State& state) {
  std::vector<graph::PlottedPoint> points;
  for (int i = 0; i < 100; ++i) {
    const float x = (i + 1) * 1e-4f, noise = ((i * 7) % 5 - 2) * 0.3f;
    points.push_back({i + 1, x, 1.188e4f * x + noise, {}});
  }
  for (auto _ : state) {
    const graph::LineFit origin = graph::fitLine(points, graph::FitKind::ThroughOrigin);
    const graph::LineFit affine = graph::fitLine(points, graph::FitKind::Affine);
    benchmark::DoNotOptimize(graph::uncertaintyText(origin));
    benchmark::DoNotOptimize(graph::uncertaintyText(affine));
    benchmark::DoNotOptimize(graph::readLine(affine, 0.5, 0.01));
  }
}
BENCHMARK(FitWithUncertainties100)->Unit(benchmark::kMicrosecond);

void Ecritconfig537(benchmark::State& state) {
  model::Workbench wb;
  wb.startupDefaults();
  auto t = largestTable();
  Silent m;
  const std::string p = (benchDir() / "largest.C07").string();
  for (auto _ : state) benchmark::DoNotOptimize(files::writeConfiguration(p, wb, t, m));
}
BENCHMARK(Ecritconfig537)->Unit(benchmark::kMicrosecond);

void Chargeconfig537(benchmark::State& state) {
  model::Workbench wb;
  wb.startupDefaults();
  auto t = largestTable();
  Silent m;
  const std::string p = (benchDir() / "largest.C07").string();
  files::writeConfiguration(p, wb, t, m);
  for (auto _ : state) benchmark::DoNotOptimize(files::readConfiguration(p, wb, t, m));
}
BENCHMARK(Chargeconfig537)->Unit(benchmark::kMicrosecond);

// The same two without the disk: records built, records applied.
void EcritconfigInMemory537(benchmark::State& state) {
  model::Workbench wb;
  wb.startupDefaults();
  auto t = largestTable();
  for (auto _ : state) {
    records::RecordWriter w;
    const auto recs = files::configRecords(wb, t);
    w.reserve(recs.size());
    for (std::size_t n = 0; n < recs.size(); ++n) w.write(n + 1, recs[n]);
    benchmark::DoNotOptimize(w.bytes().size());
  }
}
BENCHMARK(EcritconfigInMemory537)->Unit(benchmark::kMicrosecond);

void ChargeconfigInMemory537(benchmark::State& state) {
  model::Workbench wb;
  wb.startupDefaults();
  auto t = largestTable();
  records::RecordReader r;
  r.setBytes(files::configurationBytes(wb, t).value());
  for (auto _ : state) {
    auto parsed = files::parseConfiguration(r, t.rows());
    files::applyConfiguration(std::get<files::Configuration>(parsed), wb, t);
    benchmark::DoNotOptimize(t);
  }
}
BENCHMARK(ChargeconfigInMemory537)->Unit(benchmark::kMicrosecond);

void Mesures1000Files(benchmark::State& state) {
  const fs::path d = benchDir() / "mille";
  fs::create_directories(d);
  tools::Args files;
  for (int i = 0; i < 1000; ++i) {
    const std::string p = (d / ("f" + std::to_string(i) + ".C07")).string();
    if (!fs::exists(p)) {
      std::ostringstream o, e;
      tools::configCommand({"--set", "solute1=" + std::to_string(1 + i % 21), "-o", p}, o, e);
    }
    files.push_back(p);
  }
  for (auto _ : state) {
    std::ostringstream out, err;
    benchmark::DoNotOptimize(tools::readingsCommand(files, out, err));
  }
}
BENCHMARK(Mesures1000Files)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
