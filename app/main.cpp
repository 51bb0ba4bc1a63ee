#include <QApplication>
#include <QCoreApplication>

#include "platform/qt/AllocatorTuning.h"
#include "platform/qt/QtMessageService.h"
#include "platform/qt/Translations.h"
#include "ui/MainWindow.h"

int main(int argc, char** argv) {
  velmira::qtp::keepPictureMemory();
  QApplication app(argc, argv);
  velmira::qtp::installFrenchTranslations(app);
  velmira::qtp::QtMessageService messages;
  velmira::ui::MainWindow window(messages, QCoreApplication::applicationDirPath());
  messages.setParent(&window);
  window.show();
  return app.exec();
}
