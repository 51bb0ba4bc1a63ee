// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The questions asked before the pupil's text is lost or a text file is
// overwritten.
#include <string>

#include "platform/core/Messages.h"

namespace velmira::files {

// "Attention : perte des modifications du texte." / "Abandon des données ?"
Message discardTextQuestion();
// "Le fichier NAME existe déjà." + line break + "Ecraser l'ancien ?" / "Ecraser le fichier ?"
Message overwriteTextQuestion(const std::string& name);

}  // namespace velmira::files
