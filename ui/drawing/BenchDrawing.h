// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `imafond`: the instrument bench of both montages, drawn on the page of
// bench 1 and handed to the three pages as their background picture; and
// where the live controls go on it (the same on every bench).
//
// The caller hides the pages and runs the tab strip's paint first (it sizes
// the pages; all three have the same size), then calls drawBench, gives page
// 1's image to pages 2 and 3 as their background picture, places its live
// controls by benchPlacement, runs updateBeakerLevel and shows the pages
// again. drawBench clears page 1, removes its background picture, sets its
// background colour (240, 235, 230), draws the band and the montage with
// persistent drawing on, makes the result page 1's background picture and
// leaves page 1 with persistent drawing off.
//
// The placement holds the position, size, background colour and visibility
// of each live control of a bench, for both montages' controls (positions
// are computed in both montages; only visibility differs). Display
// captions, option values and knob values are never touched.
#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>
#include <array>

#include "widgets/Colours.h"

namespace velmira::qtp {
class Surface;
}

namespace velmira::ui {

// Sizes of the live controls (design sizes by default).
struct BenchSizes {
  QSize meterDisplay{65, 17};           // ammeter and voltmeter displays
  int conductimeterDisplayHeight = 17;  // conductimeter displays, made 100 wide
  QSize generatorScreen{89, 17};
  QSize knob{42, 42};          // knob
  QSize calibreFrame{65, 49};  // Frame3..Frame8
  QSize rangeButton{17, 17};   // Option6
};

struct ControlPlace {
  QRect rect;
  bool visible = false;
};

struct BenchPlacement {
  bool conductimeter = false;
  std::array<ControlPlace, 3> meterDisplay;  // by model::Meter
  ControlPlace generatorScreen;
  std::array<ControlPlace, 2> knob;                  // amplitude, frequency
  std::array<ControlPlace, 6> rangeButton;           // S .. µS·m-1
  ControlPlace voltmeterFrame;                       // Frame3, Frame5, Frame6
  ControlPlace ammeterFrame;                         // Frame4, Frame7, Frame8
  QColor option6Back = widgets::kConductimeterFace;  // range buttons
  QColor voltmeterFrameBack = widgets::kVoltmeterFace;
  QColor ammeterFrameBack = widgets::kAmmeterFace;
};

// Where a bench's live controls go in a montage (the displays follow the
// instruments' title fonts).
BenchPlacement benchPlacement(bool conductimeter, const BenchSizes& sizes = {});
void drawBench(qtp::Surface& page1, const BenchPlacement& placement);
// A page takes the bench picture (page 1's image): the pages' background
// colour, and the picture as its background picture.
void takeBenchPicture(qtp::Surface& page, const QImage& picture);

}  // namespace velmira::ui
