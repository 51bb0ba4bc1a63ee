#include "tools/Usage.h"

#include <array>
#include <utility>

namespace velmira::tools {

namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kCommands = {{
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
    {"graphe",
     "  graphe FICHIER.C07 [--abscisse C] [--ordonnee C]\n"
     "      Calcule le graphe de la colonne C de l'ordonnée (2 par défaut) en fonction de\n"
     "      celle de l'abscisse (1 par défaut), C de 1 à 5, comme la fenêtre de représentation\n"
     "      graphique avec ses trois options cochées ; une ligne NOM<TAB>VALEUR chacun :\n"
     "      pas_abscisse, pas_ordonnee, axes, graduations_abscisse, graduations_ordonnee,\n"
     "      point (un par point tracé), lier, droite_origine, droite_affine ;\n"
     "      ou la seule ligne message quand les données ne peuvent pas être représentées.\n"},
    {"calcul",
     "  calcul [--degres|--radians] [EXPRESSION...]\n"
     "      Évalue chaque expression (ou chaque ligne de l'entrée) : CODE<TAB>RÉSULTAT.\n"},
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
