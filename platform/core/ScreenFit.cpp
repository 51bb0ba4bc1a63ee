// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/ScreenFit.h"

#include <algorithm>
#include <cmath>

namespace velmira {

int zoomIn(int percent) { return std::min(validZoom(percent) + kZoomStep, kZoomMost); }
int zoomOut(int percent) { return std::max(validZoom(percent) - kZoomStep, kZoomLeast); }

int validZoom(int percent) {
  if (percent < kZoomLeast || percent > kZoomMost || (percent - kZoomLeast) % kZoomStep != 0) return kZoomLeast;
  return percent;
}

ScreenFit fitScreen(int zoomPercent, double current, double availableWidth, double availableHeight, double needWidth,
                    double needHeight, double least) {
  const double wanted = validZoom(zoomPercent) / 100.0;
  // What fits, in the screen's pixels at factor 1.
  const double most = std::min(availableWidth * current / needWidth, availableHeight * current / needHeight);
  if (wanted <= most + 1e-9) return {wanted, true};
  // A zoom the user asked is given whole: the window then scrolls.
  if (validZoom(zoomPercent) != kZoomLeast) return {wanted, false};
  const double grained = std::floor(most / kScaleGrain + 1e-9) * kScaleGrain;
  if (grained < least - 1e-9) return {least, false};
  return {grained, true};
}

}  // namespace velmira
