// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ZoomCommands.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>
#include <functional>

#include "platform/core/Messages.h"
#include "platform/core/ScreenFit.h"
#include "platform/core/ZoomFile.h"
#include "platform/qt/ZoomSetting.h"

namespace velmira::ui {

namespace {

Message zoomStored(int percent) {
  return msg::information("Le zoom est maintenant de " + std::to_string(percent) +
                              " %. Il sera appliqué au prochain démarrage de Velmira "
                              "(votre travail en cours n'est pas touché).",
                          "Zoom");
}

void changeZoom(MessageService& messages, const std::function<int(int)>& step) {
  const int before = qtp::storedZoom();
  const int after = step(before);
  if (after == before) return;
  fileio::SaveFailure failure;
  messages.show(qtp::storeZoom(after, &failure) ? zoomStored(after) : msg::zoomNotStored(failure));
}

}  // namespace

void addZoomCommands(QWidget& window, QToolButton& helpButton, MessageService& messages) {
  auto* menu = new QMenu(&helpButton);
  menu->setObjectName(QStringLiteral("helpMenu"));
  QAction* help = menu->addAction(QStringLiteral("&Aide"));
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
      {"A&grandir", {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)}, zoomIn},
      {"&Réduire", {QKeySequence::ZoomOut}, zoomOut},
      {"&Taille normale", {QKeySequence(Qt::CTRL | Qt::Key_0)}, [](int) { return kZoomLeast; }},
  };
  for (const Entry& e : entries) {
    auto* a = new QAction(QString::fromUtf8(e.text), &window);
    a->setShortcuts(e.keys);
    a->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(a, &QAction::triggered, &window, [&messages, step = e.step] { changeZoom(messages, step); });
    window.addAction(a);
    menu->addAction(a);
  }
  helpButton.setMenu(menu);
  helpButton.setPopupMode(QToolButton::MenuButtonPopup);
}

}  // namespace velmira::ui
