// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drop-down solute list (`crealiste`), its row marker and the formula box.
//
// The list is a row of 20 px for every solute, row r (from 0) holding solute r + 1 between
// y = 20r and 20r + 20, each formula typeset in Arial bold 10 at x = 10 (2 px below
// the row's top), on white. The formula box of a solute shows exactly its row of the list image.
#include "model/SoluteCatalogue.h"
#include "model/SolutePicker.h"

namespace velmira::qtp {
class Surface;
}

namespace velmira::ui {

inline constexpr int kListRowHeight = 20;
inline constexpr int kListRows = model::kPickerRows;
// Each formula is printed this far below its row's top, so that a charge
// raised 4 px keeps its top pixels inside its own row (and inside the
// formula box, which shows exactly the row); the lowered counts still end
// inside the row.
inline constexpr int kListTextDrop = 2;

// Draws the whole list; the surface keeps its width and becomes 20 px a row high.
// Drawn persistently (the list image is reused for every formula box).
void drawSoluteList(qtp::Surface& list);
// What drawSoluteList draws in two steps: the white sheet without its rows, then
// the row of solute n (1..kListRows) (rows do not overlap: any order, any subset).
void prepareList(qtp::Surface& list, int rows = kListRows);
void drawListRow(qtp::Surface& list, int n);

// Formula box of solute n: cleared, then the list strip (0, 20(n-1)), as
// wide as the list and 20 high, painted at (0, 2). Persistent. A number
// outside the rows the list holds leaves the box cleared.
void showFormula(qtp::Surface& box, const qtp::Surface& list, int n);

}  // namespace velmira::ui
