// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A widget that shows a picture surface (persistent image and transient
// layer) at its own size and repaints whenever the surface changes.
#include <QWidget>

#include "platform/qt/Surface.h"

namespace velmira::widgets {

class SurfaceWidget : public QWidget {
  Q_OBJECT
 public:
  explicit SurfaceWidget(QWidget* parent = nullptr);
  qtp::Surface& surface() { return surface_; }
  const qtp::Surface& surface() const { return surface_; }
  // Geometry and surface size at once (a hidden widget gets its resize
  // event only when shown, but its surface is drawn on before that).
  void place(const QRect& r);
  void place(QPoint at, QSize size) { place(QRect(at, size)); }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  // Runs before the surface is shown on each repaint (a paint handler
  // drawing with persistent drawing off goes here). Nothing by default.
  virtual void paintHandler() {}

 private:
  qtp::Surface surface_;
  bool painting_ = false;  // drawing of the paint handler schedules nothing
};

}  // namespace velmira::widgets
