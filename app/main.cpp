#include <QApplication>
#include <QTimer>
#include <string_view>

#include "app/ProgramStart.h"
#include "files/PdfCommand.h"
#include "platform/qt/AllocatorTuning.h"
#include "platform/qt/QtMessageService.h"
#include "ui/MainWindow.h"
#include "ui/PdfCommand.h"

int main(int argc, char** argv) {
  // `velmira --pdf SORTIE.pdf FICHIER` prints without a window.
  if (argc > 1 && std::string_view(argv[1]) == velmira::files::kPdfOption) return velmira::ui::runPdfCommand(argc, argv);
  velmira::qtp::keepPictureMemory();
  QApplication app(argc, argv);
  const velmira::app::ProgramFolders folders = velmira::app::prepareProgram(app);
  velmira::qtp::QtMessageService messages;
  velmira::ui::MainWindow window(messages, folders.data, folders.flag);
  messages.setParent(&window);
  window.show();
  // A configuration or an exercise given on the command line (a double-click
  // in the file manager) opens once the window is up.
  if (argc > 1) {
    const QString file = QString::fromLocal8Bit(argv[1]);
    QTimer::singleShot(0, &window, [&window, file] { window.openFile(file); });
  }
  return app.exec();
}
