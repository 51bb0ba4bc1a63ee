// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Font mapping for the drawing surfaces.
//
// The program names its fonts by their classic names ("Arial", "Times New
// Roman", "Verdana", "Symbol", "Courier New") and sizes them in points. Here
// they become the program's own faces, sized in pixels at 96 dpi: pixel
// size = round(points × 96 / 72), halves to even (10 pt → 13 px, 8 pt → 11 px,
// 8.25 pt → 11 px, 9.75 pt → 13 px, 12 pt → 16 px), so that the same layout
// comes out whatever the screen's own dpi.
//
// The own faces are the free faces the program depends on, made at build
// time under family names no other font has (the build's polices/ folder,
// installed in the application folder): whatever fonts the machine has, a
// text is drawn with the same glyphs. A character missing from a face comes
// from the wide face ("Velmira Large"), which covers every character the
// program shows.
//
// The Symbol font is not used as such: its text is drawn as Unicode in a
// sans face ("s" → "σ", "·" → "•", the down arrow 0xAF → "↓", Latin letters
// → Greek letters in the Symbol order).
#include <QFont>
#include <QString>
#include <QStringList>

class QTextCharFormat;

namespace velmira::qtp {

// Pixel size of a font of `points` at 96 dpi, rounded half to even.
int fontPixelSize(double points);

// True for the Symbol font name (any case).
bool isSymbolFont(const QString& name);

// The own faces' families.
inline constexpr char kSansFamily[] = "Velmira Sans";    // Liberation Sans's design (Arial's metrics)
inline constexpr char kSerifFamily[] = "Velmira Serif";  // Liberation Serif's (Times New Roman's)
inline constexpr char kLargeFamily[] = "Velmira Large";  // DejaVu Sans's (Verdana's place, Symbol's texts)
inline constexpr char kMonoFamily[] = "Velmira Mono";    // DejaVu Sans Mono's

// The own faces' files in the application folder's `polices/`.
struct FaceFile {
  const char* file;
  const char* family;
};
inline constexpr char kFacesFolder[] = "polices";
inline constexpr FaceFile kFaceFiles[] = {
    {"VelmiraSans-Regular.ttf", kSansFamily},   {"VelmiraSans-Bold.ttf", kSansFamily},
    {"VelmiraSans-Italic.ttf", kSansFamily},    {"VelmiraSans-BoldItalic.ttf", kSansFamily},
    {"VelmiraSerif-Regular.ttf", kSerifFamily}, {"VelmiraSerif-Bold.ttf", kSerifFamily},
    {"VelmiraSerif-Italic.ttf", kSerifFamily},  {"VelmiraSerif-BoldItalic.ttf", kSerifFamily},
    {"VelmiraLarge-Regular.ttf", kLargeFamily}, {"VelmiraLarge-Bold.ttf", kLargeFamily},
    {"VelmiraMono-Regular.ttf", kMonoFamily}};

// Loads the own faces from `<dataFolder>/polices` and makes the wide face
// the application's font (its size kept). A face missing or unreadable is
// said on stderr and left out (Qt's choice for the name then draws it).
// Returns the files that could not be loaded.
QStringList useProgramFaces(const QString& dataFolder);

// Family used for a font name: "Arial" → "Velmira Sans", "Times New Roman"
// → "Velmira Serif", "Verdana" and "Symbol" → "Velmira Large", "Courier New"
// → "Velmira Mono" (any case); an own family is kept, any other name gives
// "Velmira Sans".
QString mappedFamily(const QString& name);

// The families a font of that name asks for: its own, then the wide face
// for the characters its own face lacks.
QStringList mappedFamilies(const QString& name);

// The QFont for a classic font name, size in points, bold, italic.
QFont mapFont(const QString& name, double points, bool bold = false, bool italic = false);

// Symbol-font text as Unicode.
QString symbolToUnicode(const QString& text);

// The down arrow of the Symbol font, as Unicode ("↓").
// A text format keeps the size its file gave, in half points, beside its
// pixel size (pixel sizes at 96 dpi lose half points).
void keepHalfPoints(QTextCharFormat& format, int halfPoints);
// The size a format stands for, in half points: the kept size while the
// pixel size still matches it, else the pixel size's at 96 dpi, else the
// format's point size; at least 1.
int halfPointsOf(const QTextCharFormat& format);
inline double formatPoints(const QTextCharFormat& format) { return halfPointsOf(format) / 2.0; }

inline QString symbolDownArrow() { return QString(QChar(0x2193)); }

}  // namespace velmira::qtp
