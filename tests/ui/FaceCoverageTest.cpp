// SPDX-License-Identifier: GPL-3.0-or-later
// Every character the program shows is in its own wide face, the last of the
// families each of its fonts asks for: no text ever needs a face the machine
// happens to have. The characters come from the string and character
// literals of the program's sources (windows and core messages), the Symbol
// font's texts, the help pages, the English catalogue and the shipped statements
// and exercises.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRawFont>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextDocument>
#include <QXmlStreamReader>
#include <map>
#include <set>
#include <string>
#include <string_view>

#include "files/rtf/RtfReader.h"
#include "files/ui/RichTextDocument.h"
#include "platform/qt/Fonts.h"

namespace velmira::ui::testing {
namespace {

using Characters = std::map<char32_t, QString>;  // character → where it was found

QByteArray fileBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void addText(Characters& out, const QString& text, const QString& where) {
  for (char32_t c : text.toUcs4())
    if (c >= 0xA0) out.emplace(c, where);
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

void appendUtf8(std::string& out, char32_t c) { out += QString::fromUcs4(&c, 1).toStdString(); }

// The texts of a C++ source's literals, escapes decoded; comments left out,
// and a literal that is not UTF-8 (a byte compared, a code page) too.
std::vector<QString> literalTexts(const QByteArray& source) {
  std::vector<QString> out;
  const qsizetype n = source.size();
  for (qsizetype i = 0; i < n; ++i) {
    const char c = source[i];
    if (c == '/' && i + 1 < n && source[i + 1] == '/') {
      while (i < n && source[i] != '\n') ++i;
    } else if (c == '/' && i + 1 < n && source[i + 1] == '*') {
      const qsizetype end = source.indexOf("*/", i + 2);
      i = end < 0 ? n : end + 1;
    } else if (c == '"' || c == '\'') {
      std::string bytes;
      for (++i; i < n && source[i] != c; ++i) {
        if (source[i] != '\\' || i + 1 >= n) {
          bytes += source[i];
          continue;
        }
        const char e = source[++i];
        if (e == 'x') {
          int v = 0;
          while (i + 1 < n && hexValue(source[i + 1]) >= 0) v = v * 16 + hexValue(source[++i]);
          bytes += static_cast<char>(v);
        } else if (e == 'u' || e == 'U') {
          char32_t v = 0;
          for (int k = 0; k < (e == 'u' ? 4 : 8) && i + 1 < n && hexValue(source[i + 1]) >= 0; ++k)
            v = v * 16 + static_cast<char32_t>(hexValue(source[++i]));
          appendUtf8(bytes, v);
        } else if (e >= '0' && e <= '7') {
          int v = e - '0';
          for (int k = 0; k < 2 && i + 1 < n && source[i + 1] >= '0' && source[i + 1] <= '7'; ++k)
            v = v * 8 + (source[++i] - '0');
          bytes += static_cast<char>(v);
        }
      }
      QStringDecoder utf8(QStringDecoder::Utf8);
      const QString text = utf8(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
      if (!utf8.hasError()) out.push_back(text);
    }
  }
  return out;
}

Characters shownCharacters() {
  Characters out;
  const QDir root(QStringLiteral(VELMIRA_SOURCE_DIR));
  for (const char* folder : {"app", "ui", "widgets", "platform", "model", "table", "expr", "files", "graph"}) {
    QDirIterator it(root.filePath(QString::fromLatin1(folder)), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
      const QString path = it.next();
      for (const QString& text : literalTexts(fileBytes(path))) addText(out, text, root.relativeFilePath(path));
    }
  }
  for (char16_t c = 0x20; c <= 0xFF; ++c)
    addText(out, qtp::symbolToUnicode(QString(QChar(c))), QStringLiteral("symbolToUnicode"));

  const QDir data(QStringLiteral(VELMIRA_APP_DATA));
  for (const QString& page : {QStringLiteral("aide/index.html"), QStringLiteral("aide/en/index.html")}) {
    QTextDocument help;
    help.setHtml(QString::fromUtf8(fileBytes(data.filePath(page))));
    addText(out, help.toPlainText(), page);
  }
  // The English windows' texts.
  QXmlStreamReader catalogue(fileBytes(root.filePath(QStringLiteral("translations/velmira_en.ts"))));
  while (!catalogue.atEnd())
    if (catalogue.readNext() == QXmlStreamReader::StartElement && catalogue.name() == QStringLiteral("translation"))
      addText(out, catalogue.readElementText(), QStringLiteral("velmira_en.ts"));
  EXPECT_FALSE(catalogue.hasError());
  QDirIterator rtfs(data.path(), {QStringLiteral("*.rtf")}, QDir::Files, QDirIterator::Subdirectories);
  while (rtfs.hasNext()) {
    const QString path = rtfs.next();
    const auto document = rtf::readRtf(fileBytes(path).toStdString());
    if (!document) {
      ADD_FAILURE() << "unreadable " << path.toStdString();
      continue;
    }
    QTextDocument text;
    files::ui::fillTextDocument(text, *document);
    addText(out, text.toPlainText(), data.relativeFilePath(path));
  }
  // Not drawn: the byte order mark a file starts with, the document's own
  // paragraph and line separators.
  for (char32_t c : {U'\uFEFF', U'\u2029', U'\u2028'}) out.erase(c);
  return out;
}

TEST(FaceCoverage, EveryShownCharacterIsInTheWideFaceAndEachClassicFaceHasItsTexts) {
  const Characters shown = shownCharacters();
  // Letters with accents, the no-break space, Greek and the arrows at least.
  for (char32_t c : {U'é', U'\u00A0', U'σ', U'µ', U'←', U'↓', U'…', U'²'})
    EXPECT_TRUE(shown.count(c)) << "not gathered: U+" << std::hex << static_cast<unsigned>(c);
  const QDir faces(QDir(QStringLiteral(VELMIRA_PROGRAM_FOLDER)).filePath(QString::fromLatin1(qtp::kFacesFolder)));
  for (const char* file : {"VelmiraLarge-Regular.ttf", "VelmiraLarge-Bold.ttf"}) {
    const QRawFont face(faces.filePath(QString::fromLatin1(file)), 12);
    ASSERT_TRUE(face.isValid()) << file;
    for (const auto& [c, where] : shown)
      EXPECT_TRUE(face.supportsCharacter(static_cast<uint>(c)))
          << file << " lacks U+" << std::hex << static_cast<unsigned>(c) << " (" << where.toStdString() << ")";
  }
  // The texts of a statement in its own classic face: the sans face keeps its
  // Latin letters and signs (the wide face would change the look), the
  // Symbol font's Greek letters are drawn in the wide face itself.
  const QRawFont sans(faces.filePath(QStringLiteral("VelmiraSans-Regular.ttf")), 12);
  for (char32_t c : std::u32string_view(U"àâçéèêëîïôùûüÿœÀÉÈ«»°±×µ²³–—…’€")) {
    EXPECT_TRUE(sans.supportsCharacter(static_cast<uint>(c))) << "U+" << std::hex << static_cast<unsigned>(c);
  }
}

}  // namespace
}  // namespace velmira::ui::testing
