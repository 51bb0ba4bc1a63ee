// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tab strip `Onglets`: layout (tabEdges from the caption widths), its
// paint and the tab hit test of a release.
//
// Captions in Arial 8, the shown tab's caption bold at y = 2, the others
// plain at y = 1, at x = tabEdges(i-1) + gap; the base line is open under the
// shown tab. The page of the shown tab occupies `page` (left 4, top TH + 5,
// inner width - 8 wide, inner height - TH - 9 high).
#include <QColor>
#include <QRect>
#include <QString>
#include <array>

#include "widgets/Colours.h"

namespace velmira::qtp {
class Surface;
}

namespace velmira::ui {

// `titreonglet`: the caption of bench tab i (1..3).
QString benchTabTitle(int i);

struct TabLayout {
  int shown = 1;                  // currentTab (0 becomes 1)
  int th = 0;                     // height of "W" in Arial 8
  double gap = 0;                 // (inner width - total caption width) / 6
  std::array<int, 4> tabEdges{};  // left edge of each tab; [3] the right end
  QRect page;                     // where the shown page goes
};

// Layout for a strip of the given inner size showing tab `shown` (0 → 1).
TabLayout layoutTabs(int innerWidth, int innerHeight, int shown);

// `Onglets_Paint`'s drawing: lays out (the surface's size is the inner
// size), erases the layer of the current mode and draws outlines, base line,
// captions and the margin around the page. The caller hides the two other
// pages and shows the shown page at `page`.
TabLayout paintTabs(qtp::Surface& strip, int shown);

// `Onglets_MouseUp`'s hit test: only 0 <= y <= 15 counts; the tab i (1..3)
// with tabEdges(i-1) <= x <= tabEdges(i), the right-hand one on a shared
// boundary; 0 when none.
int tabAt(const std::array<int, 4>& tabEdges, double x, double y);

}  // namespace velmira::ui
