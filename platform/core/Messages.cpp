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

std::string shownFormat(std::string_view context, std::string_view pattern,
                        std::initializer_list<std::string_view> args) {
  const std::string shown = shownText(context, pattern);
  std::string out;
  out.reserve(shown.size());
  for (std::size_t i = 0; i < shown.size(); ++i) {
    const char c = shown[i];
    const std::size_t n = i + 1 < shown.size() ? static_cast<std::size_t>(shown[i + 1] - '0') : 0;
    if (c == '%' && n >= 1 && n <= 9 && n <= args.size()) {
      out += *(args.begin() + (n - 1));
      ++i;
    } else {
      out += c;
    }
  }
  return out;
}

std::string shown(std::string_view french) { return shownText(kMessageContext, french); }

std::string shownFormat(std::string_view pattern, std::initializer_list<std::string_view> args) {
  return shownFormat(kMessageContext, pattern, args);
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
      return shown(VELMIRA_TEXT("velmira::msg", "c'est un dossier"));
    case SaveCause::FolderMissing:
      return shown(VELMIRA_TEXT("velmira::msg", "dossier introuvable"));
    case SaveCause::NameTooLong:
      return shown(VELMIRA_TEXT("velmira::msg", "nom trop long"));
    case SaveCause::DiskFull:
      return shown(VELMIRA_TEXT("velmira::msg", "disque plein"));
    case SaveCause::AccessDenied:
      return shown(VELMIRA_TEXT("velmira::msg", "accès refusé"));
    case SaveCause::ReadOnlyFile:
      return shown(VELMIRA_TEXT("velmira::msg", "fichier en lecture seule"));
    case SaveCause::NotRegularFile:
      return shown(VELMIRA_TEXT("velmira::msg", "ce n'est pas un fichier ordinaire"));
    case SaveCause::UnfitText:
      return shown(VELMIRA_TEXT("velmira::msg", "un texte ne tient pas dans le fichier"));
    case SaveCause::System:
      break;
  }
  return failure.error != 0 ? systemErrorText(failure.error) : shown(VELMIRA_TEXT("velmira::msg", "erreur d'écriture"));
}

std::string systemErrorText(int error) {
  switch (error) {
    case ENOENT:
      return shown(VELMIRA_TEXT("velmira::msg", "fichier introuvable"));
    case ENOTDIR:
      return shown(VELMIRA_TEXT("velmira::msg", "dossier introuvable"));
    case EISDIR:
      return shown(VELMIRA_TEXT("velmira::msg", "c'est un dossier"));
    case EACCES:
    case EPERM:
      return shown(VELMIRA_TEXT("velmira::msg", "accès refusé"));
    case ENAMETOOLONG:
      return shown(VELMIRA_TEXT("velmira::msg", "nom trop long"));
    case ENOSPC:
    case EDQUOT:
      return shown(VELMIRA_TEXT("velmira::msg", "disque plein"));
    case EFBIG:
    case EOVERFLOW:
      return shown(VELMIRA_TEXT("velmira::msg", "fichier trop grand"));
    case ELOOP:
      return shown(VELMIRA_TEXT("velmira::msg", "trop de liens symboliques"));
    case EROFS:
      return shown(VELMIRA_TEXT("velmira::msg", "disque en lecture seule"));
    case EIO:
      return shown(VELMIRA_TEXT("velmira::msg", "erreur d'entrée-sortie"));
    case EBUSY:
    case ETXTBSY:
      return shown(VELMIRA_TEXT("velmira::msg", "fichier occupé"));
    case EEXIST:
      return shown(VELMIRA_TEXT("velmira::msg", "le fichier existe déjà"));
    case EXDEV:
      return shown(VELMIRA_TEXT("velmira::msg", "autre disque"));
    case ENXIO:
    case ENODEV:
      return shown(VELMIRA_TEXT("velmira::msg", "périphérique absent"));
    case EMFILE:
    case ENFILE:
      return shown(VELMIRA_TEXT("velmira::msg", "trop de fichiers ouverts"));
    case ENOMEM:
      return shown(VELMIRA_TEXT("velmira::msg", "mémoire insuffisante"));
    case EAGAIN:
      return shown(VELMIRA_TEXT("velmira::msg", "ressource momentanément indisponible"));
    case EINTR:
      return shown(VELMIRA_TEXT("velmira::msg", "opération interrompue"));
    case EINVAL:
      return shown(VELMIRA_TEXT("velmira::msg", "opération non valide"));
    case ESTALE:
    case ETIMEDOUT:
    case EHOSTDOWN:
    case EHOSTUNREACH:
    case ENETDOWN:
    case ENETUNREACH:
    case ECONNREFUSED:
    case ECONNRESET:
      return shown(VELMIRA_TEXT("velmira::msg", "disque réseau injoignable"));
    case EMLINK:
      return shown(VELMIRA_TEXT("velmira::msg", "trop de liens"));
    case ENOTEMPTY:
      return shown(VELMIRA_TEXT("velmira::msg", "dossier non vide"));
    default:
      return shownFormat(VELMIRA_TEXT("velmira::msg", "erreur système %1"), {std::to_string(error)});
  }
}

Message writeFailure(const std::string& path, const fileio::SaveFailure& failure) {
  return criticalOk(shownFormat(VELMIRA_TEXT("velmira::msg", "Enregistrement impossible : « %1 » : %2"),
                                {path, saveCauseText(failure)}),
                    VELMIRA_TEXT("velmira::msg", "Enregistrement impossible"));
}

Message replaceReadOnlyQuestion(const std::string& path) {
  return exclamationYesNo(
      shownFormat(VELMIRA_TEXT("velmira::msg", "Le fichier « %1 » est en lecture seule.\nLe remplacer quand même ?"),
                  {path}),
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
