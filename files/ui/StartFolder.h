// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The folder the open and save windows show first.
#include <QString>
#include <string>

namespace velmira {
class MessageService;
}

namespace velmira::files::ui {

// The folder of the configuration last opened or saved when it still
// exists, else the pupil's documents, else the home folder.
QString startFolder(const std::string& configPath);

// The pupil's documents, else the home folder.
QString documentsFolder();

// The folder and name a save window starts with for the work's file
// `currentFile` (see files::savePlace); `suffix` replaces the name's own
// (".RTF", ".csv"), `fallbackName` serves when there is none.
QString saveStartPath(const QString& currentFile, const QString& appFolder, const QString& suffix = QString(),
                      const QString& fallbackName = QString());

// A save into the application folder is refused, with its message: true then.
bool refusedSave(const QString& path, const QString& appFolder, MessageService& messages);

}  // namespace velmira::files::ui
