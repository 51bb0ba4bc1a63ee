// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/TextQuestions.h"

namespace velmira::files {

Message discardTextQuestion() {
  return msg::questionOkCancel(VELMIRA_TEXT("velmira::msg", "Attention\u00A0: perte des modifications du texte."),
                               VELMIRA_TEXT("velmira::msg", "Abandon des données\u00A0?"));
}

Message overwriteTextQuestion(const std::string& name) {
  return msg::questionOkCancel(
      msg::shownFormat(VELMIRA_TEXT("velmira::msg", "Le fichier %1 existe déjà.\nEcraser l'ancien\u00A0?"), {name}),
      VELMIRA_TEXT("velmira::msg", "Ecraser le fichier\u00A0?"));
}

}  // namespace velmira::files
