#include "tools/Usage.h"

#include <array>
#include <utility>

namespace velmira::tools {

namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kCommands = {{
    {"mesures",
     "  mesures FICHIER.C07...\n"
     "      Affiche les douze écrans (afficheur(0) à afficheur(8), ecrangbf(0) à ecrangbf(2))\n"
     "      de chaque configuration, une ligne NOM<TAB>TEXTE chacun.\n"},
    {"config",
     "  config [ENTREE.C07] [--set CLE=VALEUR | OPÉRATION]... [-o SORTIE.C07 | --tableau | --csv]\n"
     "      Part des réglages de démarrage (ou du fichier donné), applique dans l'ordre\n"
     "      chaque réglage et chaque opération du tableau, puis écrit le fichier (-o),\n"
     "      le tableau (--tableau : une ligne par ligne du tableau, cellules séparées par\n"
     "      une tabulation), l'export CSV (--csv) ou, par défaut, chaque enregistrement\n"
     "      NUMÉRO<TAB>TEXTE (caractères de contrôle écrits \\t \\n \\r \\\\).\n"
     "      Clés : solute1 solute2 (1..21), c1 c2 L S V1 V2 (textes saisis),\n"
     "      amplitude1..3 frequence1..3 (0..0.6), conductimetre1..3 (0..5),\n"
     "      amperemetre1..3 (0..3), voltmetre1..3 (0..3), montage (gbf|conductimetre),\n"
     "      masque, saisie1..5 (1..5), lignes (1..100), cellule(L,C), formule1..5.\n"
     "      Opérations (celles des menus du tableau) : --mesure B (1|2), --lignes N,\n"
     "      --insere L, --ajoute, --supprime L, --efface-colonne C, --efface-tableau,\n"
     "      --titre C TEXTE, --trie C croissant|decroissant,\n"
     "      --serie C PREMIÈRE DERNIÈRE RAISON, --format K (1..5),\n"
     "      --calcule C FORMULE, --recalcule C (avec la calculatrice en --radians,\n"
     "      --scientifique pour les calculs qui suivent ; par défaut Degrés, Standard).\n"},
    {"graphe",
     "  graphe FICHIER.C07 [--abscisse C] [--ordonnee C]\n"
     "      Calcule le graphe de la colonne C de l'ordonnée (2 par défaut) en fonction de\n"
     "      celle de l'abscisse (1 par défaut), C de 1 à 5, comme la fenêtre de représentation\n"
     "      graphique avec ses trois options cochées ; une ligne NOM<TAB>VALEUR chacun :\n"
     "      pas_abscisse, pas_ordonnee, axes, graduations_abscisse, graduations_ordonnee,\n"
     "      point (un par point tracé), lier, droite_origine, droite_affine ;\n"
     "      ou la seule ligne message quand les données ne peuvent pas être représentées.\n"},
    {"calcul",
     "  calcul [--degres|--radians] [--machine [--scientifique] | --masque MASQUE] [EXPRESSION...]\n"
     "      Évalue chaque expression (ou chaque ligne de l'entrée) : CODE<TAB>RÉSULTAT.\n"
     "      Sans --machine, RÉSULTAT est le texte brut de l'évaluateur (vide si CODE n'est pas 0).\n"
     "      Avec --machine, RÉSULTAT est ce qu'affiche la calculatrice après EXE : le nombre\n"
     "      avec son espace de tête, ou le message d'erreur ; CODE 4 : dépassement de capacité.\n"
     "      --scientifique : affichage « Scientifique » (3.3333333E-01).\n"
     "      --masque : RÉSULTAT écrit avec ce format, comme les cellules du tableau\n"
     "      (0.00E+00 donne 1,23E-02 ; 0.000 donne 0,012).\n"},
    {"texte",
     "  texte FICHIER.rtf | --rtf SOURCE.txt -o FICHIER.rtf\n"
     "      Affiche le texte du fichier RTF tel que la fenêtre exercice le montre\n"
     "      (UTF-8, une ligne par paragraphe).\n"
     "      --rtf : écrit un fichier RTF depuis un texte UTF-8 annoté, un paragraphe par\n"
     "      ligne : « # » titre, « ## » intertitre, « - » élément de liste, « > » retrait ;\n"
     "      dans la ligne **gras**, ^{exposant}, _{indice}, \\ devant un caractère le\n"
     "      garde tel quel ; l'espace avant ; : ? ! » et après « devient insécable.\n"},
    {"exercice",
     "  exercice --enonce ENONCE.rtf [--config CONFIG.C07] [--corrige-enonce CORR.rtf]\n"
     "           [--corrige-config CORR.C07] --titre TEXTE --difficulte 0..3\n"
     "           [--notions TEXTE]... -o SORTIE.E24\n"
     "  exercice --enonce ENONCE.rtf [--config CONFIG.C07] -o SORTIE.PEM\n"
     "  exercice --lire FICHIER.E24\n"
     "      Écrit un fichier d'exercice (.E24) ou de prise en main (.PEM) ; les fichiers\n"
     "      nommés doivent se trouver dans le dossier de SORTIE (seul leur nom est écrit).\n"
     "      Quatre --notions au plus, affichées à la suite sans séparateur. Rien n'est\n"
     "      écrit si un fichier nommé ne s'ouvre pas (énoncé RTF, configuration) ou si un\n"
     "      texte ne tient pas dans un enregistrement (126 caractères du jeu\n"
     "      Windows-1252).\n"
     "      --lire : affiche les onze enregistrements NUMÉRO<TAB>TEXTE, puis pour chaque\n"
     "      fichier nommé : RÔLE<TAB>CHEMIN<TAB>s'ouvre (ou ne s'ouvre pas : cause) ;\n"
     "      code de sortie 1 si l'un d'eux ne s'ouvre pas, ou si l'un des enregistrements\n"
     "      1 à 4 est illisible (le programme refuse alors le fichier).\n"},
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
