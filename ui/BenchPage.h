// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A bench page (`Picture3`, `Picture1`, `Frame2`): a picture surface holding
// the bench picture as its background, the page's texts drawn over it by its
// paint handler on every repaint, and the live controls as children.
#include <QImage>
#include <functional>

#include "widgets/SurfaceWidget.h"

namespace velmira::ui {

class BenchPage : public widgets::SurfaceWidget {
  Q_OBJECT
 public:
  explicit BenchPage(int bench, QWidget* parent = nullptr);
  int bench() const { return bench_; }

  // The page's paint handler: draws on the surface with persistent drawing
  // off and places the entry controls next to their texts.
  void setPaintHandler(std::function<void(qtp::Surface&)> handler) { handler_ = std::move(handler); }
  // Rebuilds the texts now (as a repaint does) and schedules the repaint;
  // on a page not on screen, when it is next shown.
  void repaintTexts();

  // The bench picture as the page's background, and the persistent drawing
  // over it (the mixture level; each one covers the last). A page not on
  // screen takes them when it is shown or its surface is read through
  // drawnSurface(), so that start-up draws only the page it shows.
  void setBenchPicture(const QImage& picture);
  void setBenchOverlay(std::function<void(qtp::Surface&)> draw);
  // The surface with any waiting bench drawing done (what copies read).
  const qtp::Surface& drawnSurface();

 protected:
  void paintHandler() override;
  // A page shown for the first time draws its texts first, so that its
  // controls stand in their places when it is painted.
  void showEvent(QShowEvent* event) override;

 private:
  void drawWaitingBench();

  bool textsDrawn_ = false;
  QImage waitingPicture_;
  std::function<void(qtp::Surface&)> waitingOverlay_;
  int bench_;
  std::function<void(qtp::Surface&)> handler_;
};

}  // namespace velmira::ui
