// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The beaker picture (first image of the image list): a glass beaker with
// the head of the conductivity cell, drawn as vector paths, 66 × 104 logical
// pixels; every pixel is opaque or fully transparent (a masked picture, so
// drawing it again over itself changes nothing). Drawn at (63, t), its rim surrounds
// the liquid-surface ellipse centred on x = 96 for every level from 60 to
// 250 mL, and the cell head runs from the cable at the top (t) to the top of
// the stem that the beaker rule draws from t + 32.
#include <QImage>
#include <QSize>

namespace velmira::ui {

inline constexpr QSize kBeakerSize{66, 104};

// The picture at a device-pixel ratio (logical size kBeakerSize). Built once
// per ratio and cached.
const QImage& beakerPicture(double devicePixelRatio = 1.0);

}  // namespace velmira::ui
