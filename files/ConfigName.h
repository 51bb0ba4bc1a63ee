// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The name of a configuration file as the save window forms it, and the
// messages of the open and save windows.
#include <optional>
#include <string>
#include <string_view>

#include "platform/core/Messages.h"

namespace velmira::files {

// The typed name made a path: blanks trimmed, everything from the first "."
// dropped (whatever extension was typed), the folder put in front unless the
// name holds a separator, then ".C07". nullopt when nothing is left.
std::optional<std::string> configFileName(std::string_view typed, std::string_view folder);

Message emptyNameMessage();    // "Il faut donner un nom au fichier !"
Message overwriteQuestion();   // "Ecraser le fichier existant ?" (Yes/No)
Message missingFileMessage();  // "Nom de fichier incorrect ou chemin non valide"

}  // namespace velmira::files
