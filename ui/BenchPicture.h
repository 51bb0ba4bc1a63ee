// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `Pictampon`: the picture of one bench as it is now, for the clipboard and
// the printer.
//
// The picture is the gradient band of the bench's page, (page width - 19) ×
// 301 logical pixels from the band's top-left corner (10, H - 310), H the
// page's inner height; every page point (x, y) lands at (x - 10, y - H + 310).
// Over the page's bench picture (its persistent image: the band of drawBench
// and, on the mixture page, the beaker level) go the live controls of that
// page only, in the montage shown:
//  - generator: the knobs' images, the calibre options (mark and caption as
//    the buttons show them), then the meter displays and the generator
//    screen;
//  - conductimeter: the range marks, then the conductimeter display.
// A display is drawn in a sunken frame (dark grey and black along the top
// and left, white and light grey along the bottom and right) filled with its
// background colour, its text centred in its font and colour.
//
// The picture is kept at `pictureRatio` device pixels per logical pixel, so
// that it stays sharp once pasted or printed: a page or a knob whose own
// image has another ratio is drawn again at the picture's ratio by the same
// drawing (the page's into a surface kept for the next picture).
#include <QImage>

#include "platform/qt/Surface.h"

class QWidget;

namespace velmira::ui {

class MainWindow;

// The screen's device-pixel ratio of `w`, and at least 2.
double pictureRatio(const QWidget& w);

class BenchPicture {
 public:
  // `ratio` 0: pictureRatio(window) at each picture.
  explicit BenchPicture(MainWindow& window, double ratio = 0);

  // The picture of bench 1, 2 or 3 (`creaima1`, `creima2`, `creaima3`, over
  // `Picture3`, `Picture1`, `Frame2`).
  void compose(int bench);
  // `finitampon`: the live controls of bench 1..3 drawn over the picture.
  void drawLiveControls(int bench);

  // The last picture composed; its physical resolution is the ratio's, so
  // that a program pasting it shows it at its logical size.
  QImage image() const;
  double ratio() const { return benchPicture_.devicePixelRatio(); }

 private:
  QPoint origin(int bench) const;
  // The bench picture of the page of `bench` drawn again at the ratio:
  // drawBench's band of the montage and, on the mixture page, the level.
  const qtp::Surface& redrawnPage(int bench);

  MainWindow& window_;
  double fixedRatio_;
  qtp::Surface benchPicture_;
  qtp::Surface redrawn_;
};

}  // namespace velmira::ui
