// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise menu and window in the main window: availability, the
// preview, opening an exercise and its correction, the launcher's request,
// the text commands' questions. (Reading the files is tested in the core.)
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QListView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QTreeView>
#include <memory>

#include "files/ConfigFile.h"
#include "files/ExerciseFile.h"
#include "files/SavePlaces.h"
#include "files/rtf/RtfFile.h"
#include "files/ui/CorrectionWindow.h"
#include "files/ui/ExerciseMenu.h"
#include "files/ui/ExerciseWindow.h"
#include "files/ui/FileChooser.h"
#include "files/ui/TextPane.h"
#include "model/FlagFile.h"
#include "platform/core/RecordFile.h"
#include "tests/ui/WindowFixture.h"
#include "ui/Benches.h"
#include "ui/TabStrip.h"

namespace velmira::ui::testing {
namespace {

class ExerciseTest : public WindowTest {
 protected:
  files::ui::ExerciseMenu* menu() { return exerciseMenu(*window); }
  QString path(const QString& name) { return QDir(folder.path()).filePath(name); }
  void statement(const QString& name, const std::string& text) {
    rtf::RichDocument doc;
    doc.paragraphs.resize(1);
    rtf::appendText(doc.paragraphs[0], text, {});
    ASSERT_TRUE(rtf::saveRtfFile(path(name).toStdString(), doc));
  }
  // exercices/conductance.E24 (corrected, difficulty 2) with its files.
  QString makeExercise() {
    QDir(folder.path()).mkpath("exercices");
    statement("exercices/enonce.rtf", "Mesurer la conductance.");
    statement("exercices/corrige.rtf", "Correction : G = 2,98 mS.");
    files::Exercise e;
    e.statement = "enonce.rtf";
    e.correctedStatement = "corrige.rtf";
    e.difficulty = " 2";
    e.notions = {"Conductance, ", "conductivité", "", ""};
    e.title = " Conductance d'une solution ";
    const QString file = path("exercices/conductance.E24");
    EXPECT_TRUE(files::writeExercise(file.toStdString(), e));
    return file;
  }
  QAction* action(const QString& text) {
    for (QAction* a : menu()->exerciseMenuPopup()->actions())
      if (QString(a->text()).remove(QLatin1Char('&')) == text) return a;  // access keys aside
    ADD_FAILURE() << text.toStdString();
    return nullptr;
  }
  QString paneText() { return textEditor(*window)->toPlainText(); }
  // The exercise window on `start`, shown; what it would open goes to `opened`.
  std::unique_ptr<files::ui::ExerciseWindow> shownWindow(const QString& start, std::vector<std::string>& opened) {
    auto w = std::make_unique<files::ui::ExerciseWindow>(
        start, messages,
        [&opened](const std::string& f) {
          opened.push_back(f);
          return false;
        },
        nullptr);
    w->show();
    return w;
  }
  // An entry chosen from the menu as `btexo` opens it.
  void choose(const QString& text) {
    menu()->updateAvailability();
    QAction* a = action(text);
    ASSERT_TRUE(a->isEnabled()) << text.toStdString();
    a->trigger();
  }
};

TEST_F(ExerciseTest, TheWindowPreviewsTheFirstFileAndOpensIt) {
  const QString file = makeExercise();
  menu()->updateAvailability();
  EXPECT_FALSE(action("Voir la correction")->isEnabled());
  EXPECT_FALSE(action("Fermer l'exercice")->isEnabled());

  QTimer::singleShot(0, [&] {
    auto* seen = qobject_cast<files::ui::ExerciseWindow*>(QApplication::activeModalWidget());
    ASSERT_TRUE(seen);
    // The first file is selected once the folder is listed.
    for (int i = 0; i < 100 && seen->fileField()->text() != file; ++i) QTest::qWait(50);
    if (seen->fileField()->text() != file) {
      ADD_FAILURE() << "no file selected: " << seen->fileField()->text().toStdString();
      seen->reject();
      return;
    }
    EXPECT_EQ(seen->titleLabel()->text(), "Conductance d'une solution");
    EXPECT_EQ(seen->windowTitle(), "Ouvrir un exercice — Velmira");
    EXPECT_EQ(seen->status()->text(), "Exercice corrigé");
    EXPECT_EQ(seen->stars()->accessibleName(), "Difficulté : 2 sur 3");
    EXPECT_EQ(seen->notions()->toPlainText(), "Conductance, conductivité");
    EXPECT_TRUE(seen->starLit(1));
    EXPECT_FALSE(seen->starLit(2));
    seen->openButton()->click();
  });
  choose("Ouvrir un exercice (énoncé + configuration)");
  EXPECT_EQ(paneText(), "Mesurer la conductance.");
  EXPECT_EQ(fileNameField(*window)->text(), file);
  EXPECT_FALSE(textEditor(*window)->isReadOnly());
  EXPECT_EQ(menu()->correctionAvailable(), 1);
  EXPECT_TRUE(messages.shown.empty());

  // The pupil writes; closing asks first, Cancel keeps the text.
  textEditor(*window)->setFocus();
  QTest::keyClick(textEditor(*window), Qt::Key_X);
  EXPECT_EQ(window->textPane()->textModified(), 1);
  messages.answers = {Answer::Cancel};
  choose("Fermer l'exercice");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown.back().title, "Abandon des données\u00A0?");
  EXPECT_FALSE(fileNameField(*window)->text().isEmpty());
  // The correction in its own window, the pupil's text and work as they
  // were; its configuration only when asked for.
  {
    files::Exercise e;
    e.statement = "enonce.rtf";
    e.correctedStatement = "corrige.rtf";
    e.correctedConfiguration = "corrige.C07";
    ASSERT_TRUE(files::writeExercise(file.toStdString(), e));
    model::Workbench corrected;
    corrected.startupDefaults();
    corrected.setEntryText(model::Concentration1, "0,05");
    table::Table t;
    ASSERT_TRUE(files::writeConfiguration(path("exercices/corrige.C07").toStdString(), corrected, t, messages));
  }
  const QString written = paneText();
  const std::string work = window->configPath();
  choose("Voir la correction");
  files::ui::CorrectionWindow* correction = menu()->correctionWindow();
  ASSERT_TRUE(correction && correction->isVisible());
  EXPECT_EQ(correction->text()->toPlainText(), "Correction : G = 2,98 mS.");
  EXPECT_EQ(paneText(), written);
  EXPECT_FALSE(textEditor(*window)->isReadOnly());
  EXPECT_EQ(window->configPath(), work);
  messages.answers = {Answer::Discard};
  correction->configurationButton()->click();
  EXPECT_EQ(window->configPath(), path("exercices/corrige.C07").toStdString());
  EXPECT_EQ(window->workbench().entryText(model::Concentration1), "0,05");
  messages.answers = {Answer::Ok};
  choose("Fermer l'exercice");
  EXPECT_TRUE(fileNameField(*window)->text().isEmpty());
  EXPECT_TRUE(paneText().startsWith("Velmira"));
}

TEST_F(ExerciseTest, ThePreviewFollowsTheKeyboardAndAFolderChangeClearsIt) {
  const QString first = makeExercise();
  files::Exercise e;
  e.title = " Dilution ";
  const QString second = path("exercices/dilution.E24");
  ASSERT_TRUE(files::writeExercise(second.toStdString(), e));
  std::vector<std::string> opened;
  const auto w = shownWindow(path("exercices"), opened);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
  for (int i = 0; i < 100 && w->fileField()->text() != first; ++i) QTest::qWait(50);
  ASSERT_EQ(w->fileField()->text(), first);
  EXPECT_EQ(w->chooser()->places()->currentText(), "Exemples de Velmira");  // the start folder's place

  QTest::keyClick(w->chooser()->files(), Qt::Key_Down);
  EXPECT_EQ(w->fileField()->text(), second);
  EXPECT_EQ(w->titleLabel()->text(), "Dilution");
  QTest::keyClick(w->chooser()->files(), Qt::Key_Up);
  EXPECT_EQ(w->titleLabel()->text(), "Conductance d'une solution");

  ASSERT_TRUE(w->chooser()->setFolder(folder.path()));
  EXPECT_TRUE(w->fileField()->text().isEmpty());
  EXPECT_EQ(w->titleLabel()->text(), "Titre");
  EXPECT_EQ(w->chooser()->places()->currentText(), folder.path());  // under none of the places
  w->openButton()->click();
  EXPECT_TRUE(opened.empty());
  // Back in the folder, a file picked again opens.
  ASSERT_TRUE(w->chooser()->setFolder(path("exercices")));
  for (int i = 0; i < 100 && w->chooser()->fileNames().size() < 2; ++i) QTest::qWait(50);
  EXPECT_TRUE(w->fileField()->text().isEmpty());
  w->chooser()->files()->setCurrentIndex(
      w->chooser()->files()->model()->index(1, 0, w->chooser()->files()->rootIndex()));
  w->openButton()->click();
  EXPECT_EQ(opened, std::vector<std::string>{second.toStdString()});
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ExerciseTest, AnExerciseWhoseNameIsNotUtf8IsListedShownAsWindows1252AndOpens) {
  QDir(folder.path()).mkpath("exercices");
  files::Exercise e;
  e.title = " Dilution ";
  // "résultat.E24" as an old medium writes it (Latin-1).
  const std::string latin1 = path("exercices/").toStdString() + "r\xE9sultat.E24";
  ASSERT_TRUE(files::writeExercise(latin1, e));
  ASSERT_TRUE(files::writeExercise(path("exercices/a.E24").toStdString(), e));
  std::vector<std::string> opened;
  const auto w = shownWindow(path("exercices"), opened);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
  for (int i = 0; i < 100 && w->chooser()->fileNames().size() < 2; ++i) QTest::qWait(50);
  ASSERT_EQ(w->chooser()->fileNames(), (QStringList{"a.E24", "résultat.E24"}));
  QListView* list = w->chooser()->files();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(1, 0)).center());
  EXPECT_EQ(w->fileField()->text(), path("exercices/résultat.E24"));
  EXPECT_EQ(w->exercisePath(), latin1);
  EXPECT_EQ(w->titleLabel()->text(), "Dilution");  // read under its own bytes
  w->openButton()->click();
  EXPECT_EQ(opened, std::vector<std::string>{latin1});
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ExerciseTest, AClickedFolderStaysUnderThePointerAndFoldersAreNoExercises) {
  const QDir root(path("exercices"));
  for (int k = 0; k < 40; ++k) root.mkpath(QString("d%1/sous").arg(k, 2, 10, QLatin1Char('0')));
  root.mkpath("dossier.E24");
  files::Exercise e;
  ASSERT_TRUE(files::writeExercise(root.filePath("a.E24").toStdString(), e));
  files::ui::ExerciseWindow w(
      root.path(), messages, [](const std::string&) { return false; }, nullptr);
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  QTreeView* tree = w.chooser()->folders();
  auto* model = static_cast<QFileSystemModel*>(tree->model());
  // Once the tree shows the folder, the pupil opens it to see its sub-folders.
  const auto shown = [&](const QModelIndex& i) { return tree->viewport()->rect().contains(tree->visualRect(i)); };
  for (int i = 0; i < 100 && !shown(model->index(root.path())); ++i) QTest::qWait(50);
  QTest::qWait(300);  // the tree loads and scrolls to it as it goes
  tree->expand(model->index(root.path()));
  QModelIndex target;
  for (int i = 0; i < 100 && !(tree->visualRect(target).isValid() && w.chooser()->fileNames().size() == 1); ++i) {
    QTest::qWait(50);
    target = model->index(root.filePath("d03"));
  }
  EXPECT_EQ(w.chooser()->fileNames(), QStringList{"a.E24"});
  const QRect before = tree->visualRect(target);
  ASSERT_TRUE(shown(target));
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, before.center());
  QTest::qWait(300);  // the folder listed, its sub-folder loaded into the tree
  EXPECT_EQ(w.chooser()->folder(), root.filePath("d03"));
  EXPECT_EQ(tree->visualRect(target), before);
}

