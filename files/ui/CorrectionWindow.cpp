// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/ui/CorrectionWindow.h"

#include <QCoreApplication>
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
  setWindowTitle(QCoreApplication::translate("velmira::files::ui", "Correction"));
  text_ = new QTextEdit(this);
  text_->setObjectName(QStringLiteral("correctionText"));
  text_->setAccessibleName(QCoreApplication::translate("velmira::files::ui", "Correction"));
  text_->setReadOnly(true);
  text_->setTabChangesFocus(true);
  text_->document()->setDefaultFont(qtp::mapFont(QStringLiteral("Arial"), 10));
  configurationButton_ =
      new QPushButton(QCoreApplication::translate("velmira::files::ui", "&Charger la configuration corrigée"), this);
  configurationButton_->setObjectName(QStringLiteral("correctedConfiguration"));
  auto* close = new QPushButton(QCoreApplication::translate("velmira::files::ui", "&Fermer"), this);
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
  // The heading's lines as paragraphs of their own, before the statement's.
  rtf::RichDocument shown;
  for (const std::string& line : heading) {
    rtf::RunFormat format;
    // A line ending in ":" heads the lines after it.
    format.bold = !line.empty() && line.back() == ':';
    rtf::appendText(shown.paragraphs.emplace_back(), line, format);
  }
  if (!heading.empty()) shown.paragraphs.emplace_back();
  shown.paragraphs.insert(shown.paragraphs.end(), statement.paragraphs.begin(), statement.paragraphs.end());
  fillTextDocument(*text_->document(), shown);
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
