// SPDX-License-Identifier: GPL-3.0-or-later
// velmira-outil travail: the work a pupil's opening of an exercise makes (the
// exercise's configuration, its unknowns drawn from a seed, the pupil's name
// and results), written without a screen.
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "files/ConfigFile.h"
#include "files/ExerciseFile.h"
#include "files/PupilWork.h"
#include "model/Workbench.h"
#include "platform/core/NumberText.h"
#include "platform/core/SafeFile.h"
#include "table/Table.h"
#include "tools/Commands.h"
#include "tools/ConfigSettings.h"
#include "tools/StreamMessages.h"
#include "tools/ToolFiles.h"

namespace velmira::tools {

namespace {

const char* kWho = "velmira-outil travail : ";

std::optional<std::uint64_t> seedOf(const std::string& text) {
  std::uint64_t v = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return v;
}

// One --resultat K=VALEUR[:U] as typed.
struct GivenOption {
  std::string k;
  files::GivenResult given;
};

}  // namespace

int workCommand(const Args& args, std::ostream& err) {
  std::optional<std::string> exercisePath, seedText, name, output;
  std::vector<GivenOption> given;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--tirage" || a == "--nom" || a == "-o" || a == "--resultat") {
      if (i + 1 >= args.size()) {
        err << kWho << a << " attend une valeur\n";
        return 2;
      }
      const std::string& v = args[++i];
      if (a == "--tirage") {
        seedText = v;
      } else if (a == "--nom") {
        name = v;
      } else if (a == "-o") {
        output = v;
      } else {
        const auto eq = v.find('=');
        if (eq == std::string::npos || eq == 0) {
          err << kWho << "--resultat attend K=VALEUR ou K=VALEUR:U : « " << escaped(v) << " »\n";
          return 2;
        }
        const std::string rest = v.substr(eq + 1);
        const auto colon = rest.find(':');
        given.push_back({v.substr(0, eq),
                         {rest.substr(0, colon), colon == std::string::npos ? std::string() : rest.substr(colon + 1)}});
      }
    } else if (!a.empty() && a[0] == '-') {
      err << kWho << "option inconnue « " << escaped(a) << " » (voir --help)\n";
      return 2;
    } else if (!exercisePath) {
      exercisePath = a;
    } else {
      err << kWho << "un seul exercice\n";
      return 2;
    }
  }
  if (!exercisePath) {
    err << kWho << "indiquer l'exercice (EXERCICE.E24)\n";
    return 2;
  }
  if (!seedText) {
    err << kWho << "indiquer la graine du tirage (--tirage GRAINE)\n";
    return 2;
  }
  const auto seed = seedOf(*seedText);
  if (!seed) {
    err << kWho << "--tirage non valide « " << escaped(*seedText) << " » : un nombre entier positif ou nul\n";
    return 2;
  }
  if (!name) {
    err << kWho << "indiquer le nom de l'élève (--nom NOM)\n";
    return 2;
  }
  if (!output) {
    err << kWho << "indiquer le fichier à écrire (-o TRAVAIL.C07)\n";
    return 2;
  }
  if (!fileio::hasExtension(*output, files::kConfigExtension)) {
    err << kWho << "le fichier à écrire doit avoir l'extension .C07\n";
    return 2;
  }

  files::ExerciseFile exercise;
  if (!exercise.load(*exercisePath)) {
    err << kWho << "lecture impossible de « " << escaped(*exercisePath) << " »\n";
    return 1;
  }
  const auto configName = exercise.read(files::ExerciseItem::Configuration);
  if (!configName || exercise.firstDamagedRecord()) {
    err << kWho << "« " << escaped(*exercisePath) << " » : enregistrement illisible (Lecture impossible)\n";
    return 1;
  }

  files::WorkItems work;
  work.name = *name;
  work.exercise = std::filesystem::path(*exercisePath).filename().string();
  work.results = files::readResults(exercise.extension().items);
  bool ok = true;
  if (num::trim(work.name).empty() || work.name.find_first_of("\t\r\n") != std::string::npos) {
    err << kWho << "--nom non valide « " << escaped(work.name) << " » : un texte sur une ligne\n";
    ok = false;
  }
  for (const GivenOption& g : given) {
    const std::size_t count = work.results.results.size();
    const auto k = count ? wholeInteger(g.k, 1, static_cast<int>(count)) : std::nullopt;
    if (!k) {
      err << kWho << "--resultat " << escaped(g.k) << " : l'exercice demande "
          << (count ? "les résultats 1 à " + std::to_string(count) : std::string("aucun résultat")) << "\n";
      ok = false;
    } else if (const auto why = files::givenProblem(g.given)) {
      err << kWho << "--resultat " << *k << " : " << escaped(*why) << " (un nombre comme 1,5E-3)\n";
      ok = false;
    } else {
      work.given[*k - 1] = g.given;
    }
  }
  if (!ok) return 1;

  // The exercise's configuration as the exercise window loads it.
  model::Workbench wb;
  wb.startupDefaults();
  table::Table table;
  files::ExtensionItems configuration;
  if (!num::trim(*configName).empty()) {
    const std::string path = files::referencedPath(files::exerciseFolder(*exercisePath), *configName);
    if (!loadConfiguration(path, wb, table, err, "travail", &configuration)) return 1;
  }
  const auto items = files::startWork(configuration, work, *seed);
  if (!items) {
    err << kWho << "travail impossible à composer (plage d'inconnue illisible ou texte impossible à enregistrer)\n";
    return 1;
  }
  files::revealHidden(*items, wb);
  StreamMessages messages(err);
  return files::writeConfiguration(*output, wb, table, messages, false, *items) ? 0 : 1;
}

}  // namespace velmira::tools
