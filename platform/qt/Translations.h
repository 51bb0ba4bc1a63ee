// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The language of the windows: the program's own catalogue (French is the
// source language, so French needs none) and Qt's for the Qt-provided texts
// (standard buttons, text-field context menus, dialogs). The default locale
// stays French whatever the language: the windows keep the program's number
// conventions (decimal comma).
#include <QString>
#include <QStringList>
#include <string_view>

class QCoreApplication;
class QTranslator;

namespace velmira::qtp {

enum class UiLanguage { French, English };

// English when the system's preferred interface language (the first of
// QLocale::uiLanguages(), "en", "en-US"...) is English, French otherwise.
UiLanguage chooseLanguage(const QStringList& uiLanguages);

// The folder of the program's catalogues in its application folder.
QString catalogueFolder(const QString& appFolder);

// Loads the program's catalogue for `language` into `translator`: true when
// one was loaded (never for French, the source language).
bool loadProgramCatalogue(QTranslator& translator, const QString& appFolder, UiLanguage language);

// Installs on `app` Qt's own catalogue and the program's for `language`, and
// makes French the default locale; fills the core's translation seam with
// the installed catalogues. True when every catalogue the language
// needs was found and installed; the locale is set either way.
bool installTranslations(QCoreApplication& app, const QString& appFolder, UiLanguage language);

// The language installTranslations last installed (French before any).
UiLanguage installedLanguage();

// A text the core built (platform/core/Messages.h), in the windows' language.
QString shownMessageText(std::string_view french);

}  // namespace velmira::qtp
