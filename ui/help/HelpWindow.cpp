// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help/HelpWindow.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include "widgets/Colours.h"
#include "widgets/ScrolledDialog.h"

namespace velmira::ui {

namespace {

constexpr int kBlockPosition = Qt::UserRole;
constexpr int kMaxCounted = 999;  // occurrences counted for the search result

QPointer<HelpWindow>& openWindow() {
  static QPointer<HelpWindow> window;
  return window;
}

}  // namespace

QString helpFilePath(const QString& appFolder, qtp::UiLanguage language) {
  return QDir(appFolder).filePath(language == qtp::UiLanguage::English ? QStringLiteral("aide/en/index.html")
                                                                       : QStringLiteral("aide/index.html"));
}

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window),
      browser_(new QTextBrowser),
      contents_(new QTreeWidget),
      search_(new QLineEdit),
      result_(new QLabel) {
  setWindowTitle(tr("Aide de Velmira"));
  setAttribute(Qt::WA_DeleteOnClose);
  // Within the screen's free area on a small screen.
  resize(QSize(880, 620).boundedTo(parent ? widgets::freeRoom(*parent) : QSize(880, 620)));
  // Escape closes it, as every secondary window.
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  escape->setContext(Qt::WindowShortcut);
  connect(escape, &QShortcut::activated, this, &QWidget::close);
  search_->setAccessibleName(tr("Rechercher dans l'aide"));
  contents_->setAccessibleName(tr("Sommaire de l'aide"));
  browser_->setAccessibleName(tr("Texte de l'aide"));

  search_->setPlaceholderText(tr("Rechercher"));
  search_->setClearButtonEnabled(true);
  search_->setToolTip(tr("Chercher un mot dans l'aide (Entrée : occurrence suivante)"));
  contents_->setHeaderHidden(true);
  contents_->setRootIsDecorated(false);
  contents_->setIndentation(14);
  browser_->setOpenLinks(true);
  // A caret the keys move, so that a screen reader reads the text line by line.
  browser_->setTextInteractionFlags(browser_->textInteractionFlags() | Qt::TextSelectableByKeyboard);
  browser_->setOpenExternalLinks(false);

  auto* side = new QWidget;
  auto* sideLayout = new QVBoxLayout(side);
  sideLayout->setContentsMargins(0, 0, 0, 0);
  sideLayout->addWidget(search_);
  sideLayout->addWidget(result_);
  sideLayout->addWidget(contents_, 1);
  auto* splitter = new QSplitter;
  splitter->addWidget(side);
  splitter->addWidget(browser_);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({270, 610});
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(splitter);

  connect(contents_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { showHeading(item); });
  // Entrée on a heading of the contents: the text goes on from it, with the keyboard.
  connect(contents_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
    showHeading(item);
    browser_->setFocus(Qt::OtherFocusReason);
  });
  connect(search_, &QLineEdit::textChanged, this, [this](const QString& text) {
    highlight(text);
    browser_->moveCursor(QTextCursor::Start);
    if (!text.isEmpty()) findNext();
  });
  connect(search_, &QLineEdit::returnPressed, this, [this] { findNext(); });
}

bool HelpWindow::load(const QString& file) {
  if (!QFileInfo(file).isFile()) return false;
  browser_->setSource(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()), QTextDocument::HtmlResource);
  if (browser_->document()->isEmpty()) return false;
  buildContents();
  return true;
}

void HelpWindow::buildContents() {
  contents_->clear();
  QTreeWidgetItem* section = nullptr;
  for (QTextBlock b = browser_->document()->begin(); b.isValid(); b = b.next()) {
    const int level = b.blockFormat().headingLevel();
    if (level < 1 || level > 3 || b.text().trimmed().isEmpty()) continue;
    QTreeWidgetItem* item;
    if (level == 3 && section) {
      item = new QTreeWidgetItem(section);
    } else {
      item = new QTreeWidgetItem(contents_);
      section = item;
    }
    item->setText(0, b.text().trimmed());
    item->setToolTip(0, b.text().trimmed());
    // Read as a heading with its level: the text's own view has no heading objects.
    item->setData(0, Qt::AccessibleDescriptionRole, QStringLiteral("titre de niveau %1").arg(level));
    item->setData(0, kBlockPosition, b.position());
  }
  contents_->expandAll();
  // The keyboard reaches the contents on their first heading.
  if (contents_->topLevelItemCount() > 0) contents_->setCurrentItem(contents_->topLevelItem(0));
}

void HelpWindow::showHeading(QTreeWidgetItem* item) {
  if (!item) return;
  QTextDocument* doc = browser_->document();
  const QTextBlock block = doc->findBlock(item->data(0, kBlockPosition).toInt());
  if (!block.isValid()) return;
  browser_->setTextCursor(QTextCursor(block));
  const QRectF r = doc->documentLayout()->blockBoundingRect(block);
  browser_->verticalScrollBar()->setValue(static_cast<int>(r.top()));
}

void HelpWindow::highlight(const QString& text) {
  QList<QTextEdit::ExtraSelection> found;
  if (!text.isEmpty()) {
    QTextCharFormat marked;
    marked.setBackground(widgets::kSearchHighlight);
    QTextDocument* doc = browser_->document();
    for (QTextCursor c = doc->find(text); !c.isNull() && found.size() < kMaxCounted; c = doc->find(text, c))
      found.append({c, marked});
  }
  browser_->setExtraSelections(found);
  if (text.isEmpty()) {
    result_->clear();
  } else if (found.isEmpty()) {
    result_->setText(tr("Aucun résultat"));
  } else if (found.size() == 1) {
    result_->setText(tr("1 résultat"));
  } else {
    result_->setText((found.size() >= kMaxCounted ? tr("plus de %1 résultats") : tr("%1 résultats")).arg(found.size()));
  }
}

bool HelpWindow::findNext() {
  const QString text = search_->text();
  if (text.isEmpty()) return false;
  QTextDocument* doc = browser_->document();
  QTextCursor c = doc->find(text, browser_->textCursor());
  if (c.isNull()) c = doc->find(text);
  if (c.isNull()) return false;
  browser_->setTextCursor(c);
  browser_->ensureCursorVisible();
  return true;
}

HelpWindow* showHelp(QWidget* parent, const QString& appFolder, MessageService& messages) {
  const QString file = helpFilePath(appFolder, qtp::installedLanguage());
  if (!QFileInfo(file).isFile()) {
    messages.show(msg::criticalOk(
        HelpWindow::tr("Le fichier d'aide est introuvable : %1").arg(QDir::toNativeSeparators(file)).toStdString(),
        HelpWindow::tr("Aide").toStdString()));
    return nullptr;
  }
  QPointer<HelpWindow>& window = openWindow();
  if (!window || window->parentWidget() != parent) {
    if (window) window->close();
    window = new HelpWindow(parent);
    if (!window->load(file)) {
      delete window.data();
      messages.show(msg::criticalOk(
          HelpWindow::tr("Le fichier d'aide est illisible : %1").arg(QDir::toNativeSeparators(file)).toStdString(),
          HelpWindow::tr("Aide").toStdString()));
      return nullptr;
    }
  }
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

}  // namespace velmira::ui
