// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures of the windows are large blocks allocated and freed on every
// repaint; kept in the heap instead of being mapped and unmapped each time,
// their pages are touched once per run. Called first thing in main.
namespace velmira::qtp {

void keepPictureMemory();

}  // namespace velmira::qtp
