// SPDX-License-Identifier: GPL-3.0-or-later
// A practical with an unknown: the exercise draws it once for the pupil,
// whose name it asks; the field shows "?", the readings follow the value,
// a recording leaves it out, undo and saving keep it hidden and never draw again;
// a hidden solute is neither shown nor chosen; the results are typed below
// the text and kept in the work.
#include <QFile>
#include <QFileInfo>
#include <QTextEdit>

#include "files/ConfigFile.h"
#include "files/ExerciseFile.h"
#include "files/PupilWork.h"
#include "files/rtf/RichDocument.h"
#include "files/ui/ExerciseMenu.h"
#include "files/ui/TextPane.h"
#include "table/Recording.h"
#include "tests/ui/WindowFixture.h"
#include "ui/FormulaBox.h"
#include "ui/ResultsBox.h"
#include "ui/WorkKeeper.h"

namespace velmira::ui::testing {
namespace {

class UnknownTest : public WindowTest {
 protected:
  // A configuration of `wb` with `items` in its block, written as `name` in the test's folder.
  std::string written(const char* name, const model::Workbench& wb, const files::ExtensionItems& items = {}) {
    const std::string path = QDir(folder.path()).filePath(name).toStdString();
    table::Table t;
    test::RecordingMessages quiet;
    EXPECT_TRUE(files::writeConfiguration(path, wb, t, quiet, false, items));
    return path;
  }
  // The start-up workbench as a pupil's `work`.
  std::string writtenWork(const char* name, const files::WorkItems& work) {
    model::Workbench wb;
    wb.startupDefaults();
    files::ExtensionItems items;
    EXPECT_TRUE(files::writeWork(items, work));
    return written(name, wb, items);
  }
};

TEST_F(UnknownTest, AnExerciseDrawsItsUnknownOnceAndNeverShowsIt) {
  const QDir dir(folder.path());
  {
    model::Workbench teacher;
    teacher.startupDefaults();
    table::Table t;
    files::ExtensionItems items;
    ASSERT_TRUE(items.set("inconnue1", "0,01..0,05"));
    test::RecordingMessages quiet;
    ASSERT_TRUE(files::writeConfiguration(dir.filePath("inconnu.C07").toStdString(), teacher, t, quiet, false, items));
    QFile rtf(dir.filePath("enonce.rtf"));
    ASSERT_TRUE(rtf.open(QIODevice::WriteOnly));
    rtf.write("{\\rtf1 Trouver c1.}");
    rtf.close();
    files::Exercise e;
    e.statement = "enonce.rtf";
    e.configuration = "inconnu.C07";
    e.title = "Une inconnue";
    ASSERT_TRUE(files::writeExercise(dir.filePath("inconnu.E24").toStdString(), e));
  }
  messages.texts.push_back("Léa\tMartin");
  ASSERT_TRUE(exerciseMenu(*window)->openExercise(dir.filePath("inconnu.E24").toStdString()));
  ASSERT_EQ(messages.asked.size(), 1u);
  EXPECT_EQ(messages.asked[0].prompt, "Votre nom :");

  // The field: "?", neither typed in nor reached; the value drawn in the range.
  EntryField* c1 = entryField(*window, model::Concentration1);
  EXPECT_EQ(c1->text(), "?");
  EXPECT_TRUE(c1->isReadOnly());
  EXPECT_EQ(c1->focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(c1->accessibleDescription(), "inconnue");
  const std::string drawn = window->workbench().entryText(model::Concentration1);
  const auto value = files::readTypedNumber(drawn);
  ASSERT_TRUE(value) << drawn;
  EXPECT_GE(*value, 0.01);
  EXPECT_LE(*value, 0.05);
  const auto pupil = files::readWork(work(*window).extension());
  ASSERT_TRUE(pupil);
  EXPECT_EQ(pupil->name, "Léa Martin");
  EXPECT_EQ(pupil->exercise, "inconnu.E24");
  EXPECT_TRUE(work(*window).modified());

  // The readings are those of a visible configuration at the drawn value.
  model::Workbench visible;
  visible.startupDefaults();
  visible.setEntryText(model::Concentration1, drawn);
  visible.updateMeters();
  EXPECT_EQ(meterDisplay(*window, model::Meter::Ammeter, 1)->text().simplified().toStdString(),
            QString::fromStdString(visible.display(model::Meter::Ammeter, 1)).simplified().toStdString());

  // Leaving the field keeps the value; a recording leaves its cell empty and says why once.
  c1->setFocus(Qt::OtherFocusReason);
  entryField(*window, model::Distance)->setFocus(Qt::OtherFocusReason);
  EXPECT_EQ(window->workbench().entryText(model::Concentration1), drawn);
  window->table().setAutoEntry(0, table::kEntryConcentration);
  window->table().setAutoEntry(1, table::kEntryAmmeter);
  messages.shown.clear();
  for (int k = 0; k < 2; ++k) QTest::mouseClick(recordButton(*window, Bench::Solution1), Qt::LeftButton);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, table::concealedNotRecorded().text);
  EXPECT_EQ(window->table().cell(1, 0), "");
  EXPECT_NE(window->table().cell(1, 1), "");

  // Undone, the unknown is still hidden, with its value.
  ASSERT_TRUE(work(*window).undo());
  window->benches().followWork();
  EXPECT_EQ(c1->text(), "?");
  EXPECT_EQ(window->workbench().entryText(model::Concentration1), drawn);

  // Saved and opened again: the same value, never written as a number, never drawn again.
  const std::string saved = dir.filePath("travail.C07").toStdString();
  ASSERT_TRUE(window->saveConfiguration(saved));
  QFile f(QString::fromStdString(saved));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_FALSE(f.readAll().contains(QByteArray::fromStdString(drawn)));
  window->workbench().setEntryText(model::Concentration1, "0,1");
  ASSERT_TRUE(window->loadConfiguration(saved));
  EXPECT_EQ(window->workbench().entryText(model::Concentration1), drawn);
  EXPECT_EQ(c1->text(), "?");
  EXPECT_EQ(messages.asked.size(), 1u);
}

TEST_F(UnknownTest, AWorkOpenedKeepsItsHiddenValueBehindTheField) {
  model::Workbench teacher;
  teacher.startupDefaults();
  teacher.setEntryText(model::Concentration1, "0,005");
  teacher.updateMeters();
  files::ExtensionItems items;
  ASSERT_TRUE(items.set("inconnue1", "oui"));
  ASSERT_TRUE(files::keepHidden(items, teacher));
  ASSERT_TRUE(window->loadConfiguration(written("cache.C07", teacher, items)));
  EXPECT_EQ(entryField(*window, model::Concentration1)->text(), "?");
  EXPECT_EQ(window->workbench().entryText(model::Concentration1), "0,005");
  // Another entry validated leaves it there.
  typeEntry(model::Volume2, "1");
  EXPECT_EQ(window->workbench().entryText(model::Concentration1), "0,005");
}

// An identification exercise: solution 2's solute is computed from, never shown nor chosen.
TEST_F(UnknownTest, AHiddenSoluteIsNeitherShownNorChosen) {
  model::Workbench teacher;
  teacher.startupDefaults();
  teacher.setSoluteTag(1, "26");
  teacher.updateMeters();
  files::ExtensionItems items;
  ASSERT_TRUE(items.set("inconnue_solute2", "oui"));
  ASSERT_TRUE(files::keepHidden(items, teacher));
  const std::string path = written("identifier.C07", teacher, items);
  const QImage shown = [&] {
    window->workbench().setSoluteTag(1, "26");
    window->benches().updateFormulaBoxes();
    return formulaBox(*window, 1)->grab().toImage();
  }();
  ASSERT_TRUE(window->loadConfiguration(path));
  EXPECT_EQ(window->workbench().soluteOf(2), 26);
  EXPECT_EQ(window->workbench().display(model::Meter::Ammeter, 2), teacher.display(model::Meter::Ammeter, 2));
  EXPECT_FALSE(formulaBox(*window, 1)->isEnabled());
  EXPECT_FALSE(soluteListButton(*window, 1)->isEnabled());
  EXPECT_NE(formulaBox(*window, 1)->grab().toImage(), shown);
  EXPECT_EQ(formulaBox(*window, 1)->accessibleName(), "Soluté de la solution 2 : inconnu");
  clickTab(3);
  const QImage hiddenMixture = pageImage(3);
  // Another configuration brings the box back.
  model::Workbench plain;
  plain.startupDefaults();
  plain.setSoluteTag(1, "26");
  ASSERT_TRUE(window->loadConfiguration(written("autre.C07", plain)));
  EXPECT_TRUE(formulaBox(*window, 1)->isEnabled());
  EXPECT_EQ(formulaBox(*window, 1)->grab().toImage(), shown);
  // The mixture page names the solute again ("?" before).
  clickTab(3);
  EXPECT_FALSE(differingPixels(pageImage(3), hiddenMixture).isEmpty());
}

TEST_F(UnknownTest, TheResultsAreTypedBelowTheTextAndKeptInTheWork) {
  files::WorkItems w;
  w.name = "Léa";
  w.exercise = "dosage.E24";
  w.results.results = {{"c1 (mol/L)", "0,01"}, {"k", "2"}};
  w.given[1] = {"2,5", "0,1"};
  const std::string path = writtenWork("travail.C07", w);
  ResultsBox* box = window->resultsBox();
  EXPECT_TRUE(box->isHidden());
  const int textBottom = window->textPane()->textEditor()->geometry().bottom();
  ASSERT_TRUE(window->loadConfiguration(path));
  ASSERT_TRUE(box->isVisible());
  EXPECT_EQ(box->valueField(0)->accessibleName(), "c1 (mol/L)");
  EXPECT_EQ(box->valueField(1)->text(), "2,5");
  EXPECT_EQ(box->uField(1)->text(), "0,1");
  EXPECT_FALSE(box->valueField(2)->isVisible());
  // Below the text, within the window; two rows leave the text its height.
  EXPECT_GT(box->geometry().top(), textBottom);
  EXPECT_LE(box->geometry().bottom(), window->height());
  EXPECT_EQ(window->textPane()->textEditor()->geometry().bottom(), textBottom);

  // Typed with the entry keys ("." becomes ","), kept on Enter, one step undone.
  auto type = [](EntryField* f, const QString& text) {
    f->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(f, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(f, Qt::Key_Backspace);
    QTest::keyClicks(f, text);
    QTest::keyClick(f, Qt::Key_Return);
  };
  type(box->valueField(0), "1.2E-2");
  auto given = [&] { return files::readWork(work(*window).extension())->given; };
  EXPECT_EQ(given()[0].value, "1,2E-2");
  EXPECT_TRUE(work(*window).modified());
  window->undoWork();
  EXPECT_EQ(box->valueField(0)->text(), "");
  EXPECT_EQ(given()[0].value, "");
  window->redoWork();
  EXPECT_EQ(box->valueField(0)->text(), "1,2E-2");

  // A text that cannot be kept is said and put back.
  messages.shown.clear();
  type(box->uField(1), "-");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, files::givenRefused("incertitude non valide « - »").text);
  EXPECT_EQ(box->uField(1)->text(), "0,1");
  EXPECT_EQ(given()[1].u, "0,1");
}

TEST_F(UnknownTest, APupilsTextIsSavedBesideTheWorkAndOpenedWithIt) {
  const QDir dir(folder.path());
  files::WorkItems w;
  w.name = "Léa";
  w.exercise = "dosage.E24";
  const std::string path = writtenWork("lea.C07", w);
  ASSERT_TRUE(window->loadConfiguration(path));
  files::ui::TextPane& pane = *window->textPane();
  pane.showDocument(rtf::RichDocument{});
  pane.setFileName("dosage.E24");
  pane.setReadOnly(false);
  pane.textEditor()->setFocus();
  QTest::keyClicks(pane.textEditor(), "c1 vaut 0,012");
  // The text is part of the work: unsaved, and saved with it.
  EXPECT_TRUE(window->windowTitle().endsWith('*'));
  ASSERT_TRUE(window->saveConfiguration(path));
  EXPECT_FALSE(window->windowTitle().endsWith('*'));
  EXPECT_TRUE(QFileInfo::exists(dir.filePath("lea.rtf")));

  pane.showWelcome();
  ASSERT_TRUE(window->loadConfiguration(path));
  EXPECT_TRUE(pane.textEditor()->toPlainText().contains("c1 vaut 0,012"));
  EXPECT_FALSE(pane.textEditor()->isReadOnly());
  EXPECT_EQ(pane.namedPath(), dir.filePath("lea.rtf").toStdString());
  // Another configuration keeps its own text out of it.
  model::Workbench plain;
  plain.startupDefaults();
  const std::string other = written("autre.C07", plain);
  ASSERT_TRUE(window->loadConfiguration(other));
  ASSERT_TRUE(window->saveConfiguration(other));
  EXPECT_FALSE(QFileInfo::exists(dir.filePath("autre.rtf")));
}

}  // namespace
}  // namespace velmira::ui::testing
