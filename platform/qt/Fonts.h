// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Font mapping for the drawing surfaces.
//
// The program names its fonts by their classic names ("Arial", "Times New
// Roman", "Verdana", "Symbol") and sizes them in points. Here they become the
// free fonts shipped with the program's platform, sized in pixels at 96 dpi:
// pixel size = round(points × 96 / 72), halves to even (10 pt → 13 px,
// 8 pt → 11 px, 8.25 pt → 11 px, 9.75 pt → 13 px, 12 pt → 16 px), so that the
// same layout comes out whatever the screen's own dpi. A missing face falls
// back to the platform's substitute; every layout computed from text widths
// measures whatever face is actually used.
//
// The Symbol font is not used as such: its text is drawn as Unicode in a
// sans face ("s" → "σ", "·" → "•", the down arrow 0xAF → "↓", Latin letters
// → Greek letters in the Symbol order).
#include <QFont>
#include <QString>

class QTextCharFormat;

namespace velmira::qtp {

// Pixel size of a font of `points` at 96 dpi, rounded half to even.
int fontPixelSize(double points);

// True for the Symbol font name (any case).
bool isSymbolFont(const QString& name);

// Face used for a classic font name: "Arial" → "Liberation Sans",
// "Times New Roman" → "Liberation Serif", "Verdana" → "DejaVu Sans",
// "Symbol" → "DejaVu Sans" (any case); other names are kept.
QString mappedFamily(const QString& name);

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