TEST_F(ExerciseTest, FilesThatVanishAfterListingAreSaidOnlyWhenThePupilClicksOne) {
  QDir(folder.path()).mkpath("exercices");
  files::Exercise e;
  e.title = " Dilution ";
  for (const char* name : {"a.E24", "b.E24", "c.E24"})
    ASSERT_TRUE(files::writeExercise(path(QString("exercices/") + name).toStdString(), e));
  files::ui::ExerciseWindow w(
      path("exercices"), messages, [](const std::string&) { return false; }, nullptr);
  for (int i = 0; i < 100 && w.chooser()->fileNames().size() < 3; ++i) QTest::qWait(50);
  ASSERT_EQ(w.chooser()->fileNames().size(), 3);
  // Gone before the window shows its first file, then gone from the list: nothing said.
  for (const char* name : {"a.E24", "b.E24", "c.E24"}) ASSERT_TRUE(QFile::remove(path(QString("exercices/") + name)));
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  EXPECT_EQ(w.titleLabel()->text(), "Titre");
  for (int i = 0; i < 100 && !w.chooser()->fileNames().isEmpty(); ++i) QTest::qWait(50);
  EXPECT_TRUE(w.chooser()->fileNames().isEmpty());
  EXPECT_TRUE(messages.shown.empty());

  // A file the pupil clicks that vanished since it was listed: said once.
  const QString late = path("exercices/d.E24");
  ASSERT_TRUE(files::writeExercise(late.toStdString(), e));
  for (int i = 0; i < 100 && w.chooser()->fileNames().size() < 1; ++i) QTest::qWait(50);
  ASSERT_EQ(w.chooser()->fileNames(), QStringList{"d.E24"});
  QListView* list = w.chooser()->files();
  const QModelIndex row = list->model()->index(0, 0, list->rootIndex());
  QTest::qWait(100);
  ASSERT_TRUE(QFile::remove(late));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(row).center());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Lecture impossible");
  for (int i = 0; i < 40; ++i) QTest::qWait(50);
  EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(ExerciseTest, TheLauncherRequestOpensTheExerciseOnActivation) {
  makeExercise();
  ASSERT_TRUE(records::writeRecord(model::flagFilePath(folder.path().toStdString()), 31, "exercices/conductance.E24"));
  window->takeLauncherRequest();
  EXPECT_EQ(paneText(), "Mesurer la conductance.");
  EXPECT_EQ(menu()->correctionAvailable(), 1);
  EXPECT_EQ(records::readRecord(model::flagFilePath(folder.path().toStdString()), 31), "");
  // A getting-started file that is missing does nothing.
  menu()->startGettingStarted(false);
  EXPECT_EQ(paneText(), "Mesurer la conductance.");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ExerciseTest, AGettingStartedFileOnTheCommandLineOpensAsFromTheMenu) {
  makeExercise();
  files::Exercise e;
  e.statement = "enonce.rtf";  // beside it, as every name an activity holds
  ASSERT_TRUE(files::writeExercise(path("exercices/velmirb.pem").toStdString(), e));
  window->openFile(path("exercices/velmirb.pem").toStdString());
  EXPECT_EQ(paneText(), "Mesurer la conductance.");
  EXPECT_EQ(fileNameField(*window)->text(), path("exercices/velmirb.pem"));
  EXPECT_EQ(menu()->correctionAvailable(), 0);
  EXPECT_TRUE(messages.shown.empty());

  // Another .PEM is an exercise file (velmira-outil writes such files).
  ASSERT_TRUE(files::writeExercise(path("exercices/autre.PEM").toStdString(), e));
  window->openFile(path("exercices/autre.PEM").toStdString());
  EXPECT_EQ(paneText(), "Mesurer la conductance.");
  EXPECT_EQ(fileNameField(*window)->text(), path("exercices/autre.PEM"));
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ExerciseTest, SavingTheTextOverAFileAsksAndCancelLeavesIt) {
  // Never into the application folder.
  const QString shipped = path("reponse.rtf");
  menu()->askSavePath = [&] { return shipped; };
  menu()->saveText();
  EXPECT_EQ(messages.shown.back().text, files::appFolderRefused().text);
  EXPECT_FALSE(QFile::exists(shipped));

  QTemporaryDir pupil;
  const QString target = QDir(pupil.path()).filePath("reponse.rtf");
  QFile f(target);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("ancien");
  f.close();
  menu()->askSavePath = [&] { return target; };
  messages.answers = {Answer::Cancel};
  menu()->saveText();
  EXPECT_EQ(messages.shown.back().title, "Ecraser le fichier\u00A0?");
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), "ancien");
  f.close();
  menu()->saveText();  // OK this time
  EXPECT_TRUE(rtf::loadRtfFile(target.toStdString()).document.has_value());
  // Reopened, the text is editable and named.
  menu()->askOpenPath = [&] { return target; };
  menu()->reopenText();
  EXPECT_EQ(fileNameField(*window)->text(), "Texte\u00A0: " + target);
  EXPECT_FALSE(textEditor(*window)->isReadOnly());
}

}  // namespace
}  // namespace velmira::ui::testing

