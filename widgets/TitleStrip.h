// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The title strip of the graph and exercise windows: a title in bold
// 24-point from x = 30, vertically centred less 2, letter i of n (from 1)
// in (255, 255, round(i / n × 100 + 155)): yellow to white.
#include <QColor>
#include <QString>

namespace velmira::qtp {
class Surface;
}

namespace velmira::widgets {

inline const QColor kTitleStripBackground{0, 0, 128};

QColor titleLetterColour(int i, int n);

// Clears the strip (persistent drawing) and writes the title.
void drawTitleStrip(qtp::Surface& strip, const QString& title);

}  // namespace velmira::widgets
