// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: opened on the help file of the application folder, with
// its contents and search; a missing file is reported. With VELMIRA_SCREENSHOTS
// set to a folder the window's first page is written there.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTranslator>
#include <QTreeWidget>

#include "tests/support/RecordingMessages.h"
#include "ui/help/HelpWindow.h"

namespace velmira::ui {
namespace {

QTreeWidgetItem* entry(QTreeWidget* tree, const QString& text) {
  const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
  return found.isEmpty() ? nullptr : found.first();
}

TEST(HelpWindow, OpensOnTheShippedHelpWithContentsAndSearch) {
  QTemporaryDir folder;
  ASSERT_TRUE(QDir(folder.path()).mkdir("aide"));
  ASSERT_TRUE(QFile::copy(VELMIRA_APP_DATA "/aide/index.html", helpFilePath(folder.path(), qtp::UiLanguage::French)));
  QWidget main;
  test::RecordingMessages messages;
  HelpWindow* help = showHelp(&main, folder.path(), messages);
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(messages.shown.empty());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
  EXPECT_FALSE(help->isModal());
  // With VELMIRA_SCREENSHOTS set to a folder: the window on its first page.
  if (const QString out = qEnvironmentVariable("VELMIRA_SCREENSHOTS"); !out.isEmpty()) {
    EXPECT_TRUE(help->grab().save(QDir(out).filePath("screenshot-aide.png")));
  }
  EXPECT_EQ(showHelp(&main, folder.path(), messages), help);  // one window

  // The contents list the topics; a click shows the topic.
  for (const char* topic :
       {"La fenêtre du simulateur", "Choisir une solution", "Lire les appareils", "Relever les mesures dans le tableau",
        "Calculer une colonne", "Tracer un graphique et modéliser", "Enregistrer et ouvrir une configuration",
        "Faire un exercice", "Les types de fichiers"})
    EXPECT_NE(entry(help->contents(), QString::fromUtf8(topic)), nullptr) << topic;
  QTreeWidgetItem* types = entry(help->contents(), "Les types de fichiers");
  ASSERT_NE(types, nullptr);
  EXPECT_EQ(types->data(0, Qt::AccessibleDescriptionRole).toString(), "titre de niveau 2");
  help->contents()->setCurrentItem(types);
  emit help->contents()->itemClicked(types, 0);
  EXPECT_GT(help->browser()->verticalScrollBar()->value(), 0);
  EXPECT_TRUE(help->browser()->textCursor().block().text().startsWith("Les types de fichiers"));

  // Entrée on a heading: the text goes on from it with the keyboard, its caret there.
  QTreeWidgetItem* exercise = entry(help->contents(), "Faire un exercice");
  ASSERT_NE(exercise, nullptr);
  help->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(help));
  help->contents()->setFocus();
  help->contents()->setCurrentItem(exercise);
  QTest::keyClick(help->contents(), Qt::Key_Return);
  EXPECT_TRUE(help->browser()->hasFocus());
  EXPECT_TRUE(help->browser()->textCursor().block().text().startsWith("Faire un exercice"));
  EXPECT_TRUE(help->browser()->textInteractionFlags() & Qt::TextSelectableByKeyboard);

  // Search: every occurrence marked, Enter goes to the next one.
  help->searchField()->setText("précipité");
  EXPECT_EQ(help->searchResult()->text(), "1 résultat");
  EXPECT_EQ(help->browser()->textCursor().selectedText(), "précipité");
  help->searchField()->clear();
  QTest::keyClicks(help->searchField(), "RTF");
  const int first = help->browser()->textCursor().position();
  QTest::keyClick(help->searchField(), Qt::Key_Return);
  EXPECT_GT(help->browser()->textCursor().position(), first);
  help->searchField()->clear();
  QTest::keyClicks(help->searchField(), "introuvablezz");
  EXPECT_EQ(help->searchResult()->text(), "Aucun résultat");
  EXPECT_FALSE(help->findNext());

  if (qEnvironmentVariableIsSet("VELMIRA_GRAB")) help->grab().save(qEnvironmentVariable("VELMIRA_GRAB"));
  // The keys are written in it; Escape closes it, from any of its controls.
  EXPECT_NE(entry(help->contents(), QString::fromUtf8("Tout faire au clavier, lecteur d'écran, zoom")), nullptr);
  QPointer<HelpWindow> alive(help);
  help->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(help));
  help->searchField()->setFocus();
  QTest::keyClick(help->searchField(), Qt::Key_Escape);
  EXPECT_TRUE(QTest::qWaitFor([&] { return alive.isNull() || !alive->isVisible(); }, 2000));
}

// The English help, shown by the English windows: the same topics, their
// headings in English, the window's texts in English. With VELMIRA_SCREENSHOTS
// set: screenshot-en-aide.png.
TEST(HelpWindow, InEnglishTheEnglishHelpWithTheSameTopics) {
  EXPECT_TRUE(helpFilePath("/a", qtp::UiLanguage::English).endsWith("/a/aide/en/index.html"));
  QTranslator english;
  ASSERT_TRUE(qtp::loadProgramCatalogue(english, QStringLiteral(VELMIRA_PROGRAM_FOLDER), qtp::UiLanguage::English));
  QCoreApplication::installTranslator(&english);
  HelpWindow french, help;
  ASSERT_TRUE(french.load(VELMIRA_APP_DATA "/aide/index.html"));
  ASSERT_TRUE(help.load(helpFilePath(VELMIRA_APP_DATA, qtp::UiLanguage::English)));
  EXPECT_EQ(help.windowTitle(), "Velmira Help");
  EXPECT_EQ(help.contents()->topLevelItemCount(), french.contents()->topLevelItemCount());
  QTreeWidgetItem* graph = entry(help.contents(), "Drawing a graph and fitting a model");
  ASSERT_NE(graph, nullptr);
  emit help.contents()->itemClicked(graph, 0);
  EXPECT_TRUE(help.browser()->textCursor().block().text().startsWith("Drawing a graph"));
  help.searchField()->setText("burette");
  EXPECT_EQ(help.searchResult()->text(), "2 results");
  help.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
  if (const QString out = qEnvironmentVariable("VELMIRA_SCREENSHOTS"); !out.isEmpty()) {
    help.searchField()->clear();
    EXPECT_TRUE(help.grab().save(QDir(out).filePath("screenshot-en-aide.png")));
  }
  QCoreApplication::removeTranslator(&english);
}

TEST(HelpWindow, AMissingFileIsReported) {
  QTemporaryDir folder;
  test::RecordingMessages messages;
  EXPECT_EQ(showHelp(nullptr, folder.path(), messages), nullptr);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].icon, Icon::Critical);
  EXPECT_EQ(messages.shown[0].title, "Aide");
  EXPECT_EQ(messages.shown[0].text,
            "Le fichier d'aide est introuvable : " + (folder.path() + "/aide/index.html").toStdString());
}

}  // namespace
}  // namespace velmira::ui
