#include "files/ExerciseOpening.h"

#include "files/ExerciseFile.h"
#include "files/rtf/RtfFile.h"
#include "model/FlagFile.h"
#include "platform/core/NumberText.h"
#include "platform/core/SafeFile.h"

namespace velmira::files {

Message referencedFileMissing(const std::string& path) {
  return msg::criticalOk("Le fichier " + path + " est introuvable", "Fichier absent");
}
Message gettingStartedFailure() {
  return msg::criticalOk("Fichier introuvable. Revoir l'installation du logiciel.", "Erreur lors du chargement");
}
Message textWriteFailure() {
  return msg::criticalOk("Vérifier l'état du lecteur et le nom du fichier.", "Erreur d'écriture.");
}
Message textReadFailure() {
  return msg::criticalOk("Vérifier l'état du lecteur et le nom du fichier.", "Erreur de lecture.");
}

namespace {

bool blank(const std::string& text) { return num::trim(text).empty(); }

// The statement named `name` then, when `configuration` is not blank, the
// configuration; `failure` is the message of a statement that cannot be read.
template <typename Failure>
bool loadPair(const std::string& folder, const std::optional<std::string>& statement,
              const std::string& configuration, ExerciseTarget& target, MessageService& messages,
              Failure failure) {
  if (statement) {
    const std::string path = referencedPath(folder, *statement);
    rtf::FileRead read = rtf::loadRtfFile(path);
    if (!read.document) {
      messages.show(failure(path));
      return false;
    }
    target.showStatement(std::move(*read.document), path);
  }
  if (!blank(configuration)) target.loadConfiguration(referencedPath(folder, configuration));
  return true;
}

}  // namespace

OpenOutcome openExercise(const std::string& fichierexo, ExerciseTarget& target, MessageService& messages) {
  OpenOutcome out;
  if (blank(fichierexo)) return out;
  out.folder = exerciseFolder(fichierexo);
  ExerciseFile file;
  const auto statement = file.load(fichierexo) ? file.read(ExerciseItem::Statement) : std::nullopt;
  const auto configuration = statement ? file.read(ExerciseItem::Configuration) : std::nullopt;
  out.result = OpenResult::Failed;
  if (!configuration) {
    messages.show(exerciseUnreadable());
    return out;
  }
  out.corrected = !blank(file.read(ExerciseItem::CorrectedStatement).value_or("")) ||
                  !blank(file.read(ExerciseItem::CorrectedConfiguration).value_or(""));
  if (loadPair(out.folder, statement, *configuration, target, messages, referencedFileMissing))
    out.result = OpenResult::Opened;
  return out;
}

OpenOutcome openCorrection(const std::string& fich, ExerciseTarget& target, MessageService& messages) {
  OpenOutcome out;
  if (blank(fich)) return out;
  out.folder = exerciseFolder(fich);
  ExerciseFile file;
  const auto statement = file.load(fich) ? file.read(ExerciseItem::CorrectedStatement) : std::nullopt;
  const auto configuration = statement ? file.read(ExerciseItem::CorrectedConfiguration) : std::nullopt;
  out.result = OpenResult::Failed;
  if (!configuration) {
    messages.show(exerciseUnreadable());
    return out;
  }
  out.corrected = !blank(*statement) || !blank(*configuration);
  const auto named = blank(*statement) ? std::nullopt : statement;
  if (loadPair(out.folder, named, *configuration, target, messages, referencedFileMissing))
    out.result = OpenResult::Opened;
  return out;
}

std::string gettingStartedPath(const std::string& appFolder, GettingStarted activity) {
  return model::withSeparator(appFolder) + (activity == GettingStarted::Simulator ? "VELMIRA" : "VELMIRB") +
         kGettingStartedExtension;
}

OpenOutcome openGettingStarted(const std::string& appFolder, GettingStarted activity, ExerciseTarget& target,
                               MessageService& messages) {
  OpenOutcome out;
  const std::string path = gettingStartedPath(appFolder, activity);
  if (!fileio::exists(path)) return out;
  out.folder = model::withSeparator(appFolder);
  ExerciseFile file;
  const auto statement = file.load(path) ? file.read(ExerciseItem::Statement) : std::nullopt;
  const auto configuration = statement ? file.read(ExerciseItem::Configuration) : std::nullopt;
  out.result = OpenResult::Failed;
  if (!configuration) {
    messages.show(gettingStartedFailure());
    return out;
  }
  if (loadPair(out.folder, statement, *configuration, target, messages,
               [](const std::string&) { return gettingStartedFailure(); }))
    out.result = OpenResult::Opened;
  return out;
}

bool saveExerciseText(const std::string& path, const rtf::RichDocument& document, MessageService& messages) {
  if (rtf::saveRtfFile(path, document)) return true;
  messages.show(textWriteFailure());
  return false;
}

std::optional<rtf::RichDocument> readExerciseText(const std::string& path, MessageService& messages) {
  rtf::FileRead read = rtf::loadRtfFile(path);
  if (!read.document) messages.show(textReadFailure());
  return std::move(read.document);
}

}  // namespace velmira::files
