// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Legibility of a text on its background: the contrast ratio of two sRGB
// colours (relative luminances, (L1 + 0.05) / (L2 + 0.05), lighter over darker).
namespace velmira {

struct Rgb {
  int r, g, b;  // 0..255
};

// The least ratio every text keeps with its background, disabled ones included.
inline constexpr double kLeastTextContrast = 4.5;

double relativeLuminance(Rgb c);
double contrastRatio(Rgb a, Rgb b);
inline bool legible(Rgb text, Rgb background) { return contrastRatio(text, background) >= kLeastTextContrast; }

}  // namespace velmira
