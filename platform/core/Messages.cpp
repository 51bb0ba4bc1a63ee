// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/Messages.h"

#include <cerrno>
#include <string>
#include <utility>

namespace velmira {

std::optional<std::string> MessageService::ask(const TextQuestion&) { return std::nullopt; }
std::optional<std::size_t> MessageService::choose(const ChoiceQuestion&) { return std::nullopt; }

}  // namespace velmira

namespace velmira::msg {

namespace {
TextTranslator translator = nullptr;
}  // namespace

void setTextTranslator(TextTranslator hook) { translator = hook; }

std::string shownText(std::string_view context, std::string_view french) {
  return translator ? translator(context, french) : std::string(french);
}

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
  return failure.error != 0 ? systemErrorText(failure.error) : "erreur d'écriture";
}

std::string systemErrorText(int error) {
  switch (error) {
    case ENOENT:
      return "fichier introuvable";
    case ENOTDIR:
      return "dossier introuvable";
    case EISDIR:
      return "c'est un dossier";
    case EACCES:
    case EPERM:
      return "accès refusé";
    case ENAMETOOLONG:
      return "nom trop long";
    case ENOSPC:
    case EDQUOT:
      return "disque plein";
    case EFBIG:
    case EOVERFLOW:
      return "fichier trop grand";
    case ELOOP:
      return "trop de liens symboliques";
    case EROFS:
      return "disque en lecture seule";
    case EIO:
      return "erreur d'entrée-sortie";
    case EBUSY:
    case ETXTBSY:
      return "fichier occupé";
    case EEXIST:
      return "le fichier existe déjà";
    case EXDEV:
      return "autre disque";
    case ENXIO:
    case ENODEV:
      return "périphérique absent";
    case EMFILE:
    case ENFILE:
      return "trop de fichiers ouverts";
    case ENOMEM:
      return "mémoire insuffisante";
    case EAGAIN:
      return "ressource momentanément indisponible";
    case EINTR:
      return "opération interrompue";
    case EINVAL:
      return "opération non valide";
    case ESTALE:
    case ETIMEDOUT:
    case EHOSTDOWN:
    case EHOSTUNREACH:
    case ENETDOWN:
    case ENETUNREACH:
    case ECONNREFUSED:
    case ECONNRESET:
      return "disque réseau injoignable";
    case EMLINK:
      return "trop de liens";
    case ENOTEMPTY:
      return "dossier non vide";
    default:
      return "erreur système " + std::to_string(error);
  }
}

Message writeFailure(const std::string& path, const fileio::SaveFailure& failure) {
  return criticalOk("Enregistrement impossible : « " + path + " » : " + saveCauseText(failure),
                    VELMIRA_TEXT("velmira::msg", "Enregistrement impossible"));
}

Message replaceReadOnlyQuestion(const std::string& path) {
  return exclamationYesNo("Le fichier « " + path + " » est en lecture seule.\nLe remplacer quand même ?",
                          VELMIRA_TEXT("velmira::msg", "Fichier en lecture seule"));
}

bool mayReplace(const std::string& path, bool askOverReadOnly, MessageService& messages,
                fileio::ReadOnlyTarget& readOnly) {
  readOnly = fileio::ReadOnlyTarget::Refuse;
  if (!askOverReadOnly || !fileio::isReadOnlyFile(path)) return true;
  if (messages.show(replaceReadOnlyQuestion(path)) != Answer::Yes) return false;
  readOnly = fileio::ReadOnlyTarget::Replace;
  return true;
}

Message readFailure() {
  return criticalOk(VELMIRA_TEXT("velmira::msg", "Lecture impossible sur disque"),
                    VELMIRA_TEXT("velmira::msg", "Erreur lors du chargement du fichier"));
}
Message notConfiguration() {
  return criticalOk(VELMIRA_TEXT("velmira::msg", "Ce fichier ne correspond pas à cette application"),
                    VELMIRA_TEXT("velmira::msg", "Fichier non valide"));
}

Message textCut() {
  return information(VELMIRA_TEXT("velmira::msg", "Texte trop long : seul le début est affiché."),
                     VELMIRA_TEXT("velmira::msg", "Texte trop long"));
}

Message saveDiscardCancel(std::string text, std::string title) {
  return {std::move(text), std::move(title), Icon::Exclamation, Buttons::SaveDiscardCancel};
}

}  // namespace velmira::msg
