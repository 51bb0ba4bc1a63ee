// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scatter a configuration asks for, in its extension block: dispersion
// ("oui"; absent or anything else is off), tirage (the seed, decimal) and
// tirages (the draws in use: the counter, then each draw's place and key,
// the two preparations first, then the nine readings), so that reopening,
// undo and the recovery copy show the same numbers.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "files/ExtensionBlock.h"
#include "model/Scatter.h"
#include "model/Workbench.h"

namespace velmira::files {

inline constexpr std::string_view kScatterKey = "dispersion";
inline constexpr std::string_view kSeedKey = "tirage";
inline constexpr std::string_view kDrawsKey = "tirages";

// A seed as typed: 1 to 20 decimal digits, at most 2^64 - 1.
std::optional<std::uint64_t> readSeed(std::string_view text);

// The draws' record: "COUNTER;P:K;...", P a place below COUNTER (decimal),
// K its key (hexadecimal), an empty field for a draw not made.
std::string drawsText(const model::Scatter& scatter);
// The draws of `text` into `scatter` (its on and seed untouched); false, and
// nothing changed, for a text drawsText does not write.
bool readDraws(std::string_view text, model::Scatter& scatter);

// The scatter the items set: off without dispersion=oui; else the seed of
// tirage, or one from `drawSeed` when it is missing or unreadable, and the
// draws of tirages (none when it is missing or damaged).
model::Scatter scatterOf(const ExtensionItems& items, const std::function<std::uint64_t()>& drawSeed);
// A seed from the system's random source.
std::uint64_t systemSeed();

// Puts the scatter of `items` into the workbench (a seed drawn from the
// system's source when there is none). The next recomputation shows it.
void applyScatter(const ExtensionItems& items, model::Workbench& wb);
// The workbench's scatter kept in `items` (its seed and its draws) when it
// is on; the items as they are when it is off.
void keepScatter(ExtensionItems& items, const model::Scatter& scatter);

}  // namespace velmira::files
