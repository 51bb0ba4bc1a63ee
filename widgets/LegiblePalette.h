// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application palette with the program's legible disabled texts.
namespace velmira::widgets {

// Disabled captions and texts in kDisabledText, in every window; once the
// application exists, before the windows are made.
void applyLegiblePalette();

}  // namespace velmira::widgets
