// SPDX-License-Identifier: GPL-3.0-or-later
// Rich-text timings: reading a 1 MB RTF statement, writing it back.
#include <benchmark/benchmark.h>

#include <string>

#include "RtfStatement.h"
#include "files/rtf/RtfReader.h"
#include "files/rtf/RtfWriter.h"

using namespace velmira;

namespace {

void ReadRtf1MB(benchmark::State& state) {
  const std::string rtf = velmira::bench::rtfStatement(1u << 20);
  for (auto _ : state) benchmark::DoNotOptimize(rtf::readRtf(rtf));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * rtf.size()));
}
BENCHMARK(ReadRtf1MB)->Unit(benchmark::kMillisecond);

void WriteRtf1MB(benchmark::State& state) {
  const auto doc = rtf::readRtf(velmira::bench::rtfStatement(1u << 20));
  for (auto _ : state) benchmark::DoNotOptimize(rtf::writeRtf(*doc));
}
BENCHMARK(WriteRtf1MB)->Unit(benchmark::kMillisecond);

// A 50 MB picture to skip.
void ReadRtfPicture50MB(benchmark::State& state) {
  std::string rtf = "{\\rtf1 a{\\pict\\pngblip ";
  rtf.append(50u << 20, 'e');
  rtf += "}b}";
  for (auto _ : state) benchmark::DoNotOptimize(rtf::readRtf(rtf));
}
BENCHMARK(ReadRtfPicture50MB)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
