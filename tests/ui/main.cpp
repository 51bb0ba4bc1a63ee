// The test program of the windows: one QApplication for every test, French
// Qt texts as in the program.
#include <gtest/gtest.h>

#include <QApplication>

#include "platform/qt/Translations.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  velmira::qtp::installFrenchTranslations(app);
  return RUN_ALL_TESTS();
}
