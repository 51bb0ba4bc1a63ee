// SPDX-License-Identifier: GPL-3.0-or-later
// velmira-outil exercice: writes an exercise file (.E24) or a getting-started
// file (.PEM) after checking that everything it names opens as the exercise
// window opens it; --lire prints one and checks its files.
#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "files/ConfigFile.h"
#include "files/ExerciseFile.h"
#include "files/PupilWork.h"
#include "files/rtf/RtfFile.h"
#include "model/Workbench.h"
#include "platform/core/NumberText.h"
#include "platform/core/RecordFile.h"
#include "platform/core/SafeFile.h"
#include "table/Table.h"
#include "tools/Commands.h"
#include "tools/ConfigSettings.h"
#include "tools/ToolFiles.h"

namespace velmira::tools {

namespace {

namespace fs = std::filesystem;

const char* kWho = "velmira-outil exercice : ";

// The first message a load shows.
class FirstMessage : public MessageService {
 public:
  Answer show(const Message& m) override {
    if (text.empty()) text = m.text;
    return Answer::Ok;
  }
  std::string text;
};

enum class Kind { Statement, Configuration };

// Why the file at `path` would not open in the exercise window; nullopt when it opens.
std::optional<std::string> wouldNotOpen(Kind kind, const std::string& path) {
  if (kind == Kind::Statement) {
    const rtf::FileRead read = rtf::loadRtfFile(path);
    if (read.document) return std::nullopt;
    return rtf::describe(read.error);
  }
  if (!fileio::exists(path)) return rtf::describe(rtf::ReadError::NotFound);
  if (!fileio::isRegularFile(path)) return rtf::describe(rtf::ReadError::NotRegularFile);
  model::Workbench wb;
  wb.startupDefaults();
  table::Table table;
  FirstMessage messages;
  if (files::readConfiguration(path, wb, table, messages) && messages.text.empty()) return std::nullopt;
  return messages.text;
}

// Why a text cannot be written into a record; nullopt when it can.
std::optional<std::string> unfit(const std::string& text) {
  const auto encoded = records::toCp1252(text);
  if (!encoded) return std::string("caractères hors du jeu Windows-1252");
  if (encoded->size() > records::kMaxText)
    return num::trim(num::plain(static_cast<double>(encoded->size()))) +
           " caractères : " + num::format(static_cast<double>(records::kMaxText), "0") + " au plus";
  return std::nullopt;
}

// An exercise names files of its own folder only.
const std::string kOutsideFolder = "hors du dossier de l'exercice";

struct Reference {
  const char* option;  // the option that names it
  const char* what;    // its name in messages
  Kind kind;
  files::ExerciseItem item;
  std::string files::Exercise::*field;
};

constexpr std::array<Reference, 4> kReferences = {{
    {"--enonce", "énoncé", Kind::Statement, files::ExerciseItem::Statement, &files::Exercise::statement},
    {"--config", "configuration", Kind::Configuration, files::ExerciseItem::Configuration,
     &files::Exercise::configuration},
    {"--corrige-enonce", "énoncé corrigé", Kind::Statement, files::ExerciseItem::CorrectedStatement,
     &files::Exercise::correctedStatement},
    {"--corrige-config", "configuration corrigée", Kind::Configuration, files::ExerciseItem::CorrectedConfiguration,
     &files::Exercise::correctedConfiguration},
}};

int printExercise(const std::string& path, std::ostream& out, std::ostream& err) {
  files::ExerciseFile file;
  if (!file.load(path)) {
    err << kWho << "lecture impossible de « " << escaped(path) << " »\n";
    return 1;
  }
  std::size_t n = 1;
  for (const files::ExerciseRecords& group : files::kExerciseLayout) {
    for (std::size_t k = 0; k < group.count; ++k, ++n) {
      const auto text = file.read(group.item, k);
      out << n << '\t' << (text ? escaped(*text) : "(enregistrement illisible)") << '\n';
    }
  }
  const files::ExerciseResults results = files::readResults(file.extension().items);
  for (std::size_t k = 0; k < results.results.size(); ++k)
    out << "resultat " << k + 1 << '\t' << escaped(results.results[k].label) << '\t'
        << escaped(results.results[k].expected) << '\n';
  if (!results.results.empty() || !results.tolerance.empty())
    out << "tolerance\t" << num::trim(num::plain(files::tolerancePercent(results))) << '\n';
  // The program refuses the whole file when one of these records is damaged.
  if (const std::size_t damaged = file.firstDamagedRecord()) {
    out << "enregistrement " << damaged << " illisible : le fichier ne s'ouvre pas (Lecture impossible)\n";
    return 1;
  }
  int status = 0;
  const std::string folder = files::exerciseFolder(path);
  for (const Reference& r : kReferences) {
    const std::string name = file.read(r.item).value_or("");
    if (num::trim(name).empty()) {
      if (r.item != files::ExerciseItem::Statement) continue;
      out << r.what << "\t\tne s'ouvre pas : aucun fichier nommé\n";
      status = 1;
      continue;
    }
    const std::string full = files::referencedPath(folder, name);
    const auto why = files::plainFileName(name) ? wouldNotOpen(r.kind, full) : std::optional(kOutsideFolder);
    if (why) {
      out << r.what << '\t' << escaped(full) << "\tne s'ouvre pas : " << *why << '\n';
      status = 1;
    } else {
      out << r.what << '\t' << escaped(full) << "\ts'ouvre\n";
    }
  }
  return status;
}

// The results asked for: at most four, each expecting a number or a
// concentration the configuration hides; a tolerance of 0 % or more.
bool checkResults(const files::ExerciseResults& results, const std::string& configuration, std::ostream& err) {
  if (results.results.size() > files::kMaxResults) {
    err << kWho << "--resultat : quatre au plus (" << results.results.size() << " donnés)\n";
    return false;
  }
  files::ExtensionItems items;
  if (!configuration.empty()) {
    if (auto parsed = files::parseConfigurationFile(configuration, table::kDefaultRows);
        auto* c = std::get_if<files::Configuration>(&parsed))
      items = c->extension;
  }
  bool ok = true;
  for (const files::ResultDeclaration& d : results.results) {
    if (num::trim(d.label).empty() || d.label.find_first_of("\t\r\n") != std::string::npos) {
      err << kWho << "--resultat : texte non valide « " << escaped(d.label) << " »\n";
      ok = false;
    }
    const bool unknown = d.expected == "c1" || d.expected == "c2";
    if (unknown && !files::hidesConcentration(items, d.expected[1] - '0')) {
      err << kWho << "--resultat « " << escaped(d.label) << " » : la configuration ne cache pas " << d.expected
          << " (--set inconnue" << d.expected[1] << "=oui)\n";
      ok = false;
    } else if (!unknown && !files::readTypedNumber(d.expected)) {
      err << kWho << "--resultat « " << escaped(d.label) << " » : attendu non valide « " << escaped(d.expected)
          << " » (c1, c2 ou un nombre)\n";
      ok = false;
    }
  }
  if (!results.tolerance.empty()) {
    const auto p = files::readTypedNumber(results.tolerance);
    if (!p || *p < 0) {
      err << kWho << "--tolerance non valide « " << escaped(results.tolerance)
          << " » : un pourcentage positif ou nul\n";
      ok = false;
    }
  }
  return ok;
}

}  // namespace

int exerciseCommand(const Args& args, std::ostream& out, std::ostream& err) {
  if (args.size() == 2 && args[0] == "--lire") return printExercise(args[1], out, err);

  files::Exercise e;
  std::array<std::optional<std::string>, kReferences.size()> given;
  std::optional<std::string> output, title, difficulty;
  std::vector<std::string> notions;
  files::ExerciseResults results;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--resultat") {
      if (i + 2 >= args.size()) {
        err << kWho << "--resultat attend deux valeurs : TEXTE ATTENDU\n";
        return 2;
      }
      results.results.push_back({args[i + 1], args[i + 2]});
      i += 2;
      continue;
    }
    if (i + 1 >= args.size()) {
      err << kWho << (a.rfind('-', 0) == 0 ? a + " attend une valeur" : "argument inattendu « " + a + " »") << "\n";
      return 2;
    }
    const std::string& v = args[++i];
    const auto ref =
        std::find_if(kReferences.begin(), kReferences.end(), [&](const Reference& r) { return a == r.option; });
    if (ref != kReferences.end()) {
      given[static_cast<std::size_t>(ref - kReferences.begin())] = v;
    } else if (a == "-o") {
      output = v;
    } else if (a == "--titre") {
      title = v;
    } else if (a == "--difficulte") {
      difficulty = v;
    } else if (a == "--tolerance") {
      results.tolerance = v;
    } else if (a == "--notions") {
      notions.push_back(v);
    } else if (a == "--lire") {
      err << kWho << "--lire s'emploie seul : velmira-outil exercice --lire FICHIER.E24\n";
      return 2;
    } else {
      err << kWho << "option inconnue « " << escaped(a) << " » (voir --help)\n";
      return 2;
    }
  }

  if (!output) {
    err << kWho << "indiquer le fichier à écrire (-o SORTIE.E24 ou -o SORTIE.PEM)\n";
    return 2;
  }
  const bool gettingStarted = fileio::hasExtension(*output, files::kGettingStartedExtension);
  if (!gettingStarted && !fileio::hasExtension(*output, files::kExerciseExtension)) {
    err << kWho << "le fichier à écrire doit avoir l'extension .E24 (exercice) ou .PEM (prise en main)\n";
    return 2;
  }
  if (!given[0]) {
    err << kWho << "indiquer l'énoncé (--enonce ENONCE.rtf)\n";
    return 2;
  }
  if (gettingStarted) {
    if (given[2] || given[3] || title || difficulty || !notions.empty() || !results.results.empty() ||
        !results.tolerance.empty()) {
      err << kWho
          << "un fichier de prise en main (.PEM) ne nomme que l'énoncé et la configuration "
             "(--enonce, --config)\n";
      return 2;
    }
  } else {
    if (!title || num::trim(*title).empty()) {
      err << kWho << "indiquer le titre de l'exercice (--titre TEXTE)\n";
      return 2;
    }
    if (!difficulty) {
      err << kWho << "indiquer la difficulté (--difficulte 0 à 3)\n";
      return 2;
    }
    const auto d = wholeInteger(*difficulty, 0, files::kMaxDifficulty);
    if (!d) {
      err << kWho << "difficulté non valide « " << escaped(*difficulty) << " » : un nombre entier de 0 à 3\n";
      return 2;
    }
    if (notions.size() > files::kNotions) {
      err << kWho << "quatre --notions au plus (" << notions.size() << " donnés)\n";
      return 2;
    }
    e.difficulty = num::plain(*d);
    e.title = *title;
    std::copy(notions.begin(), notions.end(), e.notions.begin());
  }

  // The names as the exercise window reads them: relative to the output's folder.
  const fs::path outPath = fs::absolute(fs::path(*output)).lexically_normal();
  const fs::path outFolder = outPath.parent_path();
  const std::string folder = files::exerciseFolder(outPath.string());
  // Without its folder, nothing it names can be beside it.
  std::error_code ec;
  if (!fs::is_directory(outFolder, ec)) {
    err << kWho << msg::writeFailure(*output, {fileio::SaveCause::FolderMissing, ENOENT}).text << "\n";
    return 1;
  }
  bool ok = true;
  for (std::size_t k = 0; k < kReferences.size(); ++k) {
    if (!given[k]) continue;
    const Reference& r = kReferences[k];
    const std::string name =
        fs::absolute(fs::path(*given[k])).lexically_normal().lexically_relative(outFolder).generic_string();
    if (!files::plainFileName(name)) {
      err << kWho << r.what << " « " << escaped(*given[k]) << " » : " << kOutsideFolder << " ("
          << escaped(outFolder.string()) << ")\n";
      ok = false;
    } else if (const auto why = unfit(name)) {
      err << kWho << r.what << " « " << escaped(name) << " » : nom impossible à enregistrer (" << *why << ")\n";
      ok = false;
    } else if (const auto why = wouldNotOpen(r.kind, files::referencedPath(folder, name))) {
      err << kWho << r.what << " « " << escaped(*given[k]) << " » : ne s'ouvre pas : " << *why << "\n";
      ok = false;
    }
    e.*r.field = name;
  }
  auto checkText = [&](const char* what, const std::string& text) {
    if (const auto why = unfit(text)) {
      err << kWho << what << " « " << escaped(text) << " » : texte impossible à enregistrer (" << *why << ")\n";
      ok = false;
    }
  };
  if (!checkResults(results, given[1] ? files::referencedPath(folder, e.configuration) : std::string(), err))
    ok = false;
  else if (!files::writeResults(e.extension, results)) {
    err << kWho << "--resultat : texte impossible à enregistrer\n";
    ok = false;
  }
  checkText("titre", e.title);
  for (const std::string& n : e.notions) checkText("notions", n);
  if (!ok) return 1;

  fileio::SaveFailure failure;
  if (!files::writeExercise(*output, e, &failure)) {
    err << kWho << msg::writeFailure(*output, failure).text << "\n";
    return 1;
  }
  return 0;
}

}  // namespace velmira::tools
