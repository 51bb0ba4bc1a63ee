// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures of the eight command buttons, drawn as vector shapes.
#include <QIcon>

namespace velmira::widgets {

// The eight command buttons, then the record buttons (a line going into the
// table) and the table menu picture (`Image5`).
enum class CommandPicture { Open, Save, Copy, Print, Table, Calculator, Help, Close, Record, TableMenu };

inline constexpr int kCommandPictureSize = 18;

QIcon commandIcon(CommandPicture which);
// One rendering of a picture (logical size × devicePixelRatio pixels).
QImage commandPicture(CommandPicture which, double devicePixelRatio = 1.0);

}  // namespace velmira::widgets
