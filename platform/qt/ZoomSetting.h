// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The zoom the user chose, kept in the program's settings file (the user's
// configuration folder, `velmira/velmira.ini`); read before the application
// exists.
#include "platform/core/SafeFile.h"

namespace velmira::qtp {

// The stored zoom in percent (a valid step; 100 when none is stored).
int storedZoom();
// False, with the cause in `failure`, when the zoom could not be kept.
bool storeZoom(int percent, fileio::SaveFailure* failure = nullptr);

}  // namespace velmira::qtp
