// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `Onglets`: the custom-drawn tab strip holding the three bench pages.
#include <array>

#include "ui/drawing/TabStripPaint.h"
#include "widgets/SurfaceWidget.h"

namespace velmira::ui {

class TabStrip : public widgets::SurfaceWidget {
  Q_OBJECT
 public:
  explicit TabStrip(QWidget* parent = nullptr);

  // The pages of the three tabs (children of the strip), in tab order.
  void setPages(QWidget* page1, QWidget* page2, QWidget* page3);

  // currentTab: 1..3 (0 only between a click on no tab and the repaint).
  int currentTab() const { return currentTab_; }
  void setCurrentTab(int tab) { currentTab_ = tab; }
  // paintStrip: draws the strip, hides the two other pages and places
  // and shows the shown one.
  void paintStrip();
  // onStripClicked.
  void onStripClicked(double x, double y);
  // Shows tab `tab` (0 stands for 1), repainting only when it changes.
  void selectTab(int tab);
  // The next (step 1) or previous (-1) tab, wrapping round.
  void selectNext(int step);

  const TabLayout& layout() const { return layout_; }
  int paintCount() const { return paintCount_; }
  // Where a page goes (all three share it).
  QRect pageRect() const;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  std::array<QWidget*, 3> pages_{};
  int currentTab_ = 1;
  TabLayout layout_;
  int paintCount_ = 0;
};

}  // namespace velmira::ui
