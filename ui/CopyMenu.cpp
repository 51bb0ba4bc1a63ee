// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CopyMenu.h"

#include "platform/qt/Clipboard.h"
#include "ui/BenchPicture.h"
#include "ui/HintLine.h"
#include "ui/MainWindow.h"

namespace velmira::ui {

CopyMenu::CopyMenu(MainWindow& window) : QMenu(&window), window_(window) {
  setObjectName(QStringLiteral("copyMenu"));
  const auto add = [this](const char* name, const char* caption, int bench) {
    QAction* a = addAction(tr(caption));
    a->setObjectName(QString::fromUtf8(name));
    connect(a, &QAction::triggered, this, [this, bench] { copy(bench); });
    return a;
  };
  entries_ = {add("copySolution1", QT_TR_NOOP("Copier l'illustration pour la solution 1"), 1),
              add("copySolution2", QT_TR_NOOP("Copier l'illustration pour la solution 2"), 2),
              add("copyMixture", QT_TR_NOOP("Copier l'illustration pour le mélange"), 3)};
  connect(this, &QMenu::aboutToShow, this,
          [this] { entry(Bench::Mixture)->setEnabled(window_.workbench().mixturePossible()); });
}

void CopyMenu::copy(int bench) {
  BenchPicture& picture = window_.benchPicture();
  picture.compose(bench);
  qtp::copyImage(picture.image());
  window_.hintLine()->setHint(window_.clipboardHint());
}

}  // namespace velmira::ui
