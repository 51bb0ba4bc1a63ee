// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's colours: the window and bench palette, in one place.
#include <QColor>
#include <array>

namespace velmira::widgets {

// The 16-colour palette entries the drawings use by index.
inline const QColor kBlack{0, 0, 0};
inline const QColor kDarkBlue{0, 0, 128};       // palette 1
inline const QColor kLightGrey{192, 192, 192};  // palette 7
inline const QColor kDarkGrey{128, 128, 128};   // palette 8
inline const QColor kBlue{0, 0, 255};           // palette 9
inline const QColor kRed{255, 0, 0};            // palette 12
inline const QColor kWhite{255, 255, 255};      // palette 15
inline const QColor kDarkGreen{0, 128, 0};      // palette 2
// The second line of a two-line fit.
inline const QColor kPurple{160, 0, 160};

// Window, tab strip and bench pages.
inline const QColor kWindowBackground{224, 224, 224};
inline const QColor kStripBackground{210, 205, 200};
inline const QColor kPageBackground{240, 235, 230};

// Instruments: face and bevel light of each, title colours.
inline const QColor kWireBlue{50, 50, 200};
inline const QColor kVoltmeterFace{180, 210, 210};
inline const QColor kVoltmeterLight{200, 240, 240};
inline const QColor kVoltmeterTitle{0, 80, 100};
inline const QColor kAmmeterFace{210, 210, 180};
inline const QColor kAmmeterLight{240, 240, 200};
inline const QColor kAmmeterTitle{100, 80, 0};
inline const QColor kGeneratorFace{255, 128, 0};
inline const QColor kGeneratorLight{255, 200, 150};
inline const QColor kConductimeterFace{0, 100, 180};
inline const QColor kConductimeterOuter{100, 200, 250};
inline const QColor kConductimeterInner{50, 150, 220};
inline const QColor kConductimeterTitle{190, 230, 255};
// The cell stem below the liquid and the electrode tip.
inline const QColor kStem{90, 90, 90};
inline const QColor kElectrodeTip{150, 150, 150};
// The grains of a precipitate in the mixture beaker.
inline const QColor kPrecipitateGrain{200, 200, 200};
// The digits of the instrument displays.
inline const QColor kDisplayDigits{0, 255, 0};

// Pictures: the command buttons' icons, the beaker and cell, the knobs, the
// cell diagram, the exercise stars, the help's search marks, printed titles.
inline const QColor kIconOutline{60, 60, 70};
inline const QColor kIconFolder{235, 190, 80};
inline const QColor kIconFolderFlap{250, 215, 120};
inline const QColor kIconDiskette{60, 90, 170};
inline const QColor kIconDisketteShutter{200, 200, 210};
inline const QColor kIconDisketteLabel{40, 60, 120};
inline const QColor kIconSheetEdge{150, 150, 160};
inline const QColor kIconPrinter{170, 170, 180};
inline const QColor kIconPrinterLight{90, 200, 90};
inline const QColor kIconCalculator{120, 120, 135};
inline const QColor kIconCalculatorScreen{190, 230, 190};
inline const QColor kIconHelpEdge{20, 50, 140};
inline const QColor kIconHelpDisc{60, 110, 220};
inline const QColor kIconDoor{150, 100, 60};
inline const QColor kIconDoorway{235, 235, 225};
inline const QColor kIconExitArrow{200, 30, 30};
inline const QColor kIconRecordArrow{30, 150, 60};
inline const QColor kBeakerGlass{70, 100, 130};
inline const QColor kBeakerRim{120, 145, 170};
inline const QColor kBeakerGraduation{90, 115, 140};
inline const QColor kCellHeadDark{30, 30, 30};
inline const QColor kCellHeadLight{95, 95, 95};
inline const QColor kCellHeadEdge{20, 20, 20};
inline const QColor kCellHeadCap{200, 200, 200};
inline const QColor kGlassHighlight{235, 245, 255};
inline const QColor kKnobRim{200, 100, 0};
inline const QColor kKnobFace{220, 220, 230};
inline const QColor kKnobHighlight{240, 240, 250};
inline const QColor kDiagramEdge{40, 50, 70};
inline const QColor kDiagramLead{60, 60, 60};
inline const QColor kElectrodeLight{225, 228, 235};
inline const QColor kElectrodeShade{150, 158, 172};
inline const QColor kFieldLines{120, 140, 170};
inline const QColor kStarLitEdge{190, 130, 0};
inline const QColor kStarEdge{110, 110, 120};
inline const QColor kStarLit{255, 200, 40};
inline const QColor kStarUnlit{190, 190, 198};
inline const QColor kSearchHighlight{255, 230, 80};
inline const QColor kPrintedTitleShade{230, 230, 230};
// Texts. Every text keeps the least contrast of legible texts with its
// background, disabled captions included: the pairs below are the texts the
// program writes and what they are written on (the tests check each one).
inline const QColor kDisabledText{76, 76, 76};
// The fitted lines' equations on the graph's grey panel: the lines' green
// and purple, darker for a text.
inline const QColor kLineText{0, 80, 0};
inline const QColor kPurpleText{120, 0, 120};
// A selected cell or item behind its white text.
inline const QColor kSelection{35, 110, 170};
// An exercise's corrected status, over its grey shadow.
inline const QColor kStatusText{0, 0, 200};
// The windows' own background where the style gives it (graph, dialogs).
inline const QColor kStyleWindow{239, 239, 239};

struct TextPair {
  QColor text;
  QColor background;
};
inline const std::array<TextPair, 23> kTextPairs = {{
    {kBlack, kWindowBackground},
    {kBlack, kPageBackground},
    {kBlack, kStripBackground},
    {kBlack, kLightGrey},
    {kBlack, kStyleWindow},
    {kWhite, kDarkBlue},
    {kDisplayDigits, kBlack},
    {kDisabledText, kWindowBackground},
    {kDisabledText, kPageBackground},
    {kDisabledText, kLightGrey},
    {kDisabledText, kStyleWindow},
    {kDisabledText, kStripBackground},
    {kVoltmeterTitle, kVoltmeterFace},
    {kAmmeterTitle, kAmmeterFace},
    {kBlack, kVoltmeterFace},
    {kBlack, kAmmeterFace},
    {kWhite, kConductimeterFace},
    {kConductimeterTitle, kConductimeterFace},
    {kBlack, kGeneratorFace},
    {kLineText, kLightGrey},
    {kPurpleText, kLightGrey},
    {kWhite, kSelection},
    {kStatusText, kStyleWindow},
}};

}  // namespace velmira::widgets
