#include "files/ui/TextPane.h"

#include <QLineEdit>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QToolButton>

#include <utility>

#include "files/WelcomeText.h"
#include "files/rtf/RtfFile.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/RichTextDocument.h"

namespace velmira::files::ui {

namespace {
constexpr int kLeft = 424, kTop = 328, kWidth = 361, kFieldHeight = 22, kButtonWidth = 95, kTextHeight = 190;
}

TextPane::TextPane(QWidget* window, MessageService* messages) : QObject(window), messages_(messages) {
  fich_ = new QLineEdit(window);
  fich_->setObjectName(QStringLiteral("fich"));
  fich_->setReadOnly(true);
  fich_->setFocusPolicy(Qt::ClickFocus);
  fich_->setGeometry(kLeft, kTop, kWidth - kButtonWidth, kFieldHeight);

  btexo_ = new QToolButton(window);
  btexo_->setObjectName(QStringLiteral("btexo"));
  btexo_->setText(QStringLiteral("Exercices"));
  btexo_->setToolTip(btexoHint());
  btexo_->setPopupMode(QToolButton::DelayedPopup);
  btexo_->setGeometry(kLeft + kWidth - kButtonWidth, kTop, kButtonWidth, kFieldHeight);
  connect(btexo_, &QToolButton::clicked, this,
          [this] { emit exerciseMenuRequested(btexo_->mapToGlobal(QPoint(0, btexo_->height()))); });

  supertext_ = new QTextEdit(window);
  supertext_->setObjectName(QStringLiteral("supertext"));
  supertext_->setAcceptRichText(true);
  supertext_->setGeometry(kLeft, kTop + kFieldHeight, kWidth, kTextHeight);
  supertext_->document()->setDefaultFont(qtp::mapFont(QStringLiteral("Arial"), 10));
  connect(supertext_, &QTextEdit::textChanged, this, [this] {
    // Changes are tracked only while the pane holds a file's text.
    if (!fich_->text().isEmpty()) textemodifie_ = 1;
  });
  connect(fich_, &QLineEdit::textChanged, this, [this](const QString& t) {
    fich_->setCursorPosition(static_cast<int>(t.size()));
    fich_->setToolTip(t);
  });
}

QString TextPane::btexoHint() {
  return QStringLiteral("Ouvrir un énoncé, enregistrer le texte, obtenir la correction, imprimer ou fermer");
}

void TextPane::showWelcome() {
  supertext_->hide();
  fich_->clear();
  supertext_->setReadOnly(true);
  showDocument(welcomeDocument());
  supertext_->show();
}

void TextPane::setFich(const QString& text) { fich_->setText(text); }
QString TextPane::fichText() const { return fich_->text(); }
void TextPane::setReadOnly(bool readOnly) { supertext_->setReadOnly(readOnly); }

void TextPane::showDocument(rtf::RichDocument document) {
  const bool cut = rtf::limitForDisplay(document) || document.truncated;
  qtp::fillTextDocument(*supertext_->document(), document);
  supertext_->moveCursor(QTextCursor::Start);
  if (cut && messages_) messages_->show(msg::textCut());
}

rtf::RichDocument TextPane::richDocument() const { return qtp::richDocumentOf(*supertext_->document()); }

bool TextPane::loadText(const std::string& path, std::string* cause) {
  rtf::FileRead read = rtf::loadRtfFile(path);
  if (!read.document) {
    if (cause) *cause = rtf::describe(read.error);
    return false;
  }
  showDocument(std::move(*read.document));
  return true;
}

void TextPane::print(QPrinter& printer) const {
  const QTextCursor cursor = supertext_->textCursor();
  if (!cursor.hasSelection()) {
    supertext_->document()->print(&printer);
    return;
  }
  QTextDocument selection;
  selection.setDefaultFont(supertext_->document()->defaultFont());
  QTextCursor(&selection).insertFragment(cursor.selection());
  selection.print(&printer);
}

}  // namespace velmira::files::ui
