// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program does between its start and the main window's creation,
// shared with the start-up benchmark so that it measures the same work.
#include <QString>

class QApplication;

namespace velmira::app {

struct ProgramFolders {
  QString data;  // the application folder
  QString flag;  // where the flag file lies
};

// Names, desktop entry, window icon and French translations of the
// application; returns its folders.
ProgramFolders prepareProgram(QApplication& app);

}  // namespace velmira::app
