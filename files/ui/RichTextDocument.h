// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A RichDocument in a QTextDocument and back: the exercise text pane's text.
//
// Fonts go through the program's font mapping (classic names and points to
// the free faces sized in pixels at 96 dpi); the classic name and the exact
// size are kept on each character format, so that a text read and written
// again keeps them. Indents: 1 pixel = 15 twips. Line breaks inside a
// paragraph are Qt's line separators.
#include <QObject>
#include <QString>
#include <vector>

#include "files/rtf/RichDocument.h"

class QTextCharFormat;
class QTextDocument;

namespace velmira::files::ui {

// Replaces the whole content of `target` with `document`; its undo history
// is emptied (loading is not an edit to undo).
void fillTextDocument(QTextDocument& target, const rtf::RichDocument& document);

// The content of `source`; pictures and other objects are left out.
rtf::RichDocument richDocumentOf(const QTextDocument& source);

// A document's content as copies of its text and of its few formats, quick
// to take (the text is copied whole, the formats once each), and made into
// a RichDocument on any thread.
struct TextSnapshot {
  // A stretch of one format in one paragraph: `start` and `length` in `text`.
  struct Piece {
    int paragraph = 0;
    int start = 0;
    int length = 0;
    int format = 0;  // in `formats`
  };
  struct Layout {
    rtf::Alignment alignment = rtf::Alignment::Left;
    int leftIndent = 0;
  };
  QString text;  // the document's text, paragraphs ended by QChar::ParagraphSeparator
  std::vector<rtf::RunFormat> formats;
  std::vector<Layout> paragraphs;
  std::vector<Piece> pieces;
};
TextSnapshot textSnapshotOf(const QTextDocument& source);
rtf::RichDocument richDocumentOf(const TextSnapshot& snapshot);

// Snapshots of one document taken again and again, as textSnapshotOf takes
// them: each paragraph's stretches are read once and kept with it until it
// changes, so that a snapshot costs little more than a copy of the text.
class TextSnapshots : public QObject {
 public:
  // Owned by `document`.
  explicit TextSnapshots(QTextDocument& document);
  TextSnapshot take() const;

 private:
  QTextDocument& document_;
};

}  // namespace velmira::files::ui
