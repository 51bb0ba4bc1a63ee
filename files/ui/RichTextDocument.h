// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A RichDocument in a QTextDocument and back: the exercise text pane's text.
//
// Fonts go through the program's font mapping (classic names and points to
// the free faces sized in pixels at 96 dpi); the classic name and the exact
// size are kept on each character format, so that a text read and written
// again keeps them. Indents: 1 pixel = 15 twips. Line breaks inside a
// paragraph are Qt's line separators.
#include "files/rtf/RichDocument.h"

class QTextCharFormat;
class QTextDocument;

namespace velmira::files::ui {

// Replaces the whole content of `target` with `document`; its undo history
// is emptied (loading is not an edit to undo).
void fillTextDocument(QTextDocument& target, const rtf::RichDocument& document);

// The content of `source`; pictures and other objects are left out.
rtf::RichDocument richDocumentOf(const QTextDocument& source);

}  // namespace velmira::files::ui
