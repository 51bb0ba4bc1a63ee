// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scale of the whole program: the zoom a user chooses (100 % to 300 % by
// steps of 25 %); without one, lowered where the window would not fit.
namespace velmira {

inline constexpr int kZoomLeast = 100;
inline constexpr int kZoomMost = 300;
inline constexpr int kZoomStep = 25;
// Below a whole factor of 1 widgets are drawn wrongly: the program does not
// scale down past it, the window then scrolls.
inline constexpr double kLeastScale = 1;
// A window manager's frame (title bar and borders) at the desktop's own
// scale, in the screen's pixels: the window must fit with it.
inline constexpr double kFrameWidth = 8;
inline constexpr double kFrameHeight = 36;
// Scale factors are chosen by twentieths.
inline constexpr double kScaleGrain = 0.05;

// The next zoom up or down, kept within the least and most.
int zoomIn(int percent);
int zoomOut(int percent);
// A stored zoom as the program takes it: a step between the least and most,
// 100 for anything else.
int validZoom(int percent);

struct ScreenFit {
  double factor;  // the scale factor to run with
  bool fits;      // the window fits whole at that factor
};

// `available` is the screen's free area in pixels at scale factor `current`,
// `need` the window's size at factor 1. A zoom above the least is given as
// asked, fitting or not (the window then scrolls). At the least zoom the
// factor is 1, or the largest grain below it at which the window fits, but
// not below `least` (kLeastScale over the desktop's own factor).
ScreenFit fitScreen(int zoomPercent, double current, double availableWidth, double availableHeight, double needWidth,
                    double needHeight, double least = kLeastScale);

}  // namespace velmira
