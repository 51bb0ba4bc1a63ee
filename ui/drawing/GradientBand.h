// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The gradient band of the bench pages: row colours and row drawing.
//
// Row i (0..300) lies at y = H - 310 + i (H the page's inner height) from
// x = 10 to x = W - 10, in (255, G, B) with G = 200 + 55·i/300 and
// B = 155 + 100·i/300 rounded half to even: (255, 200, 155) at the top,
// white at the bottom. The band is framed in palette 8.
#include <QColor>

namespace velmira::qtp {
class Surface;
}

namespace velmira::ui {

inline constexpr int kBandRows = 301;   // rows 0..300
inline constexpr int kBandMargin = 10;  // left, right and bottom margin
inline int bandTop(int innerHeight) { return innerHeight - 310; }

QColor bandColour(int i);

// Rows i = from..to, each from x1 to x2 (inclusive), at y = bandTop(H) + i.
void drawBandRows(qtp::Surface& page, int from, int to, int x1, int x2);

// The whole band with its frame, the first thing drawBench draws on a page.
void drawBand(qtp::Surface& page);

}  // namespace velmira::ui
