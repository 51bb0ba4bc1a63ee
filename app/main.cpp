// SPDX-License-Identifier: GPL-3.0-or-later
#include <unistd.h>

#include <QApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <cmath>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string_view>
#include <vector>

#include "app/ProgramStart.h"
#include "files/PdfCommand.h"
#include "files/ProgramUsage.h"
#include "files/RecoveryFiles.h"
#include "platform/core/AppFolders.h"
#include "platform/core/ScreenFit.h"
#include "platform/qt/AllocatorTuning.h"
#include "platform/qt/QtMessageService.h"
#include "platform/qt/ZoomSetting.h"
#include "ui/MainWindow.h"
#include "ui/PdfCommand.h"
#include "ui/ScrolledWindow.h"
#include "ui/ZoomCommands.h"

namespace {

// Set, to the environment's own factor, in the program started again with
// the factor that fits.
constexpr char kScaledMark[] = "VELMIRA_ECHELLE_CHOISIE";
// Set, to the state of the work kept (files::restartStateText), in the
// program started again at a new zoom.
constexpr char kRestartMark[] = "VELMIRA_REDEMARRAGE";

// The scale factor the user's environment asks for (1 when none).
double environmentScale() {
  bool ok = false;
  const double f = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
  return ok && f > 0 ? f : 1;
}

void setScale(double factor) { qputenv("QT_SCALE_FACTOR", QByteArray::number(factor, 'g', 6)); }

// A window manager's frame in the program's pixels at factor `current` (its
// size follows the desktop's own factor `base`).
QSizeF frameSize(double base, double current) {
  return {velmira::kFrameWidth * base / current, velmira::kFrameHeight * base / current};
}

// The screen's free area in the program's pixels at factor `current`, less a frame.
QSizeF freeArea(const QScreen& screen, double base, double current) {
  return QSizeF(screen.availableGeometry().size()) - frameSize(base, current);
}

// What the window needs of that area: on a wide screen the window's size rule
// puts its frame within 800 x 600, on a narrow one the frame comes on top.
QSizeF windowNeed(const QScreen& screen, double base, double current) {
  const QSizeF window(velmira::ui::kWindowWidth, velmira::ui::kWindowHeight);
  return screen.geometry().width() <= velmira::ui::kWideScreen ? window : window - frameSize(base, current);
}

// The window's whole size at factor 1 does not fit the screen at the factor
// the program runs with: it starts itself again, once, with one that fits.
void startAgainIfTooLarge(int zoom, double base, double current, char** argv) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen || qEnvironmentVariableIsSet(kScaledMark)) return;
  const QSizeF free = freeArea(*screen, base, current);
  const QSizeF need = windowNeed(*screen, base, current);
  const velmira::ScreenFit fit = velmira::fitScreen(zoom, current / base, free.width(), free.height(), need.width(),
                                                    need.height(), velmira::kLeastScale / base);
  if (std::abs(fit.factor * base - current) < 1e-6) return;
  setScale(fit.factor * base);
  qputenv(kScaledMark, QByteArray::number(base, 'g', 6));
  ::execv("/proc/self/exe", argv);  // on failure the program runs on at its factor
}

// The window does not fit the screen's free area at the factor the program
// runs with (only below the least scale).
bool windowTooLarge(double base, double current) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return false;
  const QSizeF free = freeArea(*screen, base, current);
  const QSizeF need = windowNeed(*screen, base, current);
  return free.width() < need.width() - 0.5 || free.height() < need.height() - 0.5;
}

}  // namespace

