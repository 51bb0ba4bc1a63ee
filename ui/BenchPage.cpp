// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/BenchPage.h"

#include "ui/drawing/BenchDrawing.h"
#include "widgets/Colours.h"

namespace velmira::ui {

BenchPage::BenchPage(int bench, QWidget* parent) : widgets::SurfaceWidget(parent), bench_(bench) {
  setMouseTracking(true);
  setFocusPolicy(Qt::ClickFocus);
  surface().setBackColor(widgets::kPageBackground);
}

void BenchPage::repaintTexts() {
  // A page not on screen draws its texts when it is next shown.
  if (!isVisible()) {
    textsDrawn_ = false;
    return;
  }
  paintHandler();
  update();
}

void BenchPage::setBenchPicture(const QImage& picture) {
  waitingPicture_ = picture;
  waitingOverlay_ = nullptr;
  if (isVisible()) drawWaitingBench();
}

void BenchPage::setBenchOverlay(std::function<void(qtp::Surface&)> draw) {
  waitingOverlay_ = std::move(draw);
  if (isVisible()) drawWaitingBench();
}

const qtp::Surface& BenchPage::drawnSurface() {
  drawWaitingBench();
  return surface();
}

void BenchPage::drawWaitingBench() {
  if (!waitingPicture_.isNull()) {
    takeBenchPicture(surface(), waitingPicture_);
    waitingPicture_ = QImage();
  }
  if (waitingOverlay_) {
    const auto draw = std::move(waitingOverlay_);
    waitingOverlay_ = nullptr;
    draw(surface());
  }
}

void BenchPage::showEvent(QShowEvent* event) {
  drawWaitingBench();
  if (!textsDrawn_) paintHandler();
  widgets::SurfaceWidget::showEvent(event);
}

void BenchPage::paintHandler() {
  if (!handler_) return;
  textsDrawn_ = true;
  qtp::Surface& s = surface();
  const bool persistent = s.persistent();
  s.setPersistent(false);
  s.beginTransient();
  handler_(s);
  s.setPersistent(persistent);
}

}  // namespace velmira::ui
