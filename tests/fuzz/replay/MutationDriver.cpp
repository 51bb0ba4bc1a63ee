// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a libFuzzer target without libFuzzer: every seed file, then random
// mutations of them (bytes changed, inserted, removed, repeated, cut, and
// tokens of an optional dictionary inserted), for at most --runs inputs or
// --seconds seconds. Deterministic for a given --seed. A target that traps
// or crashes fails the run.
//
//   fuzz_X_mutations [--runs N] [--seconds S] [--seed K] [--dict FILE] SEED_FILE_OR_FOLDER...
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::string slurp(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// Tokens of a libFuzzer dictionary: the quoted text of each line, with \\ and
// \" unescaped.
std::vector<std::string> dictionary(const std::filesystem::path& p) {
  std::vector<std::string> tokens;
  std::ifstream in(p);
  std::string line;
  while (std::getline(in, line)) {
    const auto a = line.find('"'), b = line.rfind('"');
    if (line.empty() || line[0] == '#' || a == std::string::npos || b <= a) continue;
    std::string t;
    for (std::size_t i = a + 1; i < b; ++i) {
      if (line[i] == '\\' && i + 1 < b) ++i;
      t += line[i];
    }
    tokens.push_back(t);
  }
  return tokens;
}

void run(const std::string& input) {
  LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
}

}  // namespace

int main(int argc, char** argv) {
  long runs = 20000;
  double seconds = 20;
  unsigned seed = 1;
  std::vector<std::string> seeds, tokens;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--runs" && i + 1 < argc)
      runs = std::stol(argv[++i]);
    else if (a == "--seconds" && i + 1 < argc)
      seconds = std::stod(argv[++i]);
    else if (a == "--seed" && i + 1 < argc)
      seed = static_cast<unsigned>(std::stoul(argv[++i]));
    else if (a == "--dict" && i + 1 < argc)
      tokens = dictionary(argv[++i]);
    else if (std::filesystem::is_directory(a)) {
      for (const auto& e : std::filesystem::directory_iterator(a))
        if (e.is_regular_file()) seeds.push_back(slurp(e.path()));
    } else {
      seeds.push_back(slurp(a));
    }
  }
  if (seeds.empty()) {
    std::cerr << "no seed input\n";
    return 2;
  }
  for (const std::string& s : seeds) run(s);

  std::mt19937 rng(seed);
  auto pick = [&rng](std::size_t n) { return n == 0 ? std::size_t{0} : static_cast<std::size_t>(rng() % n); };
  const auto start = std::chrono::steady_clock::now();
  long done = 0;
  for (; done < runs; ++done) {
    if ((done & 255) == 0 && std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() > seconds)
      break;
    std::string s = seeds[pick(seeds.size())];
    const int mutations = 1 + static_cast<int>(pick(8));
    for (int m = 0; m < mutations; ++m) {
      const std::size_t at = pick(s.size() + 1);
      switch (pick(6)) {
        case 0:
          if (!s.empty()) s[pick(s.size())] = static_cast<char>(rng());
          break;
        case 1:
          s.insert(at, 1, static_cast<char>(rng()));
          break;
        case 2:
          s.erase(at, pick(64));
          break;
        case 3:
          if (at < s.size()) s.insert(at, s.substr(at, pick(256)));
          break;
        case 4:
          s.resize(at);
          break;
        default:
          if (!tokens.empty()) s.insert(at, tokens[pick(tokens.size())]);
          break;
      }
    }
    run(s);
  }
  std::printf("%zu seed inputs, %ld mutated inputs\n", seeds.size(), done);
  return 0;
}
