// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `ions1`(i): the box showing the chosen formula of solution i + 1; a click
// opens the solute list.
#include "widgets/SurfaceWidget.h"

namespace velmira::ui {

class FormulaBox : public widgets::SurfaceWidget {
  Q_OBJECT
 public:
  FormulaBox(int index, QWidget* parent = nullptr);
  int index() const { return index_; }
  // updateFormulaBoxes's part for this box: the row of solute n of the list image
  // ("?" in place of a hidden solute).
  void showSolute(const qtp::Surface& list, int n, bool unknown = false);

 signals:
  void clicked(int index);

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  int index_;
};

}  // namespace velmira::ui
