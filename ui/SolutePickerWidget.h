// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `Picture2` with its row marker `Shape1`: the drop-down list of every
// solute, 21 rows in view with a scroll bar, moved into the page of the
// solution that opens it.
#include <bitset>

#include "model/SolutePicker.h"
#include "ui/drawing/SoluteList.h"
#include "widgets/SurfaceWidget.h"

class QScrollBar;

namespace velmira::model {
class Workbench;
}

namespace velmira::ui {

class SolutePickerWidget : public widgets::SurfaceWidget {
  Q_OBJECT
 public:
  inline static constexpr int kListWidth = 140;

  SolutePickerWidget(model::Workbench& wb, QWidget* parent = nullptr);
  const model::SolutePicker& picker() const { return picker_; }
  // Every solute's row as the list draws it, with the row of solute n
  // drawn (what a formula box shows; the box shows the rows in view).
  const qtp::Surface& listWithRow(int n);
  QScrollBar* scrollBar() const { return scrollBar_; }

  // onFormulaBoxClicked(solution): into `page` at `at`, marker on the current
  // solute, shown and focused.
  void openFor(int solution, QWidget* page, QPoint at);

 signals:
  void hint();                // pointer over the list
  void chosen(int solution);  // a solute was chosen (tag set, updateMeters run)
  void closed(int solution);  // Escape: closed without a change
  void markerMoved();         // the marked row changed (or the list opened)

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  // The tooltip names the solute under the pointer.
  bool event(QEvent* event) override;

 private:
  // The rows in view copied from the whole list, the scroll bar following.
  void showRows();
  // After a key, the wheel or the bar: redrawn and said when anything moved.
  void followMove(int markerBefore, int firstBefore);

  model::Workbench& wb_;
  model::SolutePicker picker_;
  QScrollBar* scrollBar_;
  // Every solute's row, drawn when first needed (a formula box, the list opened).
  qtp::Surface rows_;
  std::bitset<kListRows> drawnRows_;
};

model::MouseButton buttonOf(Qt::MouseButton b);

}  // namespace velmira::ui
