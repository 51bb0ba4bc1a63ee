// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the manual pages of velmira and velmira-outil, in English and in
// French, at build time: the commands of velmira-outil come from the table
// its --help prints, so the pages follow it.
//   velmira-manpages OUTDIR VERSION DATE  ->  OUTDIR/{en,fr}/{velmira,velmira-outil}.1
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "files/ConfigFile.h"
#include "files/ExerciseFile.h"
#include "files/PdfCommand.h"
#include "files/ProgramUsage.h"
#include "files/RecoveryFiles.h"
#include "model/FlagFile.h"
#include "platform/core/ScreenFit.h"
#include "platform/core/ZoomFile.h"
#include "tools/Usage.h"

namespace {

using velmira::tools::HelpLanguage;

// The version and its date, given by the build.
std::string version, date;

// Text as roff: backslashes escaped, a "-" starting a word (an option) a
// minus sign, a line starting with "." or "'" protected.
std::string roff(std::string_view text) {
  std::string out;
  bool lineStart = true;
  char previous = ' ';
  for (char c : text) {
    if (lineStart && (c == '.' || c == '\'')) out += "\\&";
    if (c == '\\') {
      out += "\\e";
    } else if (c == '-' && (previous == ' ' || previous == '[' || previous == '|' || previous == '(' ||
                            previous == '-' || previous == '\n')) {
      out += "\\-";
    } else {
      out += c;
    }
    lineStart = c == '\n';
    previous = c;
  }
  return out;
}

// The forms of a command, one per line, continuation lines joined.
std::string joinedForms(std::string_view forms) {
  std::string out;
  std::size_t start = 0;
  while (start < forms.size()) {
    auto end = forms.find('\n', start);
    if (end == std::string_view::npos) end = forms.size();
    std::string_view line = forms.substr(start, end - start);
    if (!line.empty() && line.front() == ' ') {
      line.remove_prefix(line.find_first_not_of(' '));
      out.back() = ' ';
    }
    out += line;
    out += '\n';
    start = end + 1;
  }
  return out;
}

struct Texts {
  std::string_view lang, section;
  std::string_view guiName, guiDescription, guiFiles, guiFileArg;
  std::string_view toolName, toolDescription, toolHelp, commands, commandArg;
  std::string_view name, synopsis, description, files, options, seeAlso;
};

constexpr Texts kEnglish = {
    "en",
    "User Commands",
    "conductimetry simulator for chemistry classes",
    "Velmira lets pupils prepare up to two ionic solutions, mix them, set the conductivity cell and read a "
    "simulated conductimeter or a generator with a voltmeter and an ammeter. Readings go into a table of values "
    "whose columns are computed from formulas, plotted and fitted with a straight line; configurations are "
    "saved, and exercises are opened with their statements in a text pane.\n"
    ".PP\n"
    "The table pastes what a spreadsheet copies (a header line at line 1 names the columns) and is exported as "
    "CSV (UTF-8, \";\" between cells, decimal comma).\n",
    "A configuration (workbench and table), written by the save window and by velmira-outil config.",
    "FILE",
    "exercise tool for teachers",
    "velmira-outil writes and checks the files of Velmira's exercises without the window: configurations, "
    "readings, graphs, calculations, RTF statements and exercise files. Its messages and outputs are in "
    "French.\n",
    "Prints the usage of every command, or of COMMAND, and exits.",
    "COMMANDS",
    "COMMAND",
    "NAME",
    "SYNOPSIS",
    "DESCRIPTION",
    "FILES",
    "OPTIONS",
    "SEE ALSO"};

constexpr Texts kFrench = {
    "fr",
    "Commandes utilisateur",
    "simulateur de conductimétrie pour les cours de chimie",
    "Velmira permet aux élèves de préparer jusqu'à deux solutions ioniques, de les mélanger, de régler la "
    "cellule de conductimétrie et de lire un conductimètre simulé ou un générateur avec un voltmètre et un "
    "ampèremètre. Les mesures vont dans un tableau de valeurs dont les colonnes se calculent par des formules, "
    "se représentent en graphe et se modélisent par une droite ; les configurations s'enregistrent et les "
    "exercices s'ouvrent avec leurs énoncés dans une fenêtre de texte.\n"
    ".PP\n"
    "Le tableau colle ce que copie un tableur (une ligne de titres collée à la ligne 1 nomme les colonnes) et "
    "s'exporte en CSV (UTF-8, « ; » entre les cellules, virgule décimale).\n",
    "Une configuration (paillasse et tableau), écrite par la fenêtre d'enregistrement et par velmira-outil "
    "config.",
    "FICHIER",
    "outil d'exercices pour les enseignants",
    "velmira-outil écrit et vérifie les fichiers des exercices de Velmira sans la fenêtre : configurations, "
    "mesures, graphes, calculs, énoncés RTF et fichiers d'exercice.\n",
    "Affiche l'usage de toutes les commandes, ou de COMMANDE, et s'arrête.",
    "COMMANDES",
    "COMMANDE",
    "NOM",
    "SYNOPSIS",
    "DESCRIPTION",
    "FICHIERS",
    "OPTIONS",
    "VOIR AUSSI"};

std::string header(std::string_view program, const Texts& t) {
  std::string out = ".\\\" Made by velmira-manpages from the usage texts of velmira-outil.\n";
  out += ".TH \"" + roff(program) + "\" 1 \"" + date + "\" \"Velmira " + version + "\" \"" + std::string(t.section) +
         "\"\n";
  return out;
}

// A file entry of the FILES section: its name in italics, then the text.
std::string fileEntry(const std::string& name, std::string_view text) {
  return ".TP\n.I " + roff(name) + "\n" + std::string(text) + "\n";
}

std::string guiPage(const Texts& t) {
  namespace vf = velmira::files;
  const bool en = t.lang == "en";
  const std::string fileArg(t.guiFileArg), pdfArgs = en ? "OUTPUT.pdf FILE" : "SORTIE.pdf FICHIER";
  const std::string pdf = roff(vf::kPdfOption), help = roff(vf::kHelpOption), versionOption = roff(vf::kVersionOption);
  std::string out = header("velmira", t);
  out += ".SH " + std::string(t.name) + "\nvelmira \\- " + std::string(t.guiName) + "\n";
  out += ".SH " + std::string(t.synopsis) + "\n.B velmira\n.RI [ " + fileArg + " ]\n.br\n";
  out += ".B velmira " + pdf + "\n.I " + pdfArgs + "\n.br\n";
  out += ".B velmira\n.BR " + help + " \" | \" " + versionOption + "\n";
  out += ".SH " + std::string(t.description) + "\n" + std::string(t.guiDescription);
  out += ".PP\n";
  out += en ? "Given a FILE (a configuration, an exercise or a getting-started activity), Velmira opens it once "
              "its window is up, as a double-click in the file manager does.\n"
            : "Avec un FICHIER (une configuration, un exercice ou une prise en main), Velmira l'ouvre une fois sa "
              "fenêtre affichée, comme un double-clic dans le gestionnaire de fichiers.\n";
  out += ".SH " + std::string(t.options) + "\n.TP\n.B " + pdf + " \\fI" + pdfArgs + "\\fR\n";
  out += en ? "Prints FILE into OUTPUT.pdf without a window, as the print commands print it, and exits: a statement "
              "(.rtf, .E24, .PEM, any letter case) as the exercise menu prints it, or a configuration (.C07) as "
              "its graph, its table and the three bench pictures, on A4 with 2\\~cm margins and \"Page i / n\" at "
              "each page's foot. OUTPUT.pdf must end in .pdf, must not be FILE and may replace only an existing "
              "PDF. No display is needed, and nothing else is written (no flag file, no settings). Exit status 0 "
              "when written, 2 for bad arguments (nothing written), 1 when FILE cannot be read or the PDF "
              "written (the cause on standard error; an existing PDF is then left whole).\n"
            : "Imprime FICHIER dans SORTIE.pdf sans fenêtre, comme l'impriment les commandes d'impression, puis "
              "s'arrête : un énoncé (.rtf, .E24, .PEM, en majuscules ou minuscules) comme l'imprime le menu des "
              "exercices, ou une configuration (.C07) en son graphe, son tableau et les trois images de la "
              "paillasse, sur A4 avec des marges de 2\\~cm et « Page i / n » au pied de chaque page. SORTIE.pdf "
              "doit finir par .pdf, ne doit pas être FICHIER et ne peut remplacer qu'un PDF existant. Il ne faut "
              "pas d'écran, et rien d'autre n'est écrit (ni fichier témoin, ni réglages). Code de sortie 0 une "
              "fois écrit, 2 pour des arguments incorrects (rien n'est écrit), 1 quand FICHIER ne peut être lu "
              "ou le PDF écrit (la cause sur la sortie d'erreur ; un PDF existant reste alors entier).\n";
  out += ".TP\n.BR " + help + " \", \" " + roff(vf::kShortHelpOption) + "\n";
  out += en ? "Prints the usage on standard output and exits, with no display needed.\n"
            : "Affiche l'usage sur la sortie standard et s'arrête, sans écran.\n";
  out += ".TP\n.B " + versionOption + "\n";
  out += en ? "Prints the program's name and version on one line and exits, with no display needed.\n"
            : "Affiche le nom et la version du programme sur une ligne et s'arrête, sans écran.\n";

  const std::string config = vf::kConfigExtension, exercise = vf::kExerciseExtension,
                    activity = vf::kGettingStartedExtension;
  const std::string data = "~/.local/share/velmira/";
  out += ".SH " + std::string(t.files) + "\n";
  out += fileEntry("*" + config, t.guiFiles);
  out += fileEntry("*" + config + ", *.rtf",
                   en ? "A pupil's work: a configuration that also holds the pupil's name, the values hidden from "
                        "the pupil and the results given, with the exercise pane's text in the .rtf file of the same "
                        "name; both written by the save window."
                      : "Le travail d'un élève : une configuration qui garde aussi le nom de l'élève, les valeurs "
                        "qui lui sont cachées et les résultats donnés, avec le texte de la fenêtre d'exercice dans "
                        "le fichier .rtf du même nom ; tous deux écrits par la fenêtre d'enregistrement.");
  out += fileEntry("*" + exercise, en ? "An exercise: its statement in the text pane and its configuration."
                                      : "Un exercice : son énoncé dans la fenêtre de texte et sa configuration.");
  out += fileEntry("VELMIRA" + activity + ", VELMIRB" + activity,
                   en ? "The getting-started activities of the simulator and of the table, opened as from the "
                        "exercise menu."
                      : "Les prises en main du simulateur et du tableau, ouvertes comme depuis le menu des "
                        "exercices.");
  out += fileEntry("*.rtf", en ? "A statement or text, opened and written by the exercise menu."
                               : "Un énoncé ou un texte, ouvert et écrit par le menu des exercices.");
  out += fileEntry("*.csv", en ? "The table exported by the table menu (UTF-8, \";\" between cells, decimal comma)."
                               : "Le tableau exporté par le menu du tableau (UTF-8, « ; » entre les cellules, "
                                 "virgule décimale).");
  out += fileEntry("*.ods", en ? "The table exported by the table menu or by velmira-outil config \\-\\-ods as an "
                                 "OpenDocument spreadsheet (one sheet, the titles then the lines, numbers as numbers)."
                               : "Le tableau exporté par le menu du tableau ou par velmira-outil config \\-\\-ods en "
                                 "classeur OpenDocument (une feuille, les titres puis les lignes, les nombres comme "
                                 "nombres).");
  out += fileEntry("*.pdf", en ? "A printout written by the print windows or by \\-\\-pdf."
                               : "Une impression écrite par les fenêtres d'impression ou par \\-\\-pdf.");
  out += fileEntry("/usr/share/velmira/",
                   en ? "The application folder: the help (aide/index.html), the getting-started activities and "
                        "the exercises (exercices/)."
                      : "Le dossier de l'application : l'aide (aide/index.html), les prises en main et les "
                        "exercices (exercices/).");
  out += fileEntry(data + velmira::model::kFlagFileName,
                   en ? "The flag file the program shares with its launcher (the program running, the exercise "
                        "asked for), written at start-up and by the last instance that closes."
                      : "Le fichier témoin que le programme partage avec son lanceur (programme en cours, "
                        "exercice demandé), écrit au démarrage et par la dernière instance qui se ferme.");
  out += fileEntry(data + vf::kRecoveryFolder + "/",
                   en ? "The recovery copies of unsaved work: PID" + config +
                            " (the work), PID.nom (its file's name), PID.rtf (the exercise pane's text) and "
                            "PID.lock, written within 2 seconds of a change and removed at a clean exit; the copies "
                            "of a run that stopped are offered at the next start (\"Reprendre un travail\")."
                      : "Les copies de secours du travail non enregistré : PID" + config +
                            " (le travail), PID.nom (le nom de son fichier), PID.rtf (le texte de la fenêtre "
                            "d'exercice) et PID.lock, écrites dans les 2 secondes qui suivent un changement et "
                            "effacées à une sortie normale ; les copies d'une exécution interrompue sont proposées "
                            "au démarrage suivant (« Reprendre un travail »).");
  const std::string zoom = std::to_string(velmira::kZoomLeast) + "\\(en" + std::to_string(velmira::kZoomMost);
  out +=
      fileEntry(std::string("~/.config/") + velmira::fileio::kSettingsFile,
                en ? "The settings file: the zoom, in percent (" + zoom + " by " + std::to_string(velmira::kZoomStep) +
                         "), as the lines \"[affichage]\" and \"zoom=125\". It is read before the window opens and "
                         "written when the zoom changes; anything but a regular file there is never opened."
                   : "Le fichier des réglages : le zoom, en pour cent (" + zoom + " par pas de " +
                         std::to_string(velmira::kZoomStep) +
                         "), dans les lignes « [affichage] » et « zoom=125 ». Il est lu avant l'ouverture de la "
                         "fenêtre et écrit quand le zoom change ; ce qui n'est pas un fichier ordinaire n'y est "
                         "jamais ouvert.");
  out += ".SH " + std::string(t.seeAlso) + "\n.BR velmira\\-outil (1)\n";
  return out;
}

std::string toolPage(const Texts& t) {
  const auto help = velmira::tools::commandHelp(t.lang == "en" ? HelpLanguage::English : HelpLanguage::French);
  std::string out = header("velmira-outil", t);
  out += ".SH " + std::string(t.name) + "\nvelmira\\-outil \\- " + std::string(t.toolName) + "\n";
  out += ".SH " + std::string(t.synopsis) + "\n";
  const std::string command(t.commandArg);
  out += ".B velmira\\-outil\n.I " + command + "\n.RI [ ARGUMENTS ]\n.br\n";
  out += ".B velmira\\-outil\n.RI [ " + command + " ]\n.B \\-\\-help\n.br\n";
  out += ".B velmira\\-outil \\-\\-version\n";
  out += ".SH " + std::string(t.description) + "\n" + roff(t.toolDescription);
  out += ".SH " + std::string(t.options) + "\n.TP\n.BR \\-\\-help \", \" \\-h\n" + std::string(t.toolHelp) + "\n";
  out += ".TP\n.B \\-\\-version\n";
  out += t.lang == "en" ? "Prints the program's name and version on one line and exits.\n"
                        : "Affiche le nom et la version du programme sur une ligne et s'arrête.\n";
  out += ".SH " + std::string(t.commands) + "\n";
  for (const auto& c : help) {
    const std::string forms = joinedForms(c.forms);
    out += ".TP\n";
    std::size_t start = 0;
    bool first = true;
    while (start < forms.size()) {
      const auto end = forms.find('\n', start);
      if (!first) out += ".TQ\n";
      out += ".B " + roff(forms.substr(start, end - start)) + "\n";
      first = false;
      start = end + 1;
    }
    // A line that ends a sentence ends its paragraph, as in --help.
    const std::string description = roff(c.description);
    std::size_t at = 0;
    while (at < description.size()) {
      const auto end = description.find('\n', at);
      out += description.substr(at, end - at + 1);
      if (end > at && description[end - 1] == '.' && end + 1 < description.size()) out += ".br\n";
      at = end + 1;
    }
  }
  out += ".SH " + std::string(t.seeAlso) + "\n.BR velmira (1)\n";
  return out;
}

bool write(const std::filesystem::path& path, const std::string& text) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream f(path, std::ios::binary);
  f << text;
  f.close();
  return static_cast<bool>(f);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: velmira-manpages OUTDIR VERSION DATE\n";
    return 2;
  }
  version = argv[2];
  date = argv[3];
  const std::filesystem::path out = argv[1];
  for (const Texts* t : {&kEnglish, &kFrench}) {
    if (!write(out / t->lang / "velmira.1", guiPage(*t)) || !write(out / t->lang / "velmira-outil.1", toolPage(*t))) {
      std::cerr << "velmira-manpages: cannot write into " << out << "\n";
      return 1;
    }
  }
  return 0;
}
