// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A calibre frame (`Frame3`..`Frame8`): the four calibre option buttons of
// one meter of one bench, stacked 12 pixels apart.
#include <QFrame>
#include <QRadioButton>
#include <array>

namespace velmira::ui {

class CalibreFrame : public QFrame {
  Q_OBJECT
 public:
  enum class Meter { Voltmeter, Ammeter };
  // `first` is the index of the frame's first button in its control array
  // (Option4 or Option5, 4 per bench).
  CalibreFrame(Meter meter, int first, QWidget* parent = nullptr);
  Meter meter() const { return meter_; }
  int first() const { return first_; }
  QRadioButton* button(int j) const { return buttons_[j]; }
  // Background of the frame and of its buttons.
  void setBackground(const QColor& c);

 signals:
  void optionClicked(int index);  // index in Option4 / Option5

 private:
  Meter meter_;
  int first_;
  std::array<QRadioButton*, 4> buttons_{};
};

// The calibre captions (Option4 and Option5, position j in a bench's group).
QString voltmeterCalibre(int j);
QString ammeterCalibre(int j);

}  // namespace velmira::ui
