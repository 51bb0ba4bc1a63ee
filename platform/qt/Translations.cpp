// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <string>

#include "platform/core/Messages.h"

namespace velmira::qtp {

namespace {
UiLanguage installed = UiLanguage::French;

std::string translateCoreText(std::string_view context, std::string_view french) {
  const std::string c(context), f(french);
  return QCoreApplication::translate(c.c_str(), f.c_str()).toStdString();
}
}  // namespace

UiLanguage chooseLanguage(const QStringList& uiLanguages) {
  if (uiLanguages.isEmpty()) return UiLanguage::French;
  const QString first = uiLanguages.front();
  const bool english = first.compare(QStringLiteral("en"), Qt::CaseInsensitive) == 0 ||
                       first.startsWith(QStringLiteral("en-"), Qt::CaseInsensitive) ||
                       first.startsWith(QStringLiteral("en_"), Qt::CaseInsensitive);
  return english ? UiLanguage::English : UiLanguage::French;
}

QString catalogueFolder(const QString& appFolder) { return QDir(appFolder).filePath(QStringLiteral("traductions")); }

bool loadProgramCatalogue(QTranslator& translator, const QString& appFolder, UiLanguage language) {
  if (language == UiLanguage::French) return false;
  return translator.load(QStringLiteral("velmira_en"), catalogueFolder(appFolder));
}

bool installTranslations(QCoreApplication& app, const QString& appFolder, UiLanguage language) {
  // The number conventions stay French in every language.
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  msg::setTextTranslator(&translateCoreText);
  installed = language;
  bool complete = true;
  // One translator per catalogue for the whole run, owned by the application.
  auto* qt = new QTranslator(&app);
  const QString qtName = language == UiLanguage::English ? QStringLiteral("qtbase_en") : QStringLiteral("qtbase_fr");
  if (qt->load(qtName, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(qt);
  } else {
    delete qt;
    // Qt's source texts are English: only French needs its catalogue.
    complete = language == UiLanguage::English;
  }
  if (language == UiLanguage::French) return complete;
  auto* own = new QTranslator(&app);
  if (!loadProgramCatalogue(*own, appFolder, language)) {
    delete own;
    return false;
  }
  QCoreApplication::installTranslator(own);
  return complete;
}

UiLanguage installedLanguage() { return installed; }

QString shownMessageText(std::string_view french) {
  return QString::fromStdString(msg::shownText(msg::kMessageContext, french));
}

}  // namespace velmira::qtp
