// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exercise text pane of the main window: the rich-text box `supertext`,
// the file-name field `fich` and the exercise button `btexo`. It shows the
// welcome text (read-only) or a statement, a correction or a text file, and
// tracks the pupil's changes in `textemodifie`.
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>
#include <string>

#include "files/rtf/RichDocument.h"
#include "files/ui/RichTextDocument.h"
#include "platform/core/Messages.h"

class QLineEdit;
class QPrinter;
class QTextDocument;
class QTextEdit;
class QToolButton;
class QWidget;

namespace velmira::files::ui {

class TextPane : public QObject {
  Q_OBJECT
 public:
  // The three controls, children of `window` at their design places;
  // `messages` tells when a document is shown cut.
  explicit TextPane(QWidget* window, MessageService* messages = nullptr);

  QTextEdit* textEditor() const { return textEditor_; }
  QLineEdit* fileNameField() const { return fileNameField_; }
  QToolButton* exerciseButton() const { return exerciseButton_; }

  // 1 when the pupil changed the text since the last load
  // or save, while the file-name field names a file.
  int textModified() const { return textModified_; }
  void setTextModified(int value) { textModified_ = value; }

  // The welcome text, read-only; the file-name field is emptied.
  void showWelcome();
  // The file-name field names `path` (its bytes, shown decoded:
  // fileio::shownPath), the caret after the last character, the whole text as
  // tooltip; fileNameText is what it shows.
  void setFileName(const std::string& path);
  QString fileNameText() const;
  // The field names a text file the pupil goes on with ("Texte : PATH").
  void nameTextFile(const std::string& path);
  // The file the field names, as bytes, without the "Texte : " of a text file.
  const std::string& namedPath() const { return path_; }
  // The exercise the field names, as bytes; empty for a text file or none.
  std::string exercisePath() const { return textFile_ ? std::string() : path_; }
  void setReadOnly(bool readOnly);
  // The pane's three controls laid out in `area` (the file-name field and its
  // button on the first line, the text below); designArea() is where they
  // stand in a window of its design size.
  void place(const QRect& area);
  static QRect designArea();

  // The pane's whole text replaced by a document, shown from its start,
  // within the limits of rtf::limitForDisplay: when the document was cut
  // (there, or by the reader) msg::textCut() is shown, once.
  void showDocument(rtf::RichDocument document);
  // The pane's text as a document, to save.
  rtf::RichDocument richDocument() const;
  // The same, taken quickly, made into a document on another thread.
  TextSnapshot textSnapshot() const;
  // Loads an RTF file into the pane; false, with the cause in French, when
  // it cannot be read (the pane is then unchanged).
  bool loadText(const std::string& path, std::string* cause = nullptr);
  // Prints the selection when there is one, else the whole text (printText);
  // false when printing failed.
  bool print(QPrinter& printer) const;

  static QString btexoHint();

 signals:
  // `btexo` was clicked: the exercise menu opens at this point.
  void exerciseMenuRequested(QPoint globalPos);

 private:
  MessageService* messages_ = nullptr;
  QTextEdit* textEditor_ = nullptr;
  QLineEdit* fileNameField_ = nullptr;
  std::string path_;
  bool textFile_ = false;
  QToolButton* exerciseButton_ = nullptr;
  TextSnapshots* snapshots_ = nullptr;  // of the text's document
  int textModified_ = 0;
};

// A text as the exercise menu prints it: in points, enlarged when its body
// is small, on A4 pages; its title (or `fallbackTitle`) as the document's.
bool printText(QPrinter& printer, const QTextDocument& text, const std::string& fallbackTitle);

}  // namespace velmira::files::ui
