// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The three benches of the main window, in tab order.
#include <array>

namespace velmira::ui {

enum class Bench { Solution1, Solution2, Mixture };
inline constexpr std::array<Bench, 3> kAllBenches = {Bench::Solution1, Bench::Solution2, Bench::Mixture};

// The bench's number as the workbench, the table and the tab strip count
// them (1..3), and back.
constexpr int benchNumber(Bench b) { return static_cast<int>(b) + 1; }
constexpr Bench benchOfNumber(int n) { return static_cast<Bench>(n - 1); }

}  // namespace velmira::ui
