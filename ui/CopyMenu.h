#pragma once
// `menucopie`: the copy button's menu. Each entry puts the picture of one
// bench on the clipboard and leaves the copy message on the hint line; the
// mixture's entry is available only while the mixture may be studied
// (checked each time the menu opens).
#include <QMenu>

namespace velmira::ui {

class MainWindow;

class CopyMenu : public QMenu {
  Q_OBJECT
 public:
  explicit CopyMenu(MainWindow& window);
  // "Copier l'illustration pour la solution 1", "... la solution 2", "... le mélange".
  QAction* coptop() const { return coptop_; }
  QAction* copisemidev() const { return copisemidev_; }
  QAction* copicol() const { return copicol_; }

  // The picture of bench 1..3 on the clipboard.
  void copy(int bench);

 private:
  MainWindow& window_;
  QAction* coptop_;
  QAction* copisemidev_;
  QAction* copicol_;
};

}  // namespace velmira::ui
