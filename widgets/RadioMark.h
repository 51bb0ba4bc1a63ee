// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The option buttons of the benches: a small radio circle drawn by us
// (radius 5, white with a black outline, a black dot of radius 3 when
// selected), so that buttons stacked a row apart never overlap, and the
// same marks are drawn into the bench pictures.
#include <QPointF>
#include <QRadioButton>

class QPainter;

namespace velmira::widgets {

inline constexpr double kRadioRadius = 5;
inline constexpr double kRadioDotRadius = 3;

// Draws the mark centred at `centre` (logical pixels).
void drawRadioMark(QPainter& p, QPointF centre, bool selected);

class RadioMark : public QRadioButton {
  Q_OBJECT
 public:
  // `centre` of the circle in the button; the caption starts 15 px right of
  // the circle's left edge.
  RadioMark(const QString& caption, QPointF centre, QWidget* parent = nullptr);
  QSize sizeHint() const override;
  QPointF centre() const { return centre_; }
  // The mark and the caption as the button shows them, in the button's
  // coordinates (no background, no focus frame).
  void paintFace(QPainter& p) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool hitButton(const QPoint& pos) const override;

 private:
  QPointF centre_;
};

}  // namespace velmira::widgets
