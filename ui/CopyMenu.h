// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `menucopie`: the copy button's menu. Each entry puts the picture of one
// bench on the clipboard and leaves the copy message on the hint line; the
// mixture's entry is available only while the mixture may be studied
// (checked each time the menu opens).
#include <QMenu>
#include <array>

#include "ui/Bench.h"

namespace velmira::ui {

class MainWindow;

class CopyMenu : public QMenu {
  Q_OBJECT
 public:
  explicit CopyMenu(MainWindow& window);
  // "Copier l'illustration pour la solution 1", "... la solution 2", "... le
  // mélange" (`coptop`, `copisemidev`, `copicol`).
  QAction* entry(Bench bench) const { return entries_[static_cast<int>(bench)]; }

  // The picture of bench 1..3 on the clipboard.
  void copy(int bench);

 private:
  MainWindow& window_;
  std::array<QAction*, 3> entries_{};  // by Bench
};

}  // namespace velmira::ui
