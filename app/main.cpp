#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QIcon>
#include <QStandardPaths>
#include <QTimer>
#include <string_view>

#include "files/PdfCommand.h"
#include "files/RecoveryFiles.h"
#include "platform/core/AppFolders.h"
#include "platform/qt/AllocatorTuning.h"
#include "platform/qt/QtMessageService.h"
#include "platform/qt/Translations.h"
#include "ui/MainWindow.h"
#include "ui/PdfCommand.h"

int main(int argc, char** argv) {
  // `velmira --pdf SORTIE.pdf FICHIER` prints without a window.
  if (argc > 1 && std::string_view(argv[1]) == velmira::files::kPdfOption) return velmira::ui::runPdfCommand(argc, argv);
  velmira::qtp::keepPictureMemory();
  QApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("velmira"));
  // The desktop entry and the icon the desktop shows for the window.
  QGuiApplication::setDesktopFileName(QStringLiteral("fr.velmira.Velmira"));
  QIcon icon;
  for (const QString& size : QDir(QStringLiteral(":/icons")).entryList())
    icon.addFile(QStringLiteral(":/icons/") + size);
  QApplication::setWindowIcon(icon);
  velmira::qtp::installFrenchTranslations(app);
  const auto folders =
      velmira::fileio::appFolders(QCoreApplication::applicationDirPath().toStdString(),
                                  QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString());
  velmira::qtp::QtMessageService messages;
  velmira::ui::MainWindow window(messages, QString::fromStdString(folders.data), QString::fromStdString(folders.flag));
  messages.setParent(&window);
  window.show();
  // The recovery copy of the work, and the copies of runs that stopped.
  window.keepRecovery(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                      QStringLiteral("/velmira/") + QString::fromUtf8(velmira::files::kRecoveryFolder));
  QTimer::singleShot(0, &window, [&window] { window.offerRecovery(); });
  // A configuration or an exercise given on the command line (a double-click
  // in the file manager) opens once the window is up.
  if (argc > 1) {
    const QString file = QString::fromLocal8Bit(argv[1]);
    QTimer::singleShot(0, &window, [&window, file] { window.openFile(file); });
  }
  return app.exec();
}
