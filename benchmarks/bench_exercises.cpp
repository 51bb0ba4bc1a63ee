// SPDX-License-Identifier: GPL-3.0-or-later
// Exercise files: the preview of each file of a folder of 500 exercises, as
// the exercise window's list reads them (the window's part is not counted).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "BenchmarkSupport.h"
#include "files/ExerciseFile.h"

using namespace velmira;
namespace fs = std::filesystem;

namespace {

using Silent = velmira::bench::SilentMessages;

// A folder of 500 exercise files with every record filled.
std::vector<std::string> fiveHundredExercises() {
  const fs::path d = fs::temp_directory_path() / ("velmira-bench-exercices-" + std::to_string(::getpid()));
  fs::create_directories(d);
  std::vector<std::string> paths;
  for (int i = 0; i < 500; ++i) {
    const std::string n = "exercice" + std::to_string(i);
    files::Exercise e;
    e.statement = n + ".rtf";
    e.configuration = n + ".C07";
    e.correctedStatement = n + "-corrige.rtf";
    e.correctedConfiguration = n + "-corrige.C07";
    e.difficulty = " " + std::to_string(i % 4);
    e.notions = {"Conductance, ", "conductivité, ", "loi de Kohlrausch, ", "dosage conductimétrique"};
    e.title = "Exercice " + std::to_string(i) + " : conductivité d'une solution de chlorure de sodium";
    paths.push_back((d / (n + ".E24")).string());
    files::writeExercise(paths.back(), e);
  }
  return paths;
}

void Read500Previews(benchmark::State& state) {
  const auto paths = fiveHundredExercises();
  Silent messages;
  for (auto _ : state) {
    std::size_t lit = 0;
    for (const std::string& p : paths) {
      const auto preview = files::readPreview(p, messages);
      lit += preview.stars[0] + preview.title.size();
    }
    benchmark::DoNotOptimize(lit);
  }
  fs::remove_all(fs::path(paths.front()).parent_path());
}
BENCHMARK(Read500Previews)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
