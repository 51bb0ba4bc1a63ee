// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cell diagram (Image1): a schematic conductivity cell, two parallel
// electrode plates of area S a distance L apart, with their labels, on a
// transparent background.
#include <QImage>
#include <QSize>

namespace velmira::ui {

inline constexpr QSize kCellDiagramSize{150, 110};

QImage cellDiagram(QSize size = kCellDiagramSize, double devicePixelRatio = 1.0);

}  // namespace velmira::ui
