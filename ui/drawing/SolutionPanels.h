// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The upper part of the bench pages: the solution pages' paint
// (Picture3_Paint / Picture1_Paint) and the mixture page's paint
// (Frame2_Paint), with the chemical formula typesetting.
//
// Formula typesetting, at the pen, in the surface's current font name and
// bold state: base text at 10 pt on the base line; a charge at 8 pt raised
// 4 px; a count at 8 pt lowered 6 px; a stacked charge over count: charge
// raised 4 px, pen back to where the charge began, count lowered 6 px; the
// next piece starts where the last script ended, at 10 pt on the base line.
//
// The paint functions draw in the surface's current mode (the paint handlers
// run with persistent drawing off, over the background picture) and return
// where the entry controls go (positions follow the text widths, rounded
// half to even). The places functions give the same without a page: the
// panels place their entries with them, never while painting.
#include <QPoint>
#include <QSize>

namespace velmira::qtp {
class Surface;
}

namespace velmira::ui {

inline constexpr QSize kFormulaBoxSize{113, 26};  // formulaBox
inline constexpr QSize kListButtonSize{25, 25};   // Command3

// Formula of solute n (a catalogue number) at the pen; nothing for another
// number. The mixture page recalls the two solutes with it (`rappelion`).
// The number that stands for a hidden solute: printed "?".
inline constexpr int kHiddenSolute = -1;
void printFormula(qtp::Surface& s, int n);

struct SolutionPagePlaces {
  QPoint formulaBox;        // formula box (element k-1)
  QPoint soluteListButton;  // list button (element k-1)
  QPoint entryField;        // concentration entry (element k-1)
};

// Page of solution k (1 or 2). `formulaBox` and `entry` are the sizes of
// formulaBox and Text1 of that page.
SolutionPagePlaces paintSolutionPage(qtp::Surface& page, int k, QSize formulaBox = kFormulaBoxSize,
                                     QSize entry = {73, 21});

// Where paintSolutionPage puts the entry controls, found without a page.
SolutionPagePlaces solutionPagePlaces(int k, QSize formulaBox, QSize entry);

struct MixturePagePlaces {
  bool entriesVisible = false;  // V1, V2 entries (Text1 4 and 5)
  QPoint text4;
  QPoint text5;
};

// Mixture page: with mixturePossible the texts, the two solutes and the
// volume entries; otherwise the whole page filled with the page colour.
MixturePagePlaces paintMixturePage(qtp::Surface& page, bool mixturePossible, int solute1, int solute2,
                                   QSize entry4 = {57, 21}, QSize entry5 = {57, 21});
// Where paintMixturePage puts the volume entries when the mixture is possible.
MixturePagePlaces mixturePagePlaces(QSize entry4, QSize entry5);

}  // namespace velmira::ui
