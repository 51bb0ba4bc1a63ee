// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/TabStrip.h"

#include <QAccessible>
#include <QMouseEvent>

#include "widgets/Colours.h"
#include "widgets/SurfaceWidget.h"

namespace velmira::ui {

TabStrip::TabStrip(QWidget* parent) : widgets::SurfaceWidget(parent) {
  setMouseTracking(true);
  // A click on the strip takes the focus from the control being edited.
  setFocusPolicy(Qt::ClickFocus);
  surface().setBackColor(widgets::kStripBackground);
}

void TabStrip::setPages(QWidget* page1, QWidget* page2, QWidget* page3) {
  pages_ = {page1, page2, page3};
  const QRect r = pageRect();
  for (QWidget* p : pages_) {
    if (auto* s = qobject_cast<widgets::SurfaceWidget*>(p)) {
      s->place(r);
    } else if (p) {
      p->setGeometry(r);
    }
  }
}

QRect TabStrip::pageRect() const { return layoutTabs(width(), height(), 1).page; }

void TabStrip::paintStrip() {
  ++paintCount_;
  qtp::Surface& s = surface();
  s.setPersistent(true);
  layout_ = paintTabs(s, currentTab_);
  s.setPersistent(false);
  currentTab_ = layout_.shown;
  for (int i = 0; i < 3; ++i) {
    if (!pages_[i] || i + 1 == currentTab_) continue;
    pages_[i]->hide();
  }
  if (QWidget* shown = pages_[currentTab_ - 1]) {
    if (auto* sw = qobject_cast<widgets::SurfaceWidget*>(shown)) {
      sw->place(layout_.page);
    } else {
      shown->setGeometry(layout_.page);
    }
    shown->show();
  }
  update();
}

void TabStrip::onStripClicked(double x, double y) {
  if (y < 0 || y > 15) return;
  selectTab(tabAt(layout_.tabEdges, x, y));
}

void TabStrip::selectTab(int tab) {
  if (tab == currentTab_) return;
  currentTab_ = tab;
  paintStrip();
  // A screen reader hears the newly selected tab (the strip's child tab - 1).
  QAccessibleEvent selected(this, QAccessible::Selection);
  selected.setChild(tab - 1);
  QAccessible::updateAccessibility(&selected);
}

void TabStrip::selectNext(int step) { selectTab((currentTab_ - 1 + step % 3 + 3) % 3 + 1); }

void TabStrip::mouseReleaseEvent(QMouseEvent* event) {
  const QPointF pos = event->position();
  onStripClicked(pos.x(), pos.y());
  event->accept();
}

}  // namespace velmira::ui
