#include "files/ui/CorrectionWindow.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

#include "files/ui/RichTextDocument.h"
#include "platform/qt/Fonts.h"

namespace velmira::files::ui {

namespace {
constexpr int kWidth = 420, kHeight = 560, kGap = 8;
}

CorrectionWindow::CorrectionWindow(QWidget* mainWindow) : QWidget(mainWindow, Qt::Window), mainWindow_(mainWindow) {
  setObjectName(QStringLiteral("correctionWindow"));
  setWindowTitle(QStringLiteral("Correction"));
  text_ = new QTextEdit(this);
  text_->setObjectName(QStringLiteral("correctionText"));
  text_->setAccessibleName(QStringLiteral("Correction"));
  text_->setReadOnly(true);
  text_->setTabChangesFocus(true);
  text_->document()->setDefaultFont(qtp::mapFont(QStringLiteral("Arial"), 10));
  configurationButton_ = new QPushButton(QStringLiteral("&Charger la configuration corrigée"), this);
  configurationButton_->setObjectName(QStringLiteral("correctedConfiguration"));
  auto* close = new QPushButton(QStringLiteral("&Fermer"), this);
  close->setObjectName(QStringLiteral("closeCorrection"));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(configurationButton_);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_);
  layout->addLayout(buttons);
  connect(configurationButton_, &QPushButton::clicked, this, [this] { emit configurationAsked(configurationPath_); });
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  resize(kWidth, kHeight);
}

void CorrectionWindow::showCorrection(const rtf::RichDocument& statement, const std::vector<std::string>& heading,
                                      const std::string& configurationPath) {
  fillTextDocument(*text_->document(), statement);
  if (!heading.empty()) {
    QTextCursor c(text_->document());
    c.movePosition(QTextCursor::Start);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    for (std::size_t i = 0; i < heading.size(); ++i) {
      // A line ending in ":" heads the lines after it.
      const QString line = QString::fromStdString(heading[i]);
      c.insertText(line, line.endsWith(QLatin1Char(':')) ? bold : QTextCharFormat());
      c.insertBlock();
    }
    c.insertBlock();
  }
  text_->moveCursor(QTextCursor::Start);
  configurationPath_ = configurationPath;
  configurationButton_->setVisible(!configurationPath.empty());
  if (!isVisible()) placeBeside();
  show();
  raise();
  activateWindow();
}

void CorrectionWindow::placeBeside() {
  const QRect main = mainWindow_->frameGeometry();
  const QScreen* screen = mainWindow_->screen() ? mainWindow_->screen() : QGuiApplication::primaryScreen();
  const QRect room = screen ? screen->availableGeometry() : QRect(main.topLeft(), QSize(kWidth, kHeight));
  // On the right of the main window where it fits, else on its left, else
  // at the screen's right edge over it.
  int x = main.right() + kGap;
  if (x + kWidth > room.right()) x = main.left() - kGap - kWidth;
  if (x < room.left()) x = room.right() - kWidth;
  const int y = std::clamp(main.top(), room.top(), std::max(room.top(), room.bottom() - kHeight));
  move(x, y);
}

}  // namespace velmira::files::ui
