// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Scatter.h"

#include <cmath>
#include <numbers>
#include <string>

namespace velmira::model {

std::uint64_t splitMix64(std::uint64_t seed, std::uint64_t k) {
  std::uint64_t z = seed + (k + 1) * 0x9E3779B97F4A7C15ULL;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

double standardNormal(std::uint64_t seed, std::uint64_t index) {
  constexpr double kUnit = 1.0 / 9007199254740992.0;  // 2^-53
  // u1 in (0, 1], so that its logarithm is finite; u2 in [0, 1).
  const double u1 = (static_cast<double>(splitMix64(seed, 2 * index) >> 11) + 1) * kUnit;
  const double u2 = static_cast<double>(splitMix64(seed, 2 * index + 1) >> 11) * kUnit;
  return std::sqrt(-2 * std::log(u1)) * std::cos(2 * std::numbers::pi * u2);
}

std::uint64_t drawKey(std::string_view text) {
  std::uint64_t h = 0xCBF29CE484222325ULL;
  for (unsigned char c : text) {
    h ^= c;
    h *= 0x100000001B3ULL;
  }
  return h;
}

double Scatter::take(std::optional<ScatterDraw>& draw, std::uint64_t key) {
  if (!draw || draw->key != key) draw = ScatterDraw{next++, key};
  return standardNormal(seed, draw->index);
}

double Scatter::preparationFactor(int solution, std::string_view solute, std::string_view concentration) {
  std::string what(solute);
  what += '\n';
  what += concentration;
  return 1 + kPreparationDeviation * take(gaps[solution == 2], drawKey(what));
}

}  // namespace velmira::model
