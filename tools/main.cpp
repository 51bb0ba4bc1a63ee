// velmira-outil: command-line companion for teachers preparing exercises.
#include <iostream>
#include <string>

#include "tools/Commands.h"

namespace {

const char* kUsage =
    "Usage : velmira-outil COMMANDE [ARGUMENTS]\n"
    "\n"
    "Commandes :\n"
    "  mesures FICHIER.C07...\n"
    "      Affiche les douze \xC3\xA9" "crans (afficheur(0) \xC3\xA0 afficheur(8), ecrangbf(0) \xC3\xA0 ecrangbf(2))\n"
    "      de chaque configuration, une ligne NOM<TAB>TEXTE chacun.\n"
    "  config [ENTREE.C07] [--set CLE=VALEUR]... [-o SORTIE.C07]\n"
    "      Part des r\xC3\xA9glages de d\xC3\xA9marrage (ou du fichier donn\xC3\xA9), applique chaque r\xC3\xA9glage\n"
    "      et \xC3\xA9" "crit le fichier (sans -o : chaque enregistrement, NUM\xC3\x89RO<TAB>TEXTE).\n"
    "      Cl\xC3\xA9s : solute1 solute2 (1..21), c1 c2 L S V1 V2 (textes saisis),\n"
    "      amplitude1..3 frequence1..3 (0..0.6), conductimetre1..3 (0..5),\n"
    "      amperemetre1..3 (0..3), voltmetre1..3 (0..3), montage (gbf|conductimetre),\n"
    "      masque, saisie1..5 (1..5), lignes (1..100), cellule(L,C), formule1..5.\n"
    "  calcul [--degres|--radians] [EXPRESSION...]\n"
    "      \xC3\x89value chaque expression (ou chaque ligne de l'entr\xC3\xA9" "e) : CODE<TAB>R\xC3\x89SULTAT.\n"
    "  texte FICHIER.rtf\n"
    "      Affiche le texte du fichier RTF tel que la fenêtre exercice le montre\n"
    "      (UTF-8, une ligne par paragraphe).\n";

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << kUsage;
    return 2;
  }
  std::string cmd = argv[1];
  velmira::tools::Args args(argv + 2, argv + argc);
  if (cmd == "--help" || cmd == "-h" || cmd == "aide") {
    std::cout << kUsage;
    return 0;
  }
  try {
    if (cmd == "mesures") return velmira::tools::commandeMesures(args, std::cout, std::cerr);
    if (cmd == "config") return velmira::tools::commandeConfig(args, std::cout, std::cerr);
    if (cmd == "calcul") return velmira::tools::commandeCalcul(args, std::cin, std::cout, std::cerr);
    if (cmd == "texte") return velmira::tools::commandeTexte(args, std::cout, std::cerr);
  } catch (const std::exception& e) {
    std::cerr << "velmira-outil : erreur interne : " << e.what() << "\n";
    return 3;
  }
  std::cerr << "velmira-outil : commande inconnue \xC2\xAB " << cmd << " \xC2\xBB (voir --help)\n";
  return 2;
}
