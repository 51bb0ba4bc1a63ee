// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Lire sur la droite": the pupil types an ordinate (the unknown's σ, say)
// and, when known, its uncertainty u(y); the abscissa on the line the graph
// shows and its uncertainty follow as typed (graph::readLine).
#include <QDialog>

#include "graph/LineFit.h"

class QLabel;
class QLineEdit;

namespace velmira::graph::ui {

class LineReadingDialog : public QDialog {
  Q_OBJECT
 public:
  explicit LineReadingDialog(QWidget* parent);

  // The line read on; the result shown again.
  void setLine(const graph::LineFit& fit);

  QLineEdit* ordinate() const { return ordinate_; }  // "y ="
  QLineEdit* uncertainty() const { return uy_; }     // "u(y) =", 0 when empty
  QLabel* result() const { return result_; }         // "x = X ; u(x) = UX"

 private:
  void showReading();

  graph::LineFit fit_;
  QLineEdit* ordinate_ = nullptr;
  QLineEdit* uy_ = nullptr;
  QLabel* result_ = nullptr;
};

}  // namespace velmira::graph::ui
