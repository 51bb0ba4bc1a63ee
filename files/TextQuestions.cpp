// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/TextQuestions.h"

namespace velmira::files {

Message discardTextQuestion() {
  return msg::questionOkCancel("Attention\u00A0: perte des modifications du texte.", "Abandon des données\u00A0?");
}

Message overwriteTextQuestion(const std::string& name) {
  return msg::questionOkCancel("Le fichier " + name + " existe déjà.\nEcraser l'ancien\u00A0?",
                               "Ecraser le fichier\u00A0?");
}

}  // namespace velmira::files