namespace velmira::ui::testing {
namespace {

// With VELMIRA_SCREENSHOTS set to a folder: the exercise window on the
// shipped exercises, an opened exercise with its unknown and results, and
// its correction.
TEST(ExerciseScreenshot, ShippedExercises) {
  const QString out = qEnvironmentVariable("VELMIRA_SCREENSHOTS");
  if (out.isEmpty()) GTEST_SKIP() << "VELMIRA_SCREENSHOTS not set";
  QTemporaryDir flags;
  velmira::test::RecordingMessages messages;
  messages.texts.push_back("Léa Martin");
  MainWindow window(messages, QStringLiteral(VELMIRA_APP_DATA), flags.path());
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const QString shownName = QStringLiteral("3-kohlrausch.E24");
  QTimer::singleShot(0, [&] {
    auto* w = qobject_cast<files::ui::ExerciseWindow*>(QApplication::activeModalWidget());
    ASSERT_TRUE(w);
    for (int i = 0; i < 100 && w->fileField()->text().isEmpty(); ++i) QTest::qWait(50);
    const int row = static_cast<int>(w->chooser()->fileNames().indexOf(shownName));
    ASSERT_GE(row, 0);
    w->chooser()->files()->setCurrentIndex(
        w->chooser()->files()->model()->index(row, 0, w->chooser()->files()->rootIndex()));
    w->selectFile(shownName.toStdString());
    QTest::qWait(100);
    EXPECT_TRUE(w->grab().save(QDir(out).filePath("screenshot-exercices.png")));
    // Another folder: no preview until a file is picked.
    const QString shown = w->chooser()->folder();
    w->chooser()->setFolder(QDir(shown).filePath(".."));
    QTest::qWait(100);
    EXPECT_TRUE(w->grab().save(QDir(out).filePath("screenshot-exercices-autre-dossier.png")));
    w->chooser()->setFolder(shown);
    for (int i = 0; i < 100 && !w->chooser()->fileNames().contains(shownName); ++i) QTest::qWait(50);
    w->selectFile(shownName.toStdString());
    w->onOpen();
  });
  exerciseMenu(window)->openExerciseWindow();
  EXPECT_TRUE(messages.shown.empty());
  QTest::qWait(100);
  EXPECT_TRUE(window.grab().save(QDir(out).filePath("screenshot-exercice-ouvert.png")));
  // Solution 2 holds the unknown: its field shows "?".
  window.benches().tabStrip()->selectTab(2);
  QTest::qWait(50);
  EXPECT_TRUE(window.grab().save(QDir(out).filePath("screenshot-inconnue.png")));
  exerciseMenu(window)->showCorrection();
  files::ui::CorrectionWindow* correction = exerciseMenu(window)->correctionWindow();
  ASSERT_TRUE(correction);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(correction));
  EXPECT_TRUE(correction->grab().save(QDir(out).filePath("screenshot-correction.png")));
  window.hide();
}

}  // namespace
}  // namespace velmira::ui::testing
