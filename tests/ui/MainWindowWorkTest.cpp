// SPDX-License-Identifier: GPL-3.0-or-later
// The pupil's work in the main window: steps undone and redone from the
// keyboard and the table menu, the unsaved mark, the question before the
// work is replaced or dropped, the recovery copy, the graph's settings kept
// with the work.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListView>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <filesystem>
#include <functional>

#include "files/ConfigFile.h"
#include "files/ConfigName.h"
#include "files/RecoveryFiles.h"
#include "files/SavePlaces.h"
#include "files/ScatterRecord.h"
#include "files/WorkHistory.h"
#include "files/ui/FileChooser.h"
#include "files/ui/OpenWindow.h"
#include "files/ui/SaveWindow.h"
#include "files/ui/StartFolder.h"
#include "graph/ui/GraphWindow.h"
#include "model/Workbench.h"
#include "table/Table.h"
#include "tests/ui/WindowFixture.h"
#include "ui/RecoveryKeeper.h"
#include "widgets/ScrolledDialog.h"

namespace velmira::ui::testing {
namespace {

class WorkTest : public WindowTest {
 protected:
  QAction* tableEntry(const char* name) {
    return window->tableFrame()->tableMenu()->findChild<QAction*>(QString::fromUtf8(name));
  }
  QAction* tableCommand(const QString& text) {
    for (QAction* a : window->tableFrame()->tableMenu()->actions())
      if (QString(a->text()).remove(QLatin1Char('&')) == text) return a;  // access keys aside
    return nullptr;
  }
  std::string savedConfig() { return QDir(folder.path()).filePath("travail.C07").toStdString(); }
};

TEST_F(WorkTest, AnEntryIsOneStepUndoneAndRedoneFromTheKeyboard) {
  const QString before = entryField(*window, model::Volume1)->text();
  typeEntry(model::Volume1, "17");
  const QString after = entryField(*window, model::Volume1)->text();
  EXPECT_TRUE(work(*window).modified());
  EXPECT_TRUE(window->windowTitle().endsWith('*'));

  window->benches().tabStrip()->setFocus();
  QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(entryField(*window, model::Volume1)->text(), before);
  EXPECT_EQ(window->windowTitle(), "Velmira");  // back to the saved state
  QTest::keyClick(window.get(), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(entryField(*window, model::Volume1)->text(), after);
  QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(entryField(*window, model::Volume1)->text(), after);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(WorkTest, TheTableMenuNamesTheStepItUndoes) {
  QTest::mouseClick(commandButton(*window, Command::Table), Qt::LeftButton);
  table::Table& t = window->table();
  const int rows = t.rows();
  QAction* undo = tableEntry("undoEntry");
  QAction* redo = tableEntry("redoEntry");
  ASSERT_TRUE(undo && redo);
  EXPECT_EQ(window->tableFrame()->tableMenu()->actions().first(), undo);
  EXPECT_FALSE(undo->isEnabled());

  t.setCurrent(2, 0);
  QAction* del = tableCommand("Supprimer la ligne de la cellule active");
  ASSERT_TRUE(del);
  window->tableFrame()->updateTableMenu();
  del->trigger();
  emit window->tableFrame()->tableMenu()->triggered(del);
  ASSERT_EQ(t.rows(), rows - 1);
  EXPECT_EQ(undo->text(), "&Annuler : Supprimer la ligne de la cellule active");
  EXPECT_TRUE(undo->isEnabled());

  undo->trigger();
  EXPECT_EQ(t.rows(), rows);
  EXPECT_EQ(redo->text(), QString::fromUtf8("&Rétablir : Supprimer la ligne de la cellule active"));
  redo->trigger();
  EXPECT_EQ(t.rows(), rows - 1);
}

TEST_F(WorkTest, TheGraphKeepsItsSettingsWithTheWorkAndAnUntouchedGraphChangesNothing) {
  table::ui::TableFrame* frame = window->tableFrame();
  window->table().setCell(1, 0, "1,00E+00");
  window->table().setCell(1, 1, "2,00E+00");
  const std::string first = savedConfig();
  ASSERT_TRUE(window->saveConfiguration(first));
  ASSERT_TRUE(window->loadConfiguration(first));
  const auto bytes = [](const std::string& path) {
    QFile f(QString::fromStdString(path));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  };
  // The graph opened with its settings (`seen`), `change` made, closed.
  graph::GraphSettings seen;
  auto openGraph = [&](const std::function<void(graph::ui::GraphWindow&)>& change) {
    QTimer::singleShot(0, [&] {
      // The window's design is taller than this screen's free area (800 x 600
      // offscreen): it comes inside a window that fits and scrolls.
      QWidget* shown = QApplication::activeModalWidget();
      ASSERT_TRUE(shown);
      auto* g = shown->findChild<graph::ui::GraphWindow*>();
      ASSERT_TRUE(g);
      EXPECT_LE(shown->height(), widgets::freeRoom(*window).height());
      seen = g->settings();
      change(*g);
      g->reject();
    });
    emit frame->graphRequested();
  };

  openGraph([](graph::ui::GraphWindow&) {});
  EXPECT_EQ(seen, graph::GraphSettings{});
  EXPECT_FALSE(window->graphSettings());
  const std::string again = QDir(folder.path()).filePath("pareil.C07").toStdString();
  ASSERT_TRUE(window->saveConfiguration(again));
  EXPECT_EQ(bytes(again), bytes(first));

  graph::GraphSettings chosen;
  chosen.ordinate = 2;
  chosen.model = graph::ModelChoice::TwoLines;
  chosen.options.join = false;
  chosen.range = graph::RowRange{1, 8};
  openGraph([&](graph::ui::GraphWindow& g) { g.applySettings(chosen); });
  EXPECT_EQ(window->graphSettings(), chosen);
  EXPECT_EQ(tableEntry("undoEntry")->text(), QString::fromUtf8("&Annuler : Représentation graphique"));
  // Kept while the program runs, and in the file saved.
  openGraph([](graph::ui::GraphWindow&) {});
  EXPECT_EQ(seen, chosen);
  const std::string kept = QDir(folder.path()).filePath("graphe.C07").toStdString();
  ASSERT_TRUE(window->saveConfiguration(kept));
  ASSERT_TRUE(window->loadConfiguration(first));
  EXPECT_FALSE(window->graphSettings());
  ASSERT_TRUE(window->loadConfiguration(kept));
  openGraph([](graph::ui::GraphWindow&) {});
  EXPECT_EQ(seen, chosen);
}

TEST_F(WorkTest, NewMeasurementIsShownWithTheScatterAndIsAStepUndone) {
  QToolButton* key = benchPanel(*window, 1).newMeasurementButton();
  EXPECT_FALSE(key->isVisible());
  model::Workbench wb;
  wb.startupDefaults();
  table::Table t;
  files::ExtensionItems items;
  items.set(files::kScatterKey, "oui");
  items.set(files::kSeedKey, "11");
  const std::string path = QDir(folder.path()).filePath("dispersion.C07").toStdString();
  ASSERT_TRUE(files::writeConfiguration(path, wb, t, messages, false, items));
  ASSERT_TRUE(window->loadConfiguration(path));
  ASSERT_TRUE(key->isVisible());
  EXPECT_EQ(key->text(), QStringLiteral("Nouvelle &mesure"));
  // Its access key is the only one of the bench on M.
  for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
    if (b != key && b->isVisible()) {
      EXPECT_FALSE(b->text().contains(QStringLiteral("&m"), Qt::CaseInsensitive)) << b->text().toStdString();
    }

  const auto shown = [&] {
    QStringList texts;
    for (model::Meter m : {model::Meter::Conductimeter, model::Meter::Ammeter, model::Meter::Voltmeter})
      texts << meterDisplay(*window, m, 1)->text();
    return texts;
  };
  const QStringList before = shown();
  // The access key presses the button, which clicks as it comes up.
  QTest::keyClick(window.get(), Qt::Key_M, Qt::AltModifier);
  for (int i = 0; i < 50 && work(*window).history().undoName().empty(); ++i) QTest::qWait(20);
  const QStringList after = shown();
  EXPECT_NE(after, before);
  EXPECT_EQ(work(*window).history().undoName(), "Nouvelle mesure");
  window->benches().tabStrip()->setFocus();
  QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(shown(), before);
  QTest::keyClick(window.get(), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(shown(), after);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(WorkTest, ClosingUnsavedWorkAsksTheThreeAnswerQuestion) {
  typeEntry(model::Volume1, "17");
  messages.answers = {Answer::Cancel};
  EXPECT_FALSE(window->close());
  ASSERT_EQ(messages.shown.size(), 1u);
  const Message q = files::unsavedWorkQuestion();
  EXPECT_EQ(messages.shown[0].text, q.text);
  EXPECT_EQ(messages.shown[0].title, "Travail non enregistré");
  EXPECT_EQ(messages.shown[0].buttons, Buttons::SaveDiscardCancel);

  // "Enregistrer" with its save window cancelled keeps the window.
  int saveWindows = 0;
  window->saveWork = [&] { ++saveWindows; };
  messages.answers = {Answer::Save};
  EXPECT_FALSE(window->close());
  EXPECT_EQ(saveWindows, 1);

  // Saved: the window closes without the quit question.
  window->saveWork = [&] { window->saveConfiguration(savedConfig()); };
  messages.shown.clear();
  messages.answers = {Answer::Save};
  EXPECT_TRUE(window->close());
  EXPECT_EQ(messages.shown.size(), 1u);
  EXPECT_TRUE(QFile::exists(QString::fromStdString(savedConfig())));
}

TEST_F(WorkTest, NotSavingClosesWithoutTheQuitQuestion) {
  typeEntry(model::Volume1, "17");
  messages.answers = {Answer::Discard};
  EXPECT_TRUE(window->close());
  EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(WorkTest, OpeningAConfigurationOverUnsavedWorkAsksFirst) {
  ASSERT_TRUE(window->saveConfiguration(savedConfig()));
  typeEntry(model::Volume1, "17");
  const QString typed = entryField(*window, model::Volume1)->text();

  messages.answers = {Answer::Cancel};
  window->openFile(savedConfig());
  EXPECT_EQ(entryField(*window, model::Volume1)->text(), typed);
  EXPECT_TRUE(work(*window).modified());

  messages.answers = {Answer::Discard};
  window->openFile(savedConfig());
  EXPECT_NE(entryField(*window, model::Volume1)->text(), typed);
  EXPECT_FALSE(work(*window).modified());
  EXPECT_FALSE(work(*window).history().canUndo());  // a load starts a new history
  EXPECT_EQ(window->windowTitle(), "Velmira - " + QString::fromStdString(savedConfig()));
}

TEST_F(WorkTest, TheRecoveryCopyFollowsTheWorkAndGoesAtACleanExit) {
  const QString dir = QDir(folder.path()).filePath("recuperation");
  window->keepRecovery(dir);
  const auto files = files::recoveryFiles(dir.toStdString(), QCoreApplication::applicationPid());
  work(*window).recovery()->writeNow();
  EXPECT_FALSE(QFile::exists(QString::fromStdString(files.config)));  // nothing unsaved yet

  typeEntry(model::Volume1, "17");
  work(*window).recovery()->writeNow();
  ASSERT_TRUE(QFile::exists(QString::fromStdString(files.config)));
  EXPECT_TRUE(QFile::exists(QString::fromStdString(files.lock)));

  messages.answers = {Answer::Discard};
  EXPECT_TRUE(window->close());
  EXPECT_FALSE(QFile::exists(QString::fromStdString(files.config)));
  EXPECT_FALSE(QFile::exists(QString::fromStdString(files.lock)));
}

TEST_F(WorkTest, ALeftCopyIsTakenBackAsUnsavedWorkUnderItsName) {
  const QString dir = QDir(folder.path()).filePath("recuperation");
  QDir().mkpath(dir);
  model::Workbench wb;
  wb.startupDefaults();
  wb.setEntryText(model::Volume1, "19");
  table::Table t;
  t.setCell(1, 0, "3");
  const auto left = files::recoveryFiles(dir.toStdString(), 4242424);
  ASSERT_TRUE(files::writeRecovery(left, *files::workSnapshot(wb, t), "/home/eleve/mesures.C07", ""));

  window->keepRecovery(dir);
  messages.choices = {0};
  window->offerRecovery();
  EXPECT_TRUE(messages.shown.empty());
  ASSERT_EQ(messages.offered.size(), 1u);
  EXPECT_EQ(entryField(*window, model::Volume1)->text(), "19");
  EXPECT_EQ(window->table().cell(1, 0), "3");
  EXPECT_EQ(window->windowTitle(), "Velmira - /home/eleve/mesures.C07*");
  work(*window).recovery()->writeNow();
  EXPECT_FALSE(QFile::exists(QString::fromStdString(left.config)));

  // Declined: the copy goes.
  ASSERT_TRUE(files::writeRecovery(left, *files::workSnapshot(wb, t), "", ""));
  messages.choices = {std::nullopt};
  window->offerRecovery();
  EXPECT_FALSE(QFile::exists(QString::fromStdString(left.config)));
}

TEST_F(WorkTest, ARestartKeepsTheWorkItsUnsavedStateAndTheTextWithoutAQuestion) {
  const QString dir = QDir(folder.path()).filePath("recuperation");
  const std::string kept = QDir(dir).filePath("redemarrage").toStdString();
  window->keepRecovery(dir);
  typeEntry(model::Volume1, "17");
  window->table().setCell(2, 0, "4");
  window->textPane()->nameTextFile("/home/eleve/notes.rtf");
  window->textPane()->setReadOnly(false);
  window->textPane()->textEditor()->setPlainText("Mes notes");
  const std::string state = window->keepForRestart(kept);
  ASSERT_FALSE(state.empty());
  const QString volume = entryField(*window, model::Volume1)->text();
  window->closeForRestart();
  EXPECT_TRUE(messages.shown.empty());
  // No copy left for the recovery question, and this run's lock released.
  const auto own = files::recoveryFiles(dir.toStdString(), QCoreApplication::applicationPid());
  EXPECT_FALSE(QFile::exists(QString::fromStdString(own.config)));
  EXPECT_FALSE(QFile::exists(QString::fromStdString(own.lock)));
  window->hide();
  window.reset();

  window = std::make_unique<MainWindow>(messages, folder.path());
  window->keepRecovery(dir);
  ASSERT_TRUE(window->resumeAfterRestart(kept, state));
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(messages.offered.empty());
  EXPECT_EQ(entryField(*window, model::Volume1)->text(), volume);
  EXPECT_EQ(window->table().cell(2, 0), "4");
  EXPECT_EQ(window->windowTitle(), "Velmira*");  // still unsaved
  EXPECT_EQ(window->textPane()->textEditor()->toPlainText(), "Mes notes");
  EXPECT_FALSE(window->textPane()->textEditor()->isReadOnly());
  EXPECT_EQ(window->textPane()->namedPath(), "/home/eleve/notes.rtf");
  EXPECT_EQ(window->textPane()->textModified(), 1);
  // Taken once: the copy is gone.
  EXPECT_FALSE(
      QFile::exists(QString::fromStdString(files::recoveryFiles(kept, QCoreApplication::applicationPid()).config)));
  EXPECT_FALSE(window->resumeAfterRestart(kept, state));

  // A saved work comes back saved.
  ASSERT_TRUE(window->saveConfiguration(savedConfig()));
  const std::string savedState = window->keepForRestart(kept);
  ASSERT_TRUE(window->resumeAfterRestart(kept, savedState));
  EXPECT_EQ(window->windowTitle(), QString::fromStdString("Velmira - " + savedConfig()));
}

TEST_F(WorkTest, LeftCopiesAreOfferedInOneQuestionAndTheOneChosenIsTakenBack) {
  const QString dir = QDir(folder.path()).filePath("recuperation");
  QDir().mkpath(dir);
  model::Workbench wb;
  wb.startupDefaults();
  table::Table t;
  std::vector<files::RecoveryFiles> left;
  const char* volumes[] = {"11", "12", "13"};
  for (int i = 0; i < 3; ++i) {
    left.push_back(files::recoveryFiles(dir.toStdString(), 4242430 + i));
    wb.setEntryText(model::Volume1, volumes[i]);
    const std::string name = i == 1 ? std::string("/tmp/\x01\n") : "/home/eleve/tp" + std::to_string(i) + ".C07";
    ASSERT_TRUE(files::writeRecovery(left[i], *files::workSnapshot(wb, t), name, ""));
    // The first written is the oldest.
    std::filesystem::last_write_time(left[i].config,
                                     std::filesystem::file_time_type::clock::now() - std::chrono::minutes(30 - i));
  }
  window->keepRecovery(dir);
  messages.choices = {1};
  window->offerRecovery();
  EXPECT_TRUE(messages.shown.empty());
  ASSERT_EQ(messages.offered.size(), 1u);
  const ChoiceQuestion& q = messages.offered[0];
  EXPECT_EQ(q.title, "Reprendre un travail");
  ASSERT_EQ(q.lines.size(), 3u);
  EXPECT_EQ(q.lines[0].rfind("tp2.C07 (", 0), 0u) << q.lines[0];
  EXPECT_EQ(q.lines[1].rfind("Travail sans nom (", 0), 0u) << q.lines[1];  // its name had control characters
  EXPECT_EQ(q.lines[2].rfind("tp0.C07 (", 0), 0u) << q.lines[2];
  // The second line is the second copy: its work, with no file.
  EXPECT_EQ(entryField(*window, model::Volume1)->text(), "12");
  EXPECT_EQ(window->windowTitle(), "Velmira*");
  // The others were offered and not chosen: gone; the chosen one goes once this run's copy is written.
  EXPECT_FALSE(QFile::exists(QString::fromStdString(left[0].config)));
  EXPECT_FALSE(QFile::exists(QString::fromStdString(left[2].config)));
  EXPECT_TRUE(QFile::exists(QString::fromStdString(left[1].config)));
  work(*window).recovery()->writeNow();
  EXPECT_FALSE(QFile::exists(QString::fromStdString(left[1].config)));
}

TEST_F(WorkTest, TheCommandLinesFileOpensAfterTheRecoveryQuestionAndAsksBeforeReplacingTheResumedWork) {
  const QString dir = QDir(folder.path()).filePath("recuperation");
  QDir().mkpath(dir);
  model::Workbench wb;
  wb.startupDefaults();
  wb.setEntryText(model::Volume1, "19");
  table::Table t;
  const auto left = files::recoveryFiles(dir.toStdString(), 4242425);
  ASSERT_TRUE(files::writeRecovery(left, *files::workSnapshot(wb, t), "", ""));
  const QString given = QDir(folder.path()).filePath("donne.C07");
  wb.setEntryText(model::Volume1, "15");
  ASSERT_TRUE(files::writeConfiguration(given.toStdString(), wb, t, messages));
  window->keepRecovery(dir);

  // Declined: the file opens.
  messages.choices = {std::nullopt};
  window->startWork(given.toStdString());
  ASSERT_EQ(messages.offered.size(), 1u);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(entryField(*window, model::Volume1)->text(), "15");

  // Resumed: the file opens only after the answer, asking before it replaces the resumed work.
  messages.shown.clear();
  wb.setEntryText(model::Volume1, "19");
  ASSERT_TRUE(files::writeRecovery(left, *files::workSnapshot(wb, t), "", ""));
  messages.offered.clear();
  messages.choices = {0};
  messages.answers = {Answer::Cancel};
  window->startWork(given.toStdString());
  ASSERT_EQ(messages.offered.size(), 1u);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].buttons, Buttons::SaveDiscardCancel);
  EXPECT_EQ(entryField(*window, model::Volume1)->text(), "19");
}

TEST_F(WorkTest, ACopyThatCannotBeWrittenIsSaidOnceAndTheWorkGoesOn) {
  const QString dir = QDir(folder.path()).filePath("lecture-seule");
  QDir().mkpath(dir);
  QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner);
  if (QFileInfo(dir).isWritable()) GTEST_SKIP() << "run with rights over every folder";
  window->keepRecovery(dir);
  typeEntry(model::Volume1, "17");
  work(*window).recovery()->writeNow();
  typeEntry(model::Volume1, "13");
  work(*window).recovery()->writeNow();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, files::recoveryImpossible().text);
  EXPECT_EQ(entryField(*window, model::Volume1)->text(), "13");
  QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(WorkTest, AConfigurationWhoseNameIsNotUtf8OpensFromTheListAndIsSavedUnderItsOwnBytes) {
  // A pupil's folder, outside the application folder.
  QTemporaryDir pupil;
  const QDir dir(pupil.path());
  dir.mkpath("classe");
  const std::string latin1 = dir.filePath("classe/").toStdString() + "r\xE9sultat.C07";  // Latin-1
  typeEntry(model::Volume1, "17");
  ASSERT_TRUE(window->saveConfiguration(latin1));
  typeEntry(model::Volume1, "12");
  {
    files::ui::OpenWindow w(*window, messages, folder.path());
    ASSERT_TRUE(w.chooser()->setFolder(dir.filePath("classe")));
    for (int i = 0; i < 100 && w.chooser()->fileNames().isEmpty(); ++i) QTest::qWait(50);
    ASSERT_EQ(w.chooser()->fileNames(), QStringList{"résultat.C07"});
    QListView* list = w.chooser()->files();
    list->setCurrentIndex(list->model()->index(0, 0));
    emit list->activated(list->currentIndex());
  }
  EXPECT_EQ(window->configPath(), latin1);
  EXPECT_EQ(entryField(*window, model::Volume1)->text(), "17,0");
  EXPECT_TRUE(window->windowTitle().endsWith(dir.filePath("classe/résultat.C07")));
  // Saved again from the save window: the same file, no UTF-8 twin.
  typeEntry(model::Volume1, "15");
  QString offered;
  QTimer::singleShot(0, [&] {
    auto* w = qobject_cast<files::ui::SaveWindow*>(QApplication::activeModalWidget());
    ASSERT_TRUE(w);
    offered = w->fileNameField()->text();
    w->saveNamed();
  });
  window->saveWork();
  EXPECT_EQ(offered, "résultat.C07");
  ASSERT_FALSE(messages.shown.empty());
  EXPECT_EQ(messages.shown.back().text, files::overwriteQuestion().text);  // the file itself
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(dir.filePath("classe").toStdString()))
    names.push_back(e.path().filename().string());
  EXPECT_EQ(names, std::vector<std::string>{"r\xE9sultat.C07"});
  model::Workbench saved;
  table::Table t;
  ASSERT_TRUE(files::readConfiguration(latin1, saved, t, messages));
  EXPECT_EQ(saved.entryText(model::Volume1), "15,0");

  // A work in a folder whose own name is not UTF-8 (the chooser cannot show
  // it): the save window starts in the documents, never at the root.
  const std::string latin1Folder = dir.filePath("cl").toStdString() + "\xE9";
  std::filesystem::create_directory(latin1Folder);
  ASSERT_TRUE(window->saveConfiguration(latin1Folder + "/tp.C07"));
  QString startFolder;
  QTimer::singleShot(0, [&] {
    auto* w = qobject_cast<files::ui::SaveWindow*>(QApplication::activeModalWidget());
    ASSERT_TRUE(w);
    startFolder = w->chooser()->folder();
    w->reject();
  });
  window->saveWork();
  EXPECT_EQ(startFolder, files::ui::documentsFolder());
}

TEST_F(WorkTest, TheSaveWindowOffersAShippedFileInTheDocumentsAndRefusesTheApplicationFolder) {
  const QString shipped = QDir(folder.path()).filePath("exercice.C07");
  ASSERT_TRUE(window->saveConfiguration(shipped.toStdString()));
  QString startFolder, startName;
  QTimer::singleShot(0, [&] {
    auto* w = qobject_cast<files::ui::SaveWindow*>(QApplication::activeModalWidget());
    ASSERT_TRUE(w);
    startFolder = w->chooser()->folder();
    startName = w->fileNameField()->text();
    w->chooser()->setFolder(folder.path());
    w->fileNameField()->setText("exercice");
    w->saveNamed();
    w->reject();
  });
  window->saveWork();
  EXPECT_EQ(startFolder, files::ui::documentsFolder());
  EXPECT_EQ(startName, "exercice.C07");
  ASSERT_FALSE(messages.shown.empty());
  EXPECT_EQ(messages.shown.back().text, files::appFolderRefused().text);
}

}  // namespace
}  // namespace velmira::ui::testing
