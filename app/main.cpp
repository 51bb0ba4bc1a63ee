#include <unistd.h>

#include <QApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <cmath>
#include <string_view>

#include "app/ProgramStart.h"
#include "files/PdfCommand.h"
#include "platform/core/ScreenFit.h"
#include "files/RecoveryFiles.h"
#include "platform/core/AppFolders.h"
#include "platform/qt/AllocatorTuning.h"
#include "platform/qt/QtMessageService.h"
#include "platform/qt/ZoomSetting.h"
#include "ui/MainWindow.h"
#include "ui/PdfCommand.h"

namespace {

// Set in the program started again with the factor that fits.
constexpr char kScaledMark[] = "VELMIRA_ECHELLE_CHOISIE";

// The scale factor the user's environment asks for (1 when none).
double environmentScale() {
  bool ok = false;
  const double f = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
  return ok && f > 0 ? f : 1;
}

void setScale(double factor) { qputenv("QT_SCALE_FACTOR", QByteArray::number(factor, 'g', 6)); }

// The window's whole size at factor 1 does not fit the screen at the factor
// the program runs with: it starts itself again, once, with one that fits.
void startAgainIfTooLarge(int zoom, double base, double current, char** argv) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen || qEnvironmentVariableIsSet(kScaledMark)) return;
  const QSize free = screen->availableGeometry().size();
  const velmira::ScreenFit fit = velmira::fitScreen(zoom, current / base, free.width(), free.height(),
                                                    velmira::ui::kWindowWidth, velmira::ui::kWindowHeight);
  if (std::abs(fit.factor * base - current) < 1e-6) return;
  setScale(fit.factor * base);
  qputenv(kScaledMark, "1");
  ::execv("/proc/self/exe", argv);  // on failure the program runs on at its factor
}

}  // namespace

int main(int argc, char** argv) {
  // `velmira --pdf SORTIE.pdf FICHIER` prints without a window (nor settings).
  if (argc > 1 && std::string_view(argv[1]) == velmira::files::kPdfOption) return velmira::ui::runPdfCommand(argc, argv);
  velmira::qtp::keepPictureMemory();
  // The zoom is Qt's scale factor, chosen before the application starts
  // (over the environment's own factor).
  const int zoom = velmira::qtp::storedZoom();
  const bool scaled = qEnvironmentVariableIsSet(kScaledMark);
  const double base = scaled ? 1 : environmentScale();
  if (!scaled && zoom != velmira::kZoomLeast) setScale(base * zoom / 100.0);
  QApplication app(argc, argv);
  if (!scaled) startAgainIfTooLarge(zoom, base, environmentScale(), argv);
  qunsetenv(kScaledMark);
  const velmira::app::ProgramFolders folders = velmira::app::prepareProgram(app);
  velmira::qtp::QtMessageService messages;
  velmira::ui::MainWindow window(messages, folders.data, folders.flag);
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