int main(int argc, char** argv) {
  namespace vf = velmira::files;
  // --help and --version print on standard output without a display.
  const std::string_view first = argc > 1 ? argv[1] : "";
  if (first == vf::kHelpOption || first == vf::kShortHelpOption || first == vf::kVersionOption) {
    std::cout << (first == vf::kVersionOption ? vf::versionLine("velmira", VELMIRA_VERSION) + "\n"
                                              : vf::programUsage());
    std::cout.flush();
    return std::cout ? 0 : 1;
  }
  // `velmira --pdf SORTIE.pdf FICHIER` prints without a window (nor settings).
  if (first == vf::kPdfOption) return velmira::ui::runPdfCommand(argc, argv);
  velmira::qtp::keepPictureMemory();
  // The zoom is Qt's scale factor, chosen before the application starts
  // (over the environment's own factor).
  const int zoom = velmira::qtp::storedZoom();
  const bool scaled = qEnvironmentVariableIsSet(kScaledMark);
  bool known = false;
  const double markedBase = qEnvironmentVariable(kScaledMark).toDouble(&known);
  const double base = !scaled ? environmentScale() : known && markedBase > 0 ? markedBase : 1;
  // The environment's own factor, given back to the program started again.
  const bool environmentScaled = scaled || qEnvironmentVariableIsSet("QT_SCALE_FACTOR");
  const QByteArray environmentFactor = scaled ? QByteArray::number(base, 'g', 6) : qgetenv("QT_SCALE_FACTOR");
  if (!scaled && zoom != velmira::kZoomLeast) setScale(base * zoom / 100.0);
  QApplication app(argc, argv);
  if (!scaled) startAgainIfTooLarge(zoom, base, environmentScale(), argv);
  qunsetenv(kScaledMark);
  const velmira::app::ProgramFolders folders = velmira::app::prepareProgram(app);
  velmira::qtp::QtMessageService messages;
  velmira::ui::MainWindow window(messages, folders.data, folders.flag);
  messages.setParent(&window);
  std::unique_ptr<velmira::ui::ScrolledWindow> scrolled;
  if (windowTooLarge(base, environmentScale())) {
    scrolled = std::make_unique<velmira::ui::ScrolledWindow>(window);
    scrolled->resize(freeArea(*QGuiApplication::primaryScreen(), base, environmentScale()).toSize());
    scrolled->show();
  } else {
    window.show();
  }
  // The recovery copy of the work, and the copies of runs that stopped.
  const QString recovery = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                           QStringLiteral("/velmira/") + QString::fromUtf8(velmira::files::kRecoveryFolder);
  window.keepRecovery(recovery);
  // A new zoom: the program starts again at once, the work kept, without a question.
  const std::string restartFolder = (recovery + u'/' + QString::fromUtf8(velmira::files::kRestartFolder)).toStdString();
  const std::string program = argv[0];
  window.restartProgram = [&window, restartFolder, program, environmentScaled, environmentFactor] {
    if (!velmira::files::recoveryFolderUsable(std::filesystem::path(restartFolder).parent_path().string()))
      return false;
    const std::string state = window.keepForRestart(restartFolder);
    if (state.empty()) return false;
    window.closeForRestart();
    if (environmentScaled)
      qputenv("QT_SCALE_FACTOR", environmentFactor);
    else
      qunsetenv("QT_SCALE_FACTOR");
    qputenv(kRestartMark, QByteArray::fromStdString(state));
    std::vector<char> name(program.begin(), program.end());
    name.push_back('\0');
    char* const args[] = {name.data(), nullptr};
    ::execv("/proc/self/exe", args);
    return false;  // runs on, as after its last change
  };
  if (qEnvironmentVariableIsSet(kRestartMark)) {
    const std::string state = qgetenv(kRestartMark).toStdString();
    qunsetenv(kRestartMark);
    QTimer::singleShot(0, &window, [&window, restartFolder, state, zoom] {
      window.resumeAfterRestart(restartFolder, state);
      velmira::ui::showZoomNotice(window, zoom);
    });
    return app.exec();
  }
  // A configuration or an exercise given on the command line (a double-click
  // in the file manager) opens once the window is up, after the recovery
  // question is answered (never loaded behind it).
  // Its name kept as its bytes: Qt's decoding would lose a name that is not UTF-8.
  const std::string file = argc > 1 ? argv[1] : std::string();
  QTimer::singleShot(0, &window, [&window, file] { window.startWork(file); });
  return app.exec();
}
