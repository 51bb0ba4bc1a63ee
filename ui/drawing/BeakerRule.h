// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The beaker with the conductivity cell dipped in it, and the mixture level.
//
// `drawBeaker` is the beaker rule: back half of the liquid surface (arc
// (96, y0), radius 30, 0..3.14, aspect 0.1, light grey), the beaker picture
// at (63, t), the cell stem (black above the surface, (90, 90, 90) below,
// white and light-grey highlights, electrode tip), front half of the surface
// (3.14..6.28, palette 8).
//
// `niveaubecher` redraws the mixture page around the level of V1 + V2: the
// drawing is cleared (the background picture left by drawBench stays), the band
// rows behind the beaker are repainted, the beaker rule runs with the new y0
// and the result becomes the page's background picture. The page is left
// with persistent drawing off.
namespace velmira::qtp {
class Surface;
}
namespace velmira::model {
class Workbench;
}

namespace velmira::ui {

// Surface line of a volume V (mL): 440 - V/4 (generator) or 400 - V/4
// (conductimeter), rounded half to even (250 mL → 378 / 338, 60 mL → 425).
int surfaceLine(double volume, bool conductimeter);

void drawBeaker(qtp::Surface& page, int y0, int t);

// The volume in the mixture beaker: V1 + V2 as entered.
double mixtureVolume(const model::Workbench& wb);

// Band rows repainted behind the mixture beaker: 210..290 (generator) or
// 170..250 (conductimeter), each from x = 60 to x = W - 270. With
// `precipitate` the liquid is clouded with grains.
void updateBeakerLevel(qtp::Surface& mixturePage, bool conductimeter, double volume, bool precipitate = false);

}  // namespace velmira::ui
