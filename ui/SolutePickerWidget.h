#pragma once
// `Picture2` with its row marker `Shape1`: the drop-down list of the 21
// solutes, moved into the page of the solution that opens it.
#include <bitset>

#include "model/SolutePicker.h"
#include "ui/drawing/SoluteList.h"
#include "widgets/SurfaceWidget.h"

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
  // drawn (what a formula box shows, the solutes after the list's too).
  const qtp::Surface& listWithRow(int n);

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
  void focusOutEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  // The tooltip names the solute under the pointer.
  bool event(QEvent* event) override;

 private:
  void drawRow(int n);

  model::Workbench& wb_;
  model::SolutePicker picker_;
  std::bitset<kListRows> drawnRows_;
  // Every solute's row, for the formula boxes.
  qtp::Surface formulas_;
  std::bitset<kFormulaRows> drawnFormulas_;
};

model::MouseButton buttonOf(Qt::MouseButton b);

}  // namespace velmira::ui
