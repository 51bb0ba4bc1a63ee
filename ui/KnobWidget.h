// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `bouton1`(i): a rotary knob of the generator, turned by dragging with the
// left button or with the arrow keys.
#include "widgets/SurfaceWidget.h"

namespace velmira::model {
class Workbench;
}

namespace velmira::ui {

class KnobWidget : public widgets::SurfaceWidget {
  Q_OBJECT
 public:
  KnobWidget(int index, model::Workbench& wb, QWidget* parent = nullptr);
  int index() const { return index_; }
  // The knob's value (0..kKnobMax).
  double value() const;
  // desbouton1's drawing, from the knob's tag (the caller runs updateVoltmeters);
  // a knob not on screen is drawn when it is shown.
  void redraw();
  // The knob's image at `ratio` device pixels per pixel: its own (drawn now
  // if it waits to be shown), or the knob drawn again at that ratio.
  QImage picture(double ratio);

 signals:
  // The tag changed and updateVoltmeters ran: the displays must follow.
  void turned(int index);
  void pointerHint(int index);  // pointer moved over the knob
  void focusHint(int index);    // the knob took the focus

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void draw();

  bool drawn_ = false;  // the surface shows the knob's tag
  int index_;
  model::Workbench& wb_;
};

}  // namespace velmira::ui
