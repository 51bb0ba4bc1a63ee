// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Repeatable scatter of a work's preparations and readings: every draw is a
// standard normal taken from the work's seed at a numbered place (the draw
// counter), so that the same seed and counter give the same numbers on every
// platform. The generator and the normal law are written out here: word k of
// the splitmix64 sequence, Box–Muller on two words.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace velmira::model {

// Word k (from 0) of the splitmix64 sequence started at `seed`.
std::uint64_t splitMix64(std::uint64_t seed, std::uint64_t k);
// Draw `index` of the standard normal sequence from `seed`: Box–Muller on
// words 2·index and 2·index + 1, the cosine branch.
double standardNormal(std::uint64_t seed, std::uint64_t index);
// What a draw was made for, as a 64-bit FNV-1a hash of its text.
std::uint64_t drawKey(std::string_view text);

// The relative standard deviation of a prepared solution's concentration.
inline constexpr double kPreparationDeviation = 0.005;
// The readings that scatter: the nine displays, in the order of kMeterSlots.
inline constexpr std::size_t kScatteredReadings = 9;

// One draw: its place in the sequence and what it was drawn for.
struct ScatterDraw {
  std::uint64_t index = 0;
  std::uint64_t key = 0;
  bool operator==(const ScatterDraw&) const = default;
};

// A work's scatter: off, or on with its seed, its counter and the draws in use.
struct Scatter {
  bool on = false;
  std::uint64_t seed = 0;
  std::uint64_t next = 0;                          // the place of the next draw
  std::array<std::optional<ScatterDraw>, 2> gaps;  // solutions 1 and 2
  std::array<std::optional<ScatterDraw>, kScatteredReadings> readings;

  // The standard normal of `draw`, drawn again at the next place when it is
  // missing or was drawn for another key.
  double take(std::optional<ScatterDraw>& draw, std::uint64_t key);
  // The factor on solution (1, 2)'s concentration: 1 + 0,5 % · z, z drawn
  // again when the solute or the concentration text is another.
  double preparationFactor(int solution, std::string_view solute, std::string_view concentration);

  bool operator==(const Scatter&) const = default;
};

}  // namespace velmira::model
