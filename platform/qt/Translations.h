// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// French for the Qt-provided texts (standard buttons, text-field context
// menus, dialogs) and the French default locale, whatever the system locale.
class QCoreApplication;

namespace velmira::qtp {

// Installs Qt's own French catalogue ("qtbase_fr") from Qt's translations
// folder on `app` and makes French the default locale. True when the
// catalogue was found and installed; the locale is set either way.
bool installFrenchTranslations(QCoreApplication& app);

}  // namespace velmira::qtp
