// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's size rule: on a screen wider than kWideScreen the window
// starts at its design size, frame included, centred but whole within the
// screen's free area, and may grow (resized or maximised) but not shrink
// below it; applied when the window starts, when it is first shown and when
// its frame becomes known, never over a maximised window.
#include <QObject>
#include <QSize>

class QWidget;

namespace velmira::ui {

// Design size of the window.
inline constexpr int kWindowWidth = 800;
inline constexpr int kWindowHeight = 600;
// Above this screen width the window is held at its design size, centred.
inline constexpr int kWideScreen = 850;

class DesignSize : public QObject {
  Q_OBJECT
 public:
  // Watches `window`'s events to apply the rule again when needed.
  explicit DesignSize(QWidget& window);
  // The rule for a screen of the given size in pixels.
  void apply(QSize screen);
  // The rule for the screen the window is on.
  void applyOnScreen();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& window_;
  bool sizing_ = false;
  bool shownOnce_ = false;
  bool framedOnce_ = false;
};

}  // namespace velmira::ui
