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
#include "model/FlagFile.h"
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

std::string guiPage(const Texts& t) {
  namespace vf = velmira::files;
  const bool en = t.lang == "en";
  std::string out = header("velmira", t);
  out += ".SH " + std::string(t.name) + "\nvelmira \\- " + std::string(t.guiName) + "\n";
  out += ".SH " + std::string(t.synopsis) + "\n.B velmira\n.RI [ " + std::string(t.guiFileArg) + " ]\n";
  out += ".SH " + std::string(t.description) + "\n" + std::string(t.guiDescription);
  out += ".PP\n";
  out += en ? "Given a FILE (a configuration, an exercise or a getting-started activity), Velmira opens it once "
              "its window is up, as a double-click in the file manager does.\n"
            : "Avec un FICHIER (une configuration, un exercice ou une prise en main), Velmira l'ouvre une fois sa "
              "fenêtre affichée, comme un double-clic dans le gestionnaire de fichiers.\n";
  out += ".SH " + std::string(t.files) + "\n";
  out += ".TP\n.I *" + roff(velmira::files::kConfigExtension) + "\n" + std::string(t.guiFiles) + "\n";
  out += ".TP\n.I *" + roff(vf::kExerciseExtension) + "\n";
  out += en ? "An exercise: its statement in the text pane and its configuration.\n"
            : "Un exercice : son énoncé dans la fenêtre de texte et sa configuration.\n";
  out += ".TP\n.I VELMIRA" + roff(vf::kGettingStartedExtension) + "\\fR, \\fPVELMIRB" +
         roff(vf::kGettingStartedExtension) + "\n";
  out += en ? "The getting-started activities of the simulator and of the table, opened as from the exercise "
              "menu.\n"
            : "Les prises en main du simulateur et du tableau, ouvertes comme depuis le menu des exercices.\n";
  out += ".TP\n.I /usr/share/velmira/\n";
  out += en ? "The application folder: the help (aide/index.html), the getting-started activities and the "
              "exercises (exercices/).\n"
            : "Le dossier de l'application : l'aide (aide/index.html), les prises en main et les exercices "
              "(exercices/).\n";
  out += ".TP\n.I ~/.local/share/velmira/" + roff(velmira::model::kFlagFileName) + "\n";
  out += en ? "The flag file the program shares with its launcher (the program running, the exercise asked "
              "for).\n"
            : "Le fichier témoin que le programme partage avec son lanceur (programme en cours, exercice "
              "demandé).\n";
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
  out += ".B velmira\\-outil\n.RI [ " + command + " ]\n.B \\-\\-help\n";
  out += ".SH " + std::string(t.description) + "\n" + roff(t.toolDescription);
  out += ".SH " + std::string(t.options) + "\n.TP\n.BR \\-\\-help \", \" \\-h\n" + std::string(t.toolHelp) + "\n";
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
