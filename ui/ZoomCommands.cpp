// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ZoomCommands.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "platform/core/Messages.h"
#include "platform/core/ScreenFit.h"
#include "platform/core/ZoomFile.h"
#include "platform/qt/ZoomSetting.h"
#include "widgets/Announcer.h"

namespace velmira::ui {

namespace {

// How long the new zoom is shown, in ms.
constexpr int kZoomNoticeTime = 2000;

Message zoomStored(int percent) {
  return msg::information(
      msg::shownFormat(VELMIRA_TEXT("velmira::msg",
                                    "Le zoom est maintenant de %1 %. Il sera appliqué au prochain "
                                    "démarrage de Velmira (votre travail en cours n'est pas touché)."),
                       {std::to_string(percent)}),
      VELMIRA_TEXT("velmira::msg", "Zoom"));
}

void changeZoom(MessageService& messages, const std::function<int(int)>& step, const std::function<bool()>& restart) {
  const int before = qtp::storedZoom();
  const int after = step(before);
  if (after == before) return;
  fileio::SaveFailure failure;
  if (!qtp::storeZoom(after, &failure)) {
    messages.show(msg::zoomNotStored(failure));
    return;
  }
  // Qt's scale is set before the program starts: it starts again at once.
  if (!restart()) messages.show(zoomStored(after));
}

}  // namespace

void addZoomCommands(QWidget& window, QToolButton& helpButton, MessageService& messages,
                     std::function<bool()> restart) {
  auto* menu = new QMenu(&helpButton);
  menu->setObjectName(QStringLiteral("helpMenu"));
  QAction* help = menu->addAction(QCoreApplication::translate("velmira::ui", "&Aide"));
  help->setShortcut(QKeySequence(Qt::Key_F1));
  help->setShortcutContext(Qt::WidgetShortcut);  // F1 has its own shortcut on the window
  QObject::connect(help, &QAction::triggered, &helpButton, &QToolButton::click);
  menu->addSeparator();
  struct Entry {
    const char* text;
    QList<QKeySequence> keys;
    std::function<int(int)> step;
  };
  const Entry entries[] = {
      {QT_TRANSLATE_NOOP("velmira::ui", "A&grandir"),
       {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)},
       zoomIn},
      {QT_TRANSLATE_NOOP("velmira::ui", "&Réduire"), {QKeySequence::ZoomOut}, zoomOut},
      {QT_TRANSLATE_NOOP("velmira::ui", "&Taille normale"),
       {QKeySequence(Qt::CTRL | Qt::Key_0)},
       [](int) { return kZoomLeast; }},
  };
  for (const Entry& e : entries) {
    auto* a = new QAction(QCoreApplication::translate("velmira::ui", e.text), &window);
    a->setShortcuts(e.keys);
    a->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(a, &QAction::triggered, &window,
                     [&messages, step = e.step, restart] { changeZoom(messages, step, restart); });
    window.addAction(a);
    menu->addAction(a);
  }
  helpButton.setMenu(menu);
  helpButton.setPopupMode(QToolButton::MenuButtonPopup);
}

void showZoomNotice(QWidget& window, int percent) {
  auto* notice = new QLabel(QCoreApplication::translate("velmira::ui", "Zoom\u00A0: %1\u00A0%").arg(percent), &window);
  notice->setObjectName(QStringLiteral("zoomNotice"));
  notice->setAlignment(Qt::AlignCenter);
  notice->setFrameStyle(QFrame::Panel | QFrame::Raised);
  notice->setAutoFillBackground(true);
  QFont f = notice->font();
  f.setPointSizeF(f.pointSizeF() * 2);
  notice->setFont(f);
  const QSize size = notice->sizeHint() + QSize(32, 16);
  notice->setGeometry(QRect(window.rect().center() - QPoint(size.width() / 2, size.height() / 2), size));
  notice->show();
  notice->raise();
  (new widgets::Announcer(notice))->say(notice->text());
  QTimer::singleShot(kZoomNoticeTime, notice, &QObject::deleteLater);
}

}  // namespace velmira::ui
