// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/ui/TextPane.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QToolButton>
#include <algorithm>
#include <utility>

#include "files/PrintedTexts.h"
#include "files/WelcomeText.h"
#include "files/rtf/RtfFile.h"
#include "files/ui/RichTextDocument.h"
#include "platform/core/FileNames.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/Printing.h"

namespace velmira::files::ui {

namespace {
constexpr int kLeft = 424, kTop = 328, kWidth = 361, kFieldHeight = 22, kButtonWidth = 95, kTextHeight = 190;
}

TextPane::TextPane(QWidget* window, MessageService* messages) : QObject(window), messages_(messages) {
  fileNameField_ = new QLineEdit(window);
  fileNameField_->setObjectName(QStringLiteral("exerciseFileName"));
  fileNameField_->setReadOnly(true);
  fileNameField_->setFocusPolicy(Qt::ClickFocus);
  fileNameField_->setGeometry(kLeft, kTop, kWidth - kButtonWidth, kFieldHeight);

  exerciseButton_ = new QToolButton(window);
  exerciseButton_->setObjectName(QStringLiteral("exerciseButton"));
  exerciseButton_->setText(QCoreApplication::translate("velmira::files::ui", "E&xercices"));
  exerciseButton_->setToolTip(btexoHint());
  exerciseButton_->setPopupMode(QToolButton::DelayedPopup);
  exerciseButton_->setGeometry(kLeft + kWidth - kButtonWidth, kTop, kButtonWidth, kFieldHeight);
  connect(exerciseButton_, &QToolButton::clicked, this,
          [this] { emit exerciseMenuRequested(exerciseButton_->mapToGlobal(QPoint(0, exerciseButton_->height()))); });

  textEditor_ = new QTextEdit(window);
  textEditor_->setObjectName(QStringLiteral("exerciseText"));
  textEditor_->setAcceptRichText(true);
  textEditor_->setTabChangesFocus(true);  // no text needs a tab: Tab leaves the pane
  textEditor_->setGeometry(kLeft, kTop + kFieldHeight, kWidth, kTextHeight);
  snapshots_ = new TextSnapshots(*textEditor_->document());
  textEditor_->document()->setDefaultFont(qtp::mapFont(QStringLiteral("Arial"), 10));
  connect(textEditor_, &QTextEdit::textChanged, this, [this] {
    // Changes are tracked only while the pane holds a file's text.
    if (!fileNameField_->text().isEmpty()) textModified_ = 1;
  });
  connect(fileNameField_, &QLineEdit::textChanged, this, [this](const QString& t) {
    fileNameField_->setCursorPosition(static_cast<int>(t.size()));
    fileNameField_->setToolTip(t);
  });
}

QString TextPane::btexoHint() {
  return QCoreApplication::translate(
      "velmira::files::ui", "Ouvrir un énoncé, enregistrer le texte, obtenir la correction, imprimer ou fermer");
}

void TextPane::showWelcome() {
  textEditor_->hide();
  fileNameField_->clear();
  path_.clear();
  textFile_ = false;
  textEditor_->setReadOnly(true);
  showDocument(welcomeDocument());
  textEditor_->show();
}

void TextPane::setFileName(const std::string& path) {
  path_ = path;
  textFile_ = false;
  fileNameField_->setText(QString::fromStdString(fileio::shownPath(path)));
}
QString TextPane::fileNameText() const { return fileNameField_->text(); }

void TextPane::nameTextFile(const std::string& path) {
  path_ = path;
  textFile_ = true;
  fileNameField_->setText(QCoreApplication::translate("velmira::files::ui", "Texte : %1")
                              .arg(QString::fromStdString(fileio::shownPath(path))));
}
void TextPane::setReadOnly(bool readOnly) { textEditor_->setReadOnly(readOnly); }

void TextPane::place(const QRect& area) {
  fileNameField_->setGeometry(area.left(), area.top(), area.width() - kButtonWidth, kFieldHeight);
  exerciseButton_->setGeometry(area.right() + 1 - kButtonWidth, area.top(), kButtonWidth, kFieldHeight);
  textEditor_->setGeometry(area.left(), area.top() + kFieldHeight, area.width(),
                           std::max(kFieldHeight, area.height() - kFieldHeight));
}

QRect TextPane::designArea() { return {kLeft, kTop, kWidth, kFieldHeight + kTextHeight}; }

void TextPane::showDocument(rtf::RichDocument document) {
  const bool cut = rtf::limitForDisplay(document) || document.truncated;
  // Typed in, a long paragraph is laid out again at each key.
  rtf::splitLongParagraphs(document);
  fillTextDocument(*textEditor_->document(), document);
  textEditor_->moveCursor(QTextCursor::Start);
  if (cut && messages_) messages_->show(msg::textCut());
}

rtf::RichDocument TextPane::richDocument() const { return richDocumentOf(*textEditor_->document()); }

TextSnapshot TextPane::textSnapshot() const { return snapshots_->take(); }

bool TextPane::loadText(const std::string& path, std::string* cause) {
  rtf::FileRead read = rtf::loadRtfFile(path);
  if (!read.document) {
    if (cause) *cause = rtf::describe(read.error);
    return false;
  }
  showDocument(std::move(*read.document));
  return true;
}

bool TextPane::print(QPrinter& printer) const {
  const std::string name = files::documentName(fileNameField_->text().toStdString());
  const QTextCursor cursor = textEditor_->textCursor();
  if (!cursor.hasSelection()) return printText(printer, *textEditor_->document(), name);
  QTextDocument selection;
  selection.setDefaultFont(textEditor_->document()->defaultFont());
  QTextCursor(&selection).insertFragment(cursor.selection());
  return printText(printer, selection, name);
}

bool printText(QPrinter& printer, const QTextDocument& text, const std::string& fallbackTitle) {
  const rtf::RichDocument rich = richDocumentOf(text);
  const QString title = QString::fromStdString(files::documentTitle(rich, fallbackTitle));
  return qtp::printTextDocument(printer, text, title, files::printScale(files::bodyPoints(rich)));
}

}  // namespace velmira::files::ui
