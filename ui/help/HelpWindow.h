// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help window: the help shipped in the application folder in the windows'
// language ("aide/index.html", "aide/en/index.html"), shown in a text browser beside its contents (the
// headings of the page) and a search field.
#include <QPointer>
#include <QWidget>

#include "platform/core/Messages.h"
#include "platform/qt/Translations.h"

class QLabel;
class QLineEdit;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

namespace velmira::ui {

// The help file of an application folder in `language` (French: aide/index.html,
// English: aide/en/index.html).
QString helpFilePath(const QString& appFolder, qtp::UiLanguage language);

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  // Shows `file` and lists its headings; false when it cannot be read.
  bool load(const QString& file);

  // Selects the next occurrence of the searched text after the cursor,
  // from the top again past the last one; false when there is none.
  bool findNext();

  QTextBrowser* browser() const { return browser_; }
  QTreeWidget* contents() const { return contents_; }
  QLineEdit* searchField() const { return search_; }
  QLabel* searchResult() const { return result_; }

 private:
  void buildContents();
  void showHeading(QTreeWidgetItem* item);
  void highlight(const QString& text);

  QTextBrowser* browser_;
  QTreeWidget* contents_;
  QLineEdit* search_;
  QLabel* result_;
};

// Opens the help window of the application folder, without blocking the
// window behind it; when it is already open it is brought to the front.
// A missing help file gives the message "Le fichier d'aide est introuvable : "
// + its path, titled "Aide", and no window (nullptr).
HelpWindow* showHelp(QWidget* parent, const QString& appFolder, MessageService& messages);

}  // namespace velmira::ui
