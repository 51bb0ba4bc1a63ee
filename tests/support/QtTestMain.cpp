// SPDX-License-Identifier: GPL-3.0-or-later
// The main of every window test program: one QApplication for its tests, the
// French windows and Qt texts and the program's own faces (the build tree's) as in the program,
// headless unless told otherwise.
#include <gtest/gtest.h>

#include <QApplication>

#include "platform/qt/Fonts.h"
#include "platform/qt/Translations.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  velmira::qtp::installTranslations(app, QStringLiteral(VELMIRA_PROGRAM_FOLDER), velmira::qtp::UiLanguage::French);
  velmira::qtp::useProgramFaces(QStringLiteral(VELMIRA_PROGRAM_FOLDER));
  return RUN_ALL_TESTS();
}
