// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The frames on the right of the main window (cell options, table of
// values): a plain box on the page background with a title bar, white bold
// text on dark blue, across its top.
#include <QString>

class QFrame;
class QLabel;

namespace velmira::widgets {

inline constexpr int kSideFrameTitleHeight = 18;

// Gives `frame` its box and background.
void styleSideFrame(QFrame& frame);
// The title bar across the top of `frame` (as wide as it is now).
QLabel* addSideFrameTitle(QFrame& frame, const QString& text);

}  // namespace velmira::widgets
