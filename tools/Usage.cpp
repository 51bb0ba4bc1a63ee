#include "tools/Usage.h"

#include <array>
#include <utility>

namespace velmira::tools {

namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kCommands = {{
    {"mesures",
     "  mesures FICHIER.C07...\n"
     "      Affiche les douze écrans (afficheur(0) à afficheur(8), ecrangbf(0) à ecrangbf(2))\n"
     "      de chaque configuration, une ligne NOM<TAB>TEXTE chacun.\n"},
    {"config",
     "  config [ENTREE.C07] [--set CLE=VALEUR]... [-o SORTIE.C07]\n"
     "      Part des réglages de démarrage (ou du fichier donné), applique chaque réglage\n"
     "      et écrit le fichier (sans -o : chaque enregistrement, NUMÉRO<TAB>TEXTE,\n"
     "      les caractères de contrôle écrits \\t \\n \\r \\\\).\n"
     "      Clés : solute1 solute2 (1..21), c1 c2 L S V1 V2 (textes saisis),\n"
     "      amplitude1..3 frequence1..3 (0..0.6), conductimetre1..3 (0..5),\n"
     "      amperemetre1..3 (0..3), voltmetre1..3 (0..3), montage (gbf|conductimetre),\n"
     "      masque, saisie1..5 (1..5), lignes (1..100), cellule(L,C), formule1..5.\n"},
    {"calcul",
     "  calcul [--degres|--radians] [--machine [--scientifique]] [EXPRESSION...]\n"
     "      Évalue chaque expression (ou chaque ligne de l'entrée) : CODE<TAB>RÉSULTAT.\n"
     "      Sans --machine, RÉSULTAT est le texte brut de l'évaluateur (vide si CODE n'est pas 0).\n"
     "      Avec --machine, RÉSULTAT est ce qu'affiche la calculatrice après EXE : le nombre\n"
     "      avec son espace de tête, ou le message d'erreur ; CODE 4 : dépassement de capacité.\n"
     "      --scientifique : affichage « Scientifique » (3.3333333E-01).\n"},
}};

}  // namespace

std::string usage(std::string_view command) {
  std::string text = "Usage : velmira-outil COMMANDE [ARGUMENTS]\n\nCommandes :\n";
  if (command.empty()) {
    for (const auto& [name, help] : kCommands) text += help;
    return text;
  }
  for (const auto& [name, help] : kCommands)
    if (name == command) return "Usage : velmira-outil " + std::string(help.substr(2));
  return std::string();
}

}  // namespace velmira::tools
