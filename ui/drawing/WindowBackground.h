// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's background (`Form_Paint`): lines y = 0..600 from x = 0
// to 800 in (c, c, b), c = 255 - 55y/600, b = 255 - 75y/600 rounded half
// to even (white at the top, (200, 200, 180) at the bottom), then the shadow
// behind the exercise pane: palette 8 filled from (textEditor.left + 3,
// fichTop + 3) to (textEditor.left + textEditor.width + 3,
// textEditor.top + textEditor.height + 3).
#include <QColor>
#include <QRect>
#include <QSize>

class QPainter;

namespace velmira::ui {

QColor windowBackgroundColour(int y);

// Paint on the window (aliased, logical pixels); only the lines that cross
// `exposed` (a paint event's rectangle), or all of them. A window grown past
// its design size goes on with the last line's colour, as wide as `window`.
void paintWindowBackground(QPainter& p, const QRect& textEditor, int fichTop, const QRect& exposed = {},
                           QSize window = {});

}  // namespace velmira::ui
