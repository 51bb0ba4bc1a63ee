// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/ui/RichTextDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "platform/qt/Fonts.h"

namespace velmira::files::ui {

namespace {

constexpr int kClassicFont = QTextFormat::UserProperty + 1;  // font name as the file gives it
constexpr double kTwipsPerPixel = 15.0;                      // 1440 twips per inch, 96 pixels

// Faces of the font mapping back to their classic names.
QString classicName(const QString& family) {
  for (const char* classic : {"Arial", "Times New Roman", "Verdana"})
    if (qtp::mappedFamily(QString::fromLatin1(classic)) == family) return QString::fromLatin1(classic);
  return family;
}

QTextCharFormat charFormat(const rtf::RunFormat& f) {
  const QString classic = QString::fromStdString(f.font);
  QTextCharFormat c;
  c.setFont(qtp::mapFont(classic, f.points(), f.bold, f.italic), QTextCharFormat::FontPropertiesAll);
  c.setFontUnderline(f.underline);
  c.setForeground(QColor(f.colour.red, f.colour.green, f.colour.blue));
  c.setVerticalAlignment(f.position == rtf::VerticalPosition::Raised    ? QTextCharFormat::AlignSuperScript
                         : f.position == rtf::VerticalPosition::Lowered ? QTextCharFormat::AlignSubScript
                                                                        : QTextCharFormat::AlignNormal);
  c.setProperty(kClassicFont, classic);
  qtp::keepHalfPoints(c, f.halfPoints);
  return c;
}

QTextBlockFormat blockFormat(const rtf::Paragraph& p) {
  QTextBlockFormat b;
  switch (p.alignment) {
    case rtf::Alignment::Left:
      b.setAlignment(Qt::AlignLeft);
      break;
    case rtf::Alignment::Centre:
      b.setAlignment(Qt::AlignHCenter);
      break;
    case rtf::Alignment::Right:
      b.setAlignment(Qt::AlignRight);
      break;
    case rtf::Alignment::Justified:
      b.setAlignment(Qt::AlignJustify);
      break;
  }
  b.setLeftMargin(p.leftIndent / kTwipsPerPixel);
  return b;
}

// Symbol-font text becomes the Unicode characters it shows, in the program's
// text font; its characters may come as bytes or as U+F020..U+F0FF.
QString symbolText(QString text) {
  for (QChar& ch : text)
    if (ch.unicode() >= 0xF020 && ch.unicode() <= 0xF0FF) ch = QChar(ch.unicode() - 0xF000);
  return qtp::symbolToUnicode(text);
}
rtf::RunFormat textFormatOfSymbol(rtf::RunFormat f) {
  f.font = rtf::RunFormat{}.font;
  return f;
}

rtf::RunFormat runFormat(const QTextCharFormat& c) {
  rtf::RunFormat f;
  const QFont font = c.font();
  const QString family = font.families().isEmpty() ? font.family() : font.families().first();
  const QString classic = c.property(kClassicFont).toString();
  f.font = (!classic.isEmpty() && qtp::mappedFamily(classic) == family ? classic : classicName(family)).toStdString();
  f.halfPoints = qtp::halfPointsOf(c);
  f.bold = font.bold();
  f.italic = font.italic();
  f.underline = c.fontUnderline();
  if (c.hasProperty(QTextFormat::ForegroundBrush)) {
    const QColor colour = c.foreground().color();
    f.colour = {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
                static_cast<std::uint8_t>(colour.blue())};
  }
  f.position = c.verticalAlignment() == QTextCharFormat::AlignSuperScript ? rtf::VerticalPosition::Raised
               : c.verticalAlignment() == QTextCharFormat::AlignSubScript ? rtf::VerticalPosition::Lowered
                                                                          : rtf::VerticalPosition::Normal;
  return f;
}

rtf::Alignment alignment(Qt::Alignment a) {
  if (a & Qt::AlignHCenter) return rtf::Alignment::Centre;
  if (a & Qt::AlignJustify) return rtf::Alignment::Justified;
  if ((a & Qt::AlignRight) && !(a & Qt::AlignAbsolute)) return rtf::Alignment::Right;
  return rtf::Alignment::Left;
}

}  // namespace

void fillTextDocument(QTextDocument& target, const rtf::RichDocument& document) {
  // Loading is not an edit to undo; a statement has few distinct formats.
  const bool undo = target.isUndoRedoEnabled();
  target.setUndoRedoEnabled(false);
  target.clear();
  std::vector<std::pair<rtf::RunFormat, QTextCharFormat>> formats;
  auto formatOf = [&formats](const rtf::RunFormat& f) -> const QTextCharFormat& {
    for (const auto& [run, chars] : formats)
      if (run == f) return chars;
    formats.emplace_back(f, charFormat(f));
    return formats.back().second;
  };
  QTextCursor cursor(&target);
  cursor.beginEditBlock();
  bool first = true;
  for (const rtf::Paragraph& p : document.paragraphs) {
    const QTextCharFormat& mark = formatOf(p.runs.empty() ? rtf::RunFormat{} : p.runs.front().format);
    if (first) {
      cursor.setBlockFormat(blockFormat(p));
      cursor.setBlockCharFormat(mark);
      first = false;
    } else {
      cursor.insertBlock(blockFormat(p), mark);
    }
    for (const rtf::Run& r : p.runs) {
      QString text = QString::fromStdString(r.text);
      text.replace(QLatin1Char('\n'), QChar::LineSeparator);
      if (qtp::isSymbolFont(QString::fromStdString(r.format.font))) {
        cursor.insertText(symbolText(text), formatOf(textFormatOfSymbol(r.format)));
      } else {
        cursor.insertText(text, formatOf(r.format));
      }
    }
  }
  cursor.endEditBlock();
  target.setUndoRedoEnabled(undo);
}

rtf::RichDocument richDocumentOf(const QTextDocument& source) { return richDocumentOf(textSnapshotOf(source)); }

namespace {

// A paragraph's stretches as read from the document: their lengths and the
// document's indexes of their formats.
struct Stretches : QTextBlockUserData {
  std::vector<std::pair<int, int>> lengthAndFormat;
};

void readStretches(const QTextBlock& block, Stretches& into) {
  for (auto it = block.begin(); !it.atEnd(); ++it) {
    const QTextFragment fragment = it.fragment();
    if (fragment.isValid()) into.lengthAndFormat.emplace_back(fragment.length(), fragment.charFormatIndex());
  }
}

// `keep`: each paragraph's stretches are kept on it (its user data), read
// only where none are kept.
TextSnapshot snapshotOf(const QTextDocument& source, bool keep) {
  TextSnapshot shot;
  shot.text = source.toRawText();
  // Each of the document's formats converted once, by its index.
  const QList<QTextFormat> formats = source.allFormats();
  std::vector<int> runFormatAt(static_cast<std::size_t>(formats.size()), -1);
  std::vector<std::optional<TextSnapshot::Layout>> layoutAt(static_cast<std::size_t>(formats.size()));
  auto at = [&formats](int index) { return static_cast<std::size_t>(std::clamp<int>(index, 0, formats.size() - 1)); };
  int paragraph = 0, position = 0;
  Stretches read;
  for (QTextBlock block = source.begin(); block.isValid(); block = block.next(), ++paragraph) {
    const std::size_t b = at(block.blockFormatIndex());
    if (!layoutAt[b]) {
      const QTextBlockFormat f = formats[b].toBlockFormat();
      layoutAt[b] = {alignment(f.alignment()), static_cast<int>(std::lround(f.leftMargin() * kTwipsPerPixel))};
    }
    shot.paragraphs.push_back(*layoutAt[b]);
    const Stretches* stretches = keep ? static_cast<const Stretches*>(block.userData()) : nullptr;
    if (!stretches) {
      read.lengthAndFormat.clear();
      readStretches(block, read);
      stretches = &read;
      if (keep) {
        auto* kept = new Stretches(read);
        QTextBlock(block).setUserData(kept);  // the document owns it
        stretches = kept;
      }
    }
    int start = position;
    for (const auto& [length, format] : stretches->lengthAndFormat) {
      const std::size_t c = at(format);
      if (runFormatAt[c] < 0) {
        runFormatAt[c] = static_cast<int>(shot.formats.size());
        shot.formats.push_back(runFormat(formats[c].toCharFormat()));
      }
      shot.pieces.push_back({paragraph, start, length, runFormatAt[c]});
      start += length;
    }
    position += block.length();
  }
  return shot;
}

}  // namespace

TextSnapshot textSnapshotOf(const QTextDocument& source) { return snapshotOf(source, false); }

TextSnapshots::TextSnapshots(QTextDocument& document) : QObject(&document), document_(document) {
  // What changed is read again at the next snapshot (a document tells its
  // changes once it has a layout).
  document.documentLayout();
  connect(&document, &QTextDocument::contentsChange, this, [this](int position, int, int added) {
    const QTextBlock last = document_.findBlock(position + added);
    for (QTextBlock b = document_.findBlock(position); b.isValid(); b = b.next()) {
      b.setUserData(nullptr);
      if (b == last) break;
    }
  });
}

TextSnapshot TextSnapshots::take() const { return snapshotOf(document_, true); }

rtf::RichDocument richDocumentOf(const TextSnapshot& snapshot) {
  rtf::RichDocument d;
  d.paragraphs.reserve(snapshot.paragraphs.size());
  for (const TextSnapshot::Layout& l : snapshot.paragraphs) {
    rtf::Paragraph p;
    p.alignment = l.alignment;
    p.leftIndent = l.leftIndent;
    d.paragraphs.push_back(std::move(p));
  }
  for (const TextSnapshot::Piece& piece : snapshot.pieces) {
    QString text = snapshot.text.mid(piece.start, piece.length);
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    text.remove(QChar::ObjectReplacementCharacter);
    rtf::appendText(d.paragraphs[static_cast<std::size_t>(piece.paragraph)], text.toStdString(),
                    snapshot.formats[static_cast<std::size_t>(piece.format)]);
  }
  return d;
}

}  // namespace velmira::files::ui
