// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/Fonts.h"

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QTextCharFormat>
#include <cmath>
#include <iostream>

#include "platform/core/NumberText.h"

namespace velmira::qtp {

int fontPixelSize(double points) {
  const int px = static_cast<int>(num::roundHalfEven(points * 96.0 / 72.0));
  return px < 1 ? 1 : px;
}

bool isSymbolFont(const QString& name) {
  return name.trimmed().compare(QStringLiteral("Symbol"), Qt::CaseInsensitive) == 0;
}

QStringList useProgramFaces(const QString& dataFolder) {
  const QDir folder(QDir(dataFolder).filePath(QString::fromLatin1(kFacesFolder)));
  QStringList missing;
  for (const FaceFile& face : kFaceFiles) {
    const QString path = folder.filePath(QString::fromLatin1(face.file));
    const int id = QFontDatabase::addApplicationFont(path);
    if (id < 0 || !QFontDatabase::applicationFontFamilies(id).contains(QString::fromLatin1(face.family))) {
      std::cerr << "velmira: police introuvable ou illisible : " << path.toStdString() << '\n';
      missing.push_back(path);
    }
  }
  QFont font = QGuiApplication::font();
  font.setFamilies({QString::fromLatin1(kLargeFamily)});
  QGuiApplication::setFont(font);
  return missing;
}

QString mappedFamily(const QString& name) {
  const QString n = name.trimmed();
  auto is = [&n](const char* classic) { return n.compare(QLatin1String(classic), Qt::CaseInsensitive) == 0; };
  if (is("Times New Roman")) return QString::fromLatin1(kSerifFamily);
  if (is("Verdana") || isSymbolFont(n)) return QString::fromLatin1(kLargeFamily);
  if (is("Courier New")) return QString::fromLatin1(kMonoFamily);
  for (const char* own : {kSerifFamily, kLargeFamily, kMonoFamily})
    if (is(own)) return QString::fromLatin1(own);
  return QString::fromLatin1(kSansFamily);
}

QStringList mappedFamilies(const QString& name) {
  const QString family = mappedFamily(name);
  const QString large = QString::fromLatin1(kLargeFamily);
  return family == large ? QStringList{family} : QStringList{family, large};
}

QFont mapFont(const QString& name, double points, bool bold, bool italic) {
  QFont f;
  f.setFamilies(mappedFamilies(name));
  f.setPixelSize(fontPixelSize(points));
  f.setBold(bold);
  f.setItalic(italic);
  f.setKerning(false);
  // Without kerning, the Latin and Greek texts of the program come out the
  // same from the font's own advances: no shaping pass.
  f.setStyleStrategy(QFont::PreferNoShaping);
  return f;
}

QString symbolToUnicode(const QString& text) {
  // Symbol font code points in the order of its Latin letters.
  static const char16_t lower[26] = {0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3, 0x03B7, 0x03B9,
                                     0x03D5, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BF, 0x03C0, 0x03B8, 0x03C1,
                                     0x03C3, 0x03C4, 0x03C5, 0x03D6, 0x03C9, 0x03BE, 0x03C8, 0x03B6};
  static const char16_t upper[26] = {0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393, 0x0397, 0x0399,
                                     0x03D1, 0x039A, 0x039B, 0x039C, 0x039D, 0x039F, 0x03A0, 0x0398, 0x03A1,
                                     0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9, 0x039E, 0x03A8, 0x0396};
  QString out;
  out.reserve(text.size());
  for (QChar ch : text) {
    const char16_t c = ch.unicode();
    if (c >= u'a' && c <= u'z')
      out += QChar(lower[c - u'a']);
    else if (c >= u'A' && c <= u'Z')
      out += QChar(upper[c - u'A']);
    else if (c == 0x00B7)
      out += QChar(0x2022);  // bullet
    else if (c == 0x00AC)
      out += QChar(0x2190);
    else if (c == 0x00AD)
      out += QChar(0x2191);
    else if (c == 0x00AE)
      out += QChar(0x2192);
    else if (c == 0x00AF)
      out += QChar(0x2193);  // down arrow
    else if (c == 0x00B4)
      out += QChar(0x00D7);
    else
      out += ch;
  }
  return out;
}

namespace {
constexpr int kHalfPoints = QTextFormat::UserProperty + 2;  // size as the file gives it
}

void keepHalfPoints(QTextCharFormat& format, int halfPoints) { format.setProperty(kHalfPoints, halfPoints); }

int halfPointsOf(const QTextCharFormat& format) {
  const QFont font = format.font();
  const int kept = format.property(kHalfPoints).toInt();
  int half = 0;
  if (font.pixelSize() > 0) {
    half = kept > 0 && fontPixelSize(kept / 2.0) == font.pixelSize()
               ? kept
               : static_cast<int>(std::lround(font.pixelSize() * 72.0 / 96.0 * 2.0));
  } else if (font.pointSizeF() > 0) {
    half = static_cast<int>(std::lround(font.pointSizeF() * 2.0));
  }
  return half < 1 ? 1 : half;
}

}  // namespace velmira::qtp
