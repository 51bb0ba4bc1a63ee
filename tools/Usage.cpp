// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/Usage.h"

#include <array>

#include "model/SoluteCatalogue.h"
#include "platform/core/NumberText.h"

namespace velmira::tools {

namespace {

// One command: its forms (a line starting with blanks continues the form
// above), then what it does, in French (--help) and in English (the English
// manual page); the manual pages are made from this table too. In the
// descriptions, {solutes} stands for the solute numbers' range and
// {solute-list} for the catalogue's numbers and names.
struct CommandUsage {
  std::string_view name;
  std::string_view forms;
  std::string_view french;
  std::string_view english;
};

constexpr std::array<CommandUsage, 9> kCommands = {{
    {"mesures", "mesures FICHIER.C07...\n",
     "Affiche les douze écrans (afficheur(0) à afficheur(8), ecrangbf(0) à ecrangbf(2))\n"
     "de chaque configuration, une ligne NOM<TAB>TEXTE chacun.\n",
     "Prints the twelve displays (afficheur(0) to afficheur(8), ecrangbf(0) to ecrangbf(2))\n"
     "of each configuration, one line NAME<TAB>TEXT each.\n"},
    {"config",
     "config [ENTREE.C07] [--set CLE=VALEUR | OPÉRATION]...\n"
     "       [-o SORTIE.C07 | --tableau | --csv | --ods SORTIE.ods | --statistiques C]\n",
     "Part des réglages de démarrage (ou du fichier donné), applique dans l'ordre\n"
     "chaque réglage et chaque opération du tableau, puis écrit le fichier (-o),\n"
     "le tableau (--tableau : une ligne par ligne du tableau, cellules séparées par\n"
     "une tabulation), l'export CSV (--csv), le classeur OpenDocument (--ods : une\n"
     "feuille, les titres puis les lignes, les nombres comme nombres), les\n"
     "statistiques de la colonne C (--statistiques, C de 1 à 5 : n, moyenne,\n"
     "ecart_type s (n - 1) et u = s / racine de n, une ligne NOM<TAB>VALEUR\n"
     "chacun, à 4 chiffres significatifs comme 1,234E-03, non calculable avec trop\n"
     "peu de valeurs) ou, par défaut, chaque enregistrement\n"
     "NUMÉRO<TAB>TEXTE (caractères de contrôle écrits \\t \\n \\r \\\\).\n"
     "Clés : solute1 solute2 ({solutes}), c1 c2 L S V1 V2 (textes saisis),\n"
     "amplitude1..3 frequence1..3 (0..0.6), conductimetre1..3 (0..5),\n"
     "amperemetre1..3 (0..3), voltmetre1..3 (0..3), montage (gbf|conductimetre),\n"
     "masque, saisie1..5 (1..7 : vide, concentration, ampèremètre, voltmètre,\n"
     "conductimètre, volume V1, volume V2), lignes (1..100), cellule(L,C), formule1..5,\n"
     "inconnue1 inconnue2 (oui, non ou MIN..MAX : concentration cachée, tirée pour\n"
     "chaque élève dans MIN..MAX), inconnue_solute2 (oui ou non : soluté 2 caché),\n"
     "graphe_abscisse graphe_ordonnee (1..5), graphe_lier graphe_grille graphe_croix\n"
     "(oui|non), graphe_modele (aucun|origine|affine|deux-droites), graphe_points (A-B) :\n"
     "le graphe tel que la fenêtre l'ouvre et que velmira --pdf l'imprime.\n"
     "dispersion (oui ou non : préparations et lectures dispersées, non par défaut),\n"
     "tirage (GRAINE, entier de 0 à 18446744073709551615 : les tirages de la\n"
     "dispersion ; sans elle, une graine est tirée une fois par travail et gardée).\n"
     "Opérations (celles des menus du tableau) : --mesure B (1|2|3 : solution 1,\n"
     "solution 2, mélange), --lignes N,\n"
     "--insere L, --ajoute, --supprime L, --efface-colonne C, --efface-tableau,\n"
     "--titre C TEXTE, --trie C croissant|decroissant,\n"
     "--serie C PREMIÈRE DERNIÈRE RAISON, --format K (1..5),\n"
     "--calcule C FORMULE, --recalcule C (avec la calculatrice en --radians,\n"
     "--scientifique pour les calculs qui suivent ; par défaut Degrés, Standard).\n"
     "Solutés : {solute-list}\n",
     "Starts from the start-up settings (or from the given file), applies each setting\n"
     "and each table operation in order, then writes the file (-o), the table\n"
     "(--tableau: one line per table line, cells separated by a tab), the CSV export\n"
     "(--csv), the OpenDocument spreadsheet (--ods: one sheet, the titles then the\n"
     "lines, numbers as numbers), the statistics of column C (--statistiques, C from\n"
     "1 to 5: n, moyenne, ecart_type s (n - 1) and u = s / square root of n, one line\n"
     "NAME<TAB>VALUE each,\n"
     "with 4 significant digits as 1,234E-03, non calculable with too few values)\n"
     "or, by default, each record NUMBER<TAB>TEXT (control characters written\n"
     "\\t \\n \\r \\\\).\n"
     "Keys: solute1 solute2 ({solutes}), c1 c2 L S V1 V2 (texts as typed),\n"
     "amplitude1..3 frequence1..3 (0..0.6), conductimetre1..3 (0..5),\n"
     "amperemetre1..3 (0..3), voltmetre1..3 (0..3), montage (gbf|conductimetre),\n"
     "masque, saisie1..5 (1..7: empty, concentration, ammeter, voltmeter,\n"
     "conductimeter, volume V1, volume V2), lignes (1..100), cellule(L,C), formule1..5,\n"
     "inconnue1 inconnue2 (oui, non or MIN..MAX: a hidden concentration, drawn for\n"
     "each pupil within MIN..MAX), inconnue_solute2 (oui or non: solute 2 hidden),\n"
     "graphe_abscisse graphe_ordonnee (1..5), graphe_lier graphe_grille graphe_croix\n"
     "(oui|non), graphe_modele (aucun|origine|affine|deux-droites), graphe_points (A-B):\n"
     "the graph as the window opens it and velmira --pdf prints it.\n"
     "dispersion (oui or non: scattered preparations and readings, non by default),\n"
     "tirage (SEED, an integer from 0 to 18446744073709551615: the scatter's draws;\n"
     "without it, a seed is drawn once per work and kept).\n"
     "Operations (those of the table's menus): --mesure B (1|2|3: solution 1,\n"
     "solution 2, mixture), --lignes N,\n"
     "--insere L, --ajoute, --supprime L, --efface-colonne C, --efface-tableau,\n"
     "--titre C TEXT, --trie C croissant|decroissant,\n"
     "--serie C FIRST LAST STEP, --format K (1..5),\n"
     "--calcule C FORMULA, --recalcule C (with the calculator in --radians,\n"
     "--scientifique for the calculations that follow; by default degrees, standard).\n"
     "Solutes: {solute-list}\n"},
    {"graphe",
     "graphe FICHIER.C07 [--abscisse C] [--ordonnee C] [--deux-droites] [--incertitudes]\n"
     "       [--points A-B] [--lire Y [--u-lire UY] [--origine]]\n",
     "Calcule le graphe de la colonne C de l'ordonnée (celle du graphe enregistré, sinon\n"
     "2) en fonction de celle de l'abscisse (celle du graphe enregistré, sinon 1), C de\n"
     "1 à 5, comme la fenêtre de représentation\n"
     "graphique avec ses trois options cochées ; une ligne NOM<TAB>VALEUR chacun :\n"
     "pas_abscisse, pas_ordonnee, axes, graduations_abscisse, graduations_ordonnee,\n"
     "point (un par point tracé), lier, droite_origine, droite_affine ;\n"
     "avec --deux-droites, ensuite droite_1, droite_2 (les deux droites du dosage)\n"
     "et intersection (x = X ; y = Y, ou impossible) ;\n"
     "ou la seule ligne message quand les données ne peuvent pas être représentées.\n"
     "--incertitudes : après droite_origine, incertitude_origine (u(a) = X) ; après\n"
     "droite_affine, incertitude_affine (u(a) = X ; u(b) = Y) ; avec --deux-droites,\n"
     "après intersection, incertitude_intersection (u(x) = X) ; nombres à 3 chiffres\n"
     "significatifs (4,12E+01), u non calculable quand il y a trop peu de points\n"
     "(moins de 2 pour la droite passant par l'origine, moins de 3 pour une droite affine).\n"
     "--points A-B : les modèles n'utilisent que les points des lignes A à B du tableau\n"
     "(comprises) ; avec --deux-droites, le partage se fait parmi ces points.\n"
     "--lire Y : à la fin, lecture (x = X ; u(x) = UX), l'abscisse d'ordonnée Y sur la\n"
     "droite affine (sur la droite passant par l'origine avec --origine), et son\n"
     "incertitude à partir de celles de la droite et de u(Y) donnée par --u-lire\n"
     "(0 par défaut) ; impossible sans droite ou pour une droite horizontale.\n",
     "Computes the graph of the ordinate's column C (the saved graph's, else 2) against\n"
     "the abscissa's (the saved graph's, else 1), C from 1 to 5, as the graph window\n"
     "does with its three\n"
     "options ticked; one line NAME<TAB>VALUE each:\n"
     "pas_abscisse, pas_ordonnee, axes, graduations_abscisse, graduations_ordonnee,\n"
     "point (one per plotted point), lier, droite_origine, droite_affine;\n"
     "with --deux-droites, then droite_1, droite_2 (the two lines of a titration)\n"
     "and intersection (x = X ; y = Y, or impossible);\n"
     "or the single line message when the data cannot be plotted.\n"
     "--incertitudes: after droite_origine, incertitude_origine (u(a) = X); after\n"
     "droite_affine, incertitude_affine (u(a) = X ; u(b) = Y); with --deux-droites,\n"
     "after intersection, incertitude_intersection (u(x) = X); numbers with 3\n"
     "significant digits (4,12E+01), u non calculable when there are too few points\n"
     "(fewer than 2 for the line through the origin, fewer than 3 for an affine line).\n"
     "--points A-B: the models use only the points of table lines A to B (both\n"
     "included); with --deux-droites the split is chosen among these points.\n"
     "--lire Y: at the end, lecture (x = X ; u(x) = UX), the abscissa of ordinate Y on\n"
     "the affine line (on the line through the origin with --origine), and its\n"
     "uncertainty from the line's and from u(Y) given by --u-lire (0 by default);\n"
     "impossible without a line or for a horizontal one.\n"},
    {"calcul", "calcul [--degres|--radians] [--machine [--scientifique] | --masque MASQUE] [EXPRESSION...]\n",
     "Évalue chaque expression (ou chaque ligne de l'entrée) : CODE<TAB>RÉSULTAT.\n"
     "Sans --machine, RÉSULTAT est le texte brut de l'évaluateur (vide si CODE n'est pas 0).\n"
     "Avec --machine, RÉSULTAT est ce qu'affiche la calculatrice après EXE : le nombre\n"
     "avec son espace de tête, ou le message d'erreur ; CODE 4 : dépassement de capacité.\n"
     "--scientifique : affichage « Scientifique » (3.3333333E-01).\n"
     "--masque : RÉSULTAT écrit avec ce format, comme les cellules du tableau\n"
     "(0.00E+00 donne 1,23E-02 ; 0.000 donne 0,012).\n",
     "Evaluates each expression (or each line of the input): CODE<TAB>RESULT.\n"
     "Without --machine, RESULT is the evaluator's raw text (empty when CODE is not 0).\n"
     "With --machine, RESULT is what the calculator shows after EXE: the number with\n"
     "its leading space, or the error message; CODE 4: overflow.\n"
     "--scientifique: the scientific display (3.3333333E-01).\n"
     "--masque: RESULT written with this format, as the table's cells are\n"
     "(0.00E+00 gives 1,23E-02; 0.000 gives 0,012).\n"},
    {"texte", "texte FICHIER.rtf | --rtf SOURCE.txt -o FICHIER.rtf\n",
     "Affiche le texte du fichier RTF tel que la fenêtre exercice le montre\n"
     "(UTF-8, une ligne par paragraphe).\n"
     "--rtf : écrit un fichier RTF depuis un texte UTF-8 annoté, un paragraphe par\n"
     "ligne : « # » titre, « ## » intertitre, « - » élément de liste, « > » retrait ;\n"
     "dans la ligne **gras**, ^{exposant}, _{indice}, \\ devant un caractère le\n"
     "garde tel quel ; l'espace avant ; : ? ! » et après « devient insécable.\n",
     "Prints the text of the RTF file as the exercise window shows it\n"
     "(UTF-8, one line per paragraph).\n"
     "--rtf: writes an RTF file from a marked-up UTF-8 text, one paragraph per line:\n"
     "\"#\" title, \"##\" subtitle, \"-\" list item, \">\" indent; within the line\n"
     "**bold**, ^{superscript}, _{subscript}, \\ before a character keeps it as it is;\n"
     "the space before ; : ? ! » and after « becomes a no-break space.\n"},
    {"exercice",
     "exercice --enonce ENONCE.rtf [--config CONFIG.C07] [--corrige-enonce CORR.rtf]\n"
     "         [--corrige-config CORR.C07] --titre TEXTE --difficulte 0..3\n"
     "         [--notions TEXTE]... [--resultat TEXTE ATTENDU]... [--tolerance P]\n"
     "         -o SORTIE.E24\n"
     "exercice --enonce ENONCE.rtf [--config CONFIG.C07] -o SORTIE.PEM\n"
     "exercice --lire FICHIER.E24\n",
     "Écrit un fichier d'exercice (.E24) ou de prise en main (.PEM) ; les fichiers\n"
     "nommés doivent se trouver dans le dossier de SORTIE (seul leur nom est écrit).\n"
     "Quatre --notions au plus, affichées à la suite sans séparateur. Rien n'est\n"
     "écrit si un fichier nommé ne s'ouvre pas (énoncé RTF, configuration) ou si un\n"
     "texte ne tient pas dans un enregistrement (126 caractères du jeu\n"
     "Windows-1252).\n"
     "--lire : affiche les onze enregistrements NUMÉRO<TAB>TEXTE, puis pour chaque\n"
     "fichier nommé : RÔLE<TAB>CHEMIN<TAB>s'ouvre (ou ne s'ouvre pas : cause) ;\n"
     "code de sortie 1 si l'un d'eux ne s'ouvre pas, ou si l'un des enregistrements\n"
     "1 à 4 est illisible (le programme refuse alors le fichier).\n"
     "--resultat : un résultat à rendre (quatre au plus), TEXTE comme « c1 (mol/L) »,\n"
     "ATTENDU c1 ou c2 (la valeur cachée de chaque élève) ou un nombre ; --tolerance P :\n"
     "l'écart permis en pourcentage de l'attendu (5 par défaut).\n",
     "Writes an exercise file (.E24) or a getting-started file (.PEM); the named files\n"
     "must lie in the folder of the output (only their names are written). Four --notions\n"
     "at most, shown one after the other without a separator. Nothing is written when\n"
     "a named file does not open (RTF statement, configuration) or when a text does\n"
     "not fit in a record (126 characters of the Windows-1252 set).\n"
     "--lire: prints the eleven records NUMBER<TAB>TEXT, then for each named file:\n"
     "ROLE<TAB>PATH<TAB>s'ouvre (or ne s'ouvre pas: cause);\n"
     "exit status 1 when one of them does not open, or when one of the records 1 to 4\n"
     "cannot be read (the program then refuses the file).\n"
     "--resultat: a result to hand in (four at most), TEXT such as \"c1 (mol/L)\",\n"
     "EXPECTED c1 or c2 (each pupil's hidden value) or a number; --tolerance P: the\n"
     "deviation allowed in percent of the expected value (5 by default).\n"},
    {"travail",
     "travail EXERCICE.E24 --tirage GRAINE --nom NOM [--resultat K=VALEUR[:U]]...\n"
     "        -o TRAVAIL.C07\n",
     "Écrit le travail d'un élève comme le programme le fait quand l'élève ouvre\n"
     "l'exercice : sa configuration, ses inconnues tirées à partir de GRAINE (la même\n"
     "graine donne le même tirage), le nom et les résultats demandés ; --resultat\n"
     "donne le résultat K (de 1 au nombre de résultats de l'exercice) et son\n"
     "incertitude U, nombres tapés comme 1,5E-3. Puis velmira-outil mesures\n"
     "TRAVAIL.C07 affiche ses mesures (la valeur cachée n'est jamais affichée).\n",
     "Writes a pupil's work as the program does when the pupil opens the exercise:\n"
     "its configuration, its unknowns drawn from SEED (the same seed gives the same\n"
     "draw), the name and the results asked for; --resultat gives result K (from 1\n"
     "to the exercise's number of results) and its uncertainty U, numbers typed as\n"
     "1,5E-3. velmira-outil mesures TRAVAIL.C07 then prints its readings (the hidden\n"
     "value is never printed).\n"},
    {"classe", "classe DOSSIER [--csv]\n",
     "Le tableau de la classe : chaque travail d'élève (*.C07) du dossier, dans l'ordre\n"
     "des noms, une ligne : fichier, nom, exercice, les valeurs cachées (c1, c2,\n"
     "solute2), puis pour chaque résultat K : attendu K, donné K, u K, écart K (%),\n"
     "z K (|donné - attendu| / u), verdict K (juste quand l'écart ne dépasse pas la\n"
     "tolérance, faux sinon, vide sans résultat). Colonnes séparées par une\n"
     "tabulation ; FICHIER<TAB>pas un travail d'élève ou FICHIER<TAB>illisible : CAUSE\n"
     "pour les autres fichiers. --csv : comme l'export du tableau (UTF-8, « ; »,\n"
     "virgule décimale). Code de sortie 1 si un fichier est illisible.\n",
     "The class table: each pupil's work (*.C07) of the folder, in name order, one\n"
     "line: file, name, exercise, the hidden values (c1, c2, solute2), then for each\n"
     "result K: expected, given, u, deviation (%), z (|given - expected| / u) and\n"
     "verdict (juste when the deviation is within the tolerance, faux otherwise,\n"
     "empty without a result). Columns separated by a tab; FILE<TAB>pas un travail\n"
     "d'élève or FILE<TAB>illisible : CAUSE for the other files. --csv: as the table\n"
     "export (UTF-8, \";\", decimal comma). Exit status 1 when a file is unreadable.\n"},
    {"ions", "ions\n",
     "Affiche la conductivité molaire ionique limite de chaque ion que le simulateur\n"
     "connaît, une ligne ION<TAB>LAMBDA (mS·m²·mol⁻¹, par mole d'ion, virgule décimale).\n",
     "Prints the limiting molar ionic conductivity of each ion the simulator knows,\n"
     "one line ION<TAB>LAMBDA (mS·m²·mol⁻¹, per mole of ion, decimal comma).\n"},
}};

// Each line of `text` after `indent`.
std::string indented(std::string_view text, std::string_view indent) {
  std::string out;
  std::size_t start = 0;
  while (start < text.size()) {
    const auto end = text.find('\n', start);
    out += indent;
    out += text.substr(start, end - start + 1);
    start = end == std::string_view::npos ? text.size() : end + 1;
  }
  return out;
}

// "1 chlorure d'aluminium, 2 iodure d'aluminium, …, 27 chlorure de baryum.",
// cut into lines of at most 80 characters after the description's indent.
std::string soluteList() {
  std::string out, line;
  for (int k = 1; k <= model::kSoluteCount; ++k) {
    std::string item =
        num::format(k, "0") + " " + std::string(model::soluteName(k)) + (k == model::kSoluteCount ? "." : ",");
    if (!line.empty() && line.size() + 1 + item.size() > 64) {
      out += line + "\n";
      line.clear();
    }
    line += (line.empty() ? "" : " ") + item;
  }
  return out + line;
}

std::string replaced(std::string text, std::string_view token, const std::string& by) {
  for (auto at = text.find(token); at != std::string::npos; at = text.find(token, at + by.size()))
    text.replace(at, token.size(), by);
  return text;
}

std::string described(std::string_view text) {
  return replaced(replaced(std::string(text), "{solutes}", "1.." + num::format(model::kSoluteCount, "0")),
                  "{solute-list}", soluteList());
}

// The teacher's part of the whole usage: solutes, positions, masks, and an
// exercise with an unknown built from start to finish.
constexpr std::string_view kTeacher =
    "\nPour l'enseignant :\n"
    "  Solutés, par leur numéro (--set solute1={example} : {example-name}) :\n"
    "      {solute-list}\n"
    "  Positions des boutons, par banc (conductimetre1..3, amperemetre1..3, voltmetre1..3) :\n"
    "      conductimetre : 0 G en S, 1 G en mS, 2 G en µS, 3 σ en S/m, 4 σ en mS/m,\n"
    "      5 σ en µS/m ; amperemetre : 0 2 A, 1 200 mA, 2 20 mA, 3 2 mA ;\n"
    "      voltmetre : 0 20 V, 1 2 V, 2 200 mV, 3 20 mV.\n"
    "  Masques (--set masque=M, calcul --masque M) : 0 un chiffre toujours écrit,\n"
    "      # un chiffre écrit s'il compte, . la virgule décimale, E+00 l'exposant, un\n"
    "      blanc entre des chiffres reste un blanc : 0.00E+00 donne 1,23E-02,\n"
    "      ########0.000 donne 0,012.\n"
    "  Inconnue : --set inconnue1=oui cache c1 avec sa valeur ; --set\n"
    "      inconnue1=MIN..MAX la tire pour chaque élève (3 chiffres significatifs,\n"
    "      dans 0,00001..0,1 mol/L) ; le fichier garde ? et la valeur brouillée (un\n"
    "      brouillage simple, qui ne résiste pas à un élève décidé).\n"
    "  Dispersion : --set dispersion=oui donne à chaque solution préparée un écart\n"
    "      relatif (loi normale, écart type 0,5 %, tiré de nouveau quand sa\n"
    "      concentration ou son soluté change) et à chaque lecture un écart (loi\n"
    "      normale, écart type l'incertitude-type u de l'appareil sur son calibre) ;\n"
    "      « Nouvelle mesure » tire la lecture de nouveau. --set tirage=GRAINE fixe\n"
    "      les tirages ; le travail les garde (réouverture, annulation, copie de\n"
    "      secours : les mêmes nombres).\n"
    "  Exemple, du début à la fin (chaque élève a son c1 entre 0,005 et 0,02 mol/L) :\n"
    "      velmira-outil texte --rtf enonce.txt -o tp/enonce.rtf\n"
    "      velmira-outil config --set solute1={example} --set c1=0,01 --set montage=conductimetre \\\n"
    "        --set conductimetre1=4 --set inconnue1=0,005..0,02 -o tp/dosage.C07\n"
    "      velmira-outil exercice --enonce tp/enonce.rtf --config tp/dosage.C07 \\\n"
    "        --titre \"Dosage de c1\" --difficulte 2 --resultat \"c1 (mol/L)\" c1 \\\n"
    "        --tolerance 5 -o tp/dosage.E24\n"
    "      velmira-outil exercice --lire tp/dosage.E24\n"
    "      velmira-outil travail tp/dosage.E24 --tirage 1 --nom \"Léa Martin\" \\\n"
    "        --resultat 1=0,0123:0,0004 -o copies/lea.C07\n"
    "      velmira-outil mesures copies/lea.C07\n"
    "      velmira-outil classe copies\n"
    "  (classe copies --csv > classe.csv : le même tableau pour un tableur).\n";

// The example's solute, named from the catalogue.
constexpr int kExampleSolute = 17;

std::string teacherPart() {
  std::string text = replaced(std::string(kTeacher), "{solute-list}", replaced(soluteList(), "\n", "\n      "));
  text = replaced(std::move(text), "{example-name}", std::string(model::soluteName(kExampleSolute)));
  return replaced(std::move(text), "{example}", num::format(kExampleSolute, "0"));
}

std::string commandUsage(const CommandUsage& c) {
  return indented(c.forms, "  ") + indented(described(c.french), "      ");
}

}  // namespace

std::string usage(std::string_view command) {
  std::string text =
      "Usage : velmira-outil COMMANDE [ARGUMENTS]\n"
      "        velmira-outil --help | --version\n\nCommandes :\n";
  if (command.empty()) {
    for (const CommandUsage& c : kCommands) text += commandUsage(c);
    return text + teacherPart();
  }
  for (const CommandUsage& c : kCommands)
    if (c.name == command) return "Usage : velmira-outil " + commandUsage(c).substr(2);
  return std::string();
}

std::vector<CommandHelp> commandHelp(HelpLanguage language) {
  std::vector<CommandHelp> help;
  for (const CommandUsage& c : kCommands)
    help.push_back({c.name, c.forms, described(language == HelpLanguage::French ? c.french : c.english)});
  return help;
}

}  // namespace velmira::tools
