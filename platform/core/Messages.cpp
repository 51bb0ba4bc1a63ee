#include "platform/core/Messages.h"

#include <cstring>
#include <utility>

namespace velmira {

std::optional<std::string> MessageService::ask(const TextQuestion&) { return std::nullopt; }

}  // namespace velmira

namespace velmira::msg {

Message criticalOk(std::string text, std::string title) {
  return {std::move(text), std::move(title), Icon::Critical, Buttons::Ok};
}
Message information(std::string text, std::string title) {
  return {std::move(text), std::move(title), Icon::Information, Buttons::Ok};
}
Message questionOkCancel(std::string text, std::string title) {
  return {std::move(text), std::move(title), Icon::Question, Buttons::OkCancel};
}
Message exclamationYesNo(std::string text, std::string title) {
  return {std::move(text), std::move(title), Icon::Exclamation, Buttons::YesNo};
}
Message exclamationOk(std::string text, std::string title) {
  return {std::move(text), std::move(title), Icon::Exclamation, Buttons::Ok};
}

std::string saveCauseText(const fileio::SaveFailure& failure) {
  using fileio::SaveCause;
  switch (failure.cause) {
    case SaveCause::None:
      return "";
    case SaveCause::IsFolder:
      return "c'est un dossier";
    case SaveCause::FolderMissing:
      return "dossier introuvable";
    case SaveCause::NameTooLong:
      return "nom trop long";
    case SaveCause::DiskFull:
      return "disque plein";
    case SaveCause::AccessDenied:
      return "accès refusé";
    case SaveCause::ReadOnlyFile:
      return "fichier en lecture seule";
    case SaveCause::NotRegularFile:
      return "ce n'est pas un fichier ordinaire";
    case SaveCause::UnfitText:
      return "un texte ne tient pas dans le fichier";
    case SaveCause::System:
      break;
  }
  return failure.error != 0 ? std::strerror(failure.error) : "erreur d'écriture";
}

Message writeFailure(const std::string& path, const fileio::SaveFailure& failure) {
  return criticalOk("Enregistrement impossible : « " + path + " » : " + saveCauseText(failure),
                    "Enregistrement impossible");
}

Message replaceReadOnlyQuestion(const std::string& path) {
  return exclamationYesNo("Le fichier « " + path + " » est en lecture seule.\nLe remplacer quand même ?",
                          "Fichier en lecture seule");
}

bool mayReplace(const std::string& path, bool askOverReadOnly, MessageService& messages,
                fileio::ReadOnlyTarget& readOnly) {
  readOnly = fileio::ReadOnlyTarget::Refuse;
  if (!askOverReadOnly || !fileio::isReadOnlyFile(path)) return true;
  if (messages.show(replaceReadOnlyQuestion(path)) != Answer::Yes) return false;
  readOnly = fileio::ReadOnlyTarget::Replace;
  return true;
}

Message readFailure() { return criticalOk("Lecture impossible sur disque", "Erreur lors du chargement du fichier"); }
Message notConfiguration() {
  return criticalOk("Ce fichier ne correspond pas à cette application", "Fichier non valide");
}

Message textCut() { return information("Texte trop long : seul le début est affiché.", "Texte trop long"); }

Message saveDiscardCancel(std::string text, std::string title) {
  return {std::move(text), std::move(title), Icon::Exclamation, Buttons::SaveDiscardCancel};
}
Message resumeOrNot(std::string text, std::string title) {
  return {std::move(text), std::move(title), Icon::Question, Buttons::ResumeOrNot};
}

}  // namespace velmira::msg
