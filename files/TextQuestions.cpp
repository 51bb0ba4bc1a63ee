#include "files/TextQuestions.h"

namespace velmira::files {

Message discardTextQuestion() {
  return msg::questionOkCancel("Attention: perte des modifications du texte.", "Abandon des données?");
}

Message overwriteTextQuestion(const std::string& name) {
  return msg::questionOkCancel("Le fichier " + name + " existe déjà.\nEcraser l'ancien?", "Ecraser le fichier?");
}

}  // namespace velmira::files
