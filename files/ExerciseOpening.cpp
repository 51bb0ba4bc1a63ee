// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/ExerciseOpening.h"

#include <cctype>

#include "files/ExerciseFile.h"
#include "files/rtf/RtfFile.h"
#include "model/FlagFile.h"
#include "platform/core/NumberText.h"
#include "platform/core/SafeFile.h"

namespace velmira::files {

Message referencedFileMissing(const std::string& path) {
  return msg::criticalOk(msg::shownFormat(VELMIRA_TEXT("velmira::msg", "Le fichier %1 est introuvable"), {path}),
                         VELMIRA_TEXT("velmira::msg", "Fichier absent"));
}
Message gettingStartedFailure() {
  return msg::criticalOk(VELMIRA_TEXT("velmira::msg", "Fichier introuvable. Revoir l'installation du logiciel."),
                         VELMIRA_TEXT("velmira::msg", "Erreur lors du chargement"));
}
Message textReadFailure() {
  return msg::criticalOk(VELMIRA_TEXT("velmira::msg", "Vérifier l'état du lecteur et le nom du fichier."),
                         VELMIRA_TEXT("velmira::msg", "Erreur de lecture."));
}

namespace {

bool blank(const std::string& text) { return num::trim(text).empty(); }

// The loads of an activity: the file at `path` read, then its statement
// (record `statement`, skipped when blank if `statementOptional`) and, when
// not blank, its configuration (record `configuration`), both from `folder`.
// An unreadable file, or one naming no statement where one is needed, shows `unreadable`, a statement that cannot be
// read `missing(its path)`, and then no configuration is loaded.
template <typename Missing>
OpenOutcome openActivity(const std::string& path, std::string folder, ExerciseItem statement,
                         ExerciseItem configuration, bool statementOptional, const Message& unreadable, Missing missing,
                         ExerciseTarget& target, MessageService& messages) {
  OpenOutcome out;
  out.folder = std::move(folder);
  out.result = OpenResult::Failed;
  ExerciseFile file;
  const auto texts = file.load(path) ? file.readBoth(statement, configuration) : std::nullopt;
  if (!texts) {
    messages.show(unreadable);
    return out;
  }
  out.corrected = file.corrected();
  out.results = readResults(file.extension().items);
  const auto& [statementName, configurationName] = *texts;
  // An activity that names no statement (an empty file) is one that cannot be read.
  if (!statementOptional && blank(statementName)) {
    messages.show(unreadable);
    return out;
  }
  if (!blank(statementName)) {
    const std::string statementPath = referencedPath(out.folder, statementName);
    // Only a file of the activity's own folder is read.
    rtf::FileRead read;
    if (plainFileName(statementName)) read = rtf::loadRtfFile(statementPath);
    if (!read.document) {
      messages.show(missing(statementPath));
      return out;
    }
    target.showStatement(std::move(*read.document), statementPath);
  }
  if (!blank(configurationName)) {
    const std::string configurationPath = referencedPath(out.folder, configurationName);
    if (!plainFileName(configurationName)) {
      messages.show(missing(configurationPath));
      return out;
    }
    target.loadConfiguration(configurationPath);
  }
  out.result = OpenResult::Opened;
  return out;
}

}  // namespace

OpenOutcome openExercise(const std::string& exercisePath, ExerciseTarget& target, MessageService& messages) {
  if (blank(exercisePath)) return {};
  return openActivity(exercisePath, exerciseFolder(exercisePath), ExerciseItem::Statement, ExerciseItem::Configuration,
                      false, exerciseUnreadable(), referencedFileMissing, target, messages);
}

OpenOutcome openCorrection(const std::string& fileNameField, ExerciseTarget& target, MessageService& messages) {
  if (blank(fileNameField)) return {};
  return openActivity(fileNameField, exerciseFolder(fileNameField), ExerciseItem::CorrectedStatement,
                      ExerciseItem::CorrectedConfiguration, true, exerciseUnreadable(), referencedFileMissing, target,
                      messages);
}

namespace {

std::string gettingStartedName(GettingStarted activity) {
  return std::string(activity == GettingStarted::Simulator ? "VELMIRA" : "VELMIRB") + kGettingStartedExtension;
}

}  // namespace

std::string gettingStartedPath(const std::string& appFolder, GettingStarted activity) {
  return model::withSeparator(appFolder) + gettingStartedName(activity);
}

std::optional<GettingStarted> gettingStartedActivity(const std::string& path) {
  std::string name = path.substr(path.find_last_of('/') + 1);
  for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  for (const auto activity : {GettingStarted::Simulator, GettingStarted::Table})
    if (name == gettingStartedName(activity)) return activity;
  return std::nullopt;
}

OpenOutcome openGettingStarted(const std::string& appFolder, GettingStarted activity, ExerciseTarget& target,
                               MessageService& messages) {
  return openGettingStartedFile(gettingStartedPath(appFolder, activity), target, messages);
}

OpenOutcome openGettingStartedFile(const std::string& path, ExerciseTarget& target, MessageService& messages) {
  if (!fileio::exists(path)) return {};
  return openActivity(
      path, exerciseFolder(path), ExerciseItem::Statement, ExerciseItem::Configuration, false, gettingStartedFailure(),
      [](const std::string&) { return gettingStartedFailure(); }, target, messages);
}

bool saveExerciseText(const std::string& path, const rtf::RichDocument& document, MessageService& messages) {
  fileio::ReadOnlyTarget readOnly;
  if (!msg::mayReplace(path, true, messages, readOnly)) return false;
  fileio::SaveFailure failure;
  if (rtf::saveRtfFile(path, document, &failure, readOnly)) return true;
  messages.show(msg::writeFailure(path, failure));
  return false;
}

std::optional<rtf::RichDocument> readExerciseText(const std::string& path, MessageService& messages) {
  rtf::FileRead read = rtf::loadRtfFile(path);
  if (!read.document) messages.show(textReadFailure());
  return std::move(read.document);
}

}  // namespace velmira::files
