// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings file that keeps the zoom: an INI text (`[affichage]` then
// `zoom=125`), read before the application exists. Anything but a regular
// file in its place (a pipe, a device, a folder, a link) is never opened
// nor written through.
#include <string>

#include "platform/core/Messages.h"
#include "platform/core/SafeFile.h"

namespace velmira::fileio {

// The settings file, inside the user's configuration folder (~/.config).
inline constexpr const char* kSettingsFile = "velmira/velmira.ini";

// The zoom the file at `path` keeps: kZoomLeast when there is none, the file
// is not a regular one or cannot be read.
int readZoom(const std::string& path);

// Keeps `percent` in the file at `path` (its other lines kept, its folder
// made when missing), replacing it whole or not at all; false, with the
// cause in `failure`, when it could not be kept.
bool writeZoom(const std::string& path, int percent, SaveFailure* failure = nullptr);

}  // namespace velmira::fileio

namespace velmira::msg {
// "Le zoom n'a pas pu être enregistré : CAUSE"
Message zoomNotStored(const fileio::SaveFailure& failure);
}  // namespace velmira::msg
