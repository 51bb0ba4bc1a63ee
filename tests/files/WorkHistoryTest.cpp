// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "RecordingMessages.h"
#include "files/PupilWork.h"
#include "files/WorkHistory.h"
#include "model/Workbench.h"
#include "table/Table.h"

using namespace velmira;

namespace {

struct Work : ::testing::Test {
  model::Workbench wb;
  table::Table table;
  test::RecordingMessages messages;
  files::WorkHistory history;

  void SetUp() override { wb.startupDefaults(); }
  std::string snapshot() const { return *files::workSnapshot(wb, table); }
  void step(const std::string& name) { history.record(snapshot(), name); }
};

TEST_F(Work, SnapshotPutBackGivesTheSameWork) {
  table.setRows(5);
  table.setCell(2, 1, "0,5");
  table.setFormula(3, "C1*2");
  table.setAutoEntry(0, 1);
  wb.setEntryText(model::Volume1, "12");
  wb.setConductimeterMontage(true);
  const std::string before = snapshot();

  model::Workbench wb2;
  wb2.startupDefaults();
  table::Table table2;
  files::ExtensionItems extension;
  ASSERT_TRUE(files::restoreWork(before, wb2, table2, extension, messages));
  EXPECT_EQ(*files::workSnapshot(wb2, table2), before);
  EXPECT_EQ(table2.cell(2, 1), "0,5");
  EXPECT_TRUE(messages.shown.empty());

  EXPECT_FALSE(files::restoreWork("pas une configuration", wb2, table2, extension, messages));
  EXPECT_EQ(*files::workSnapshot(wb2, table2), before);
}

TEST_F(Work, UndoAndRedoWalkTheSteps) {
  history.reset(snapshot(), true);
  EXPECT_FALSE(history.modified());
  EXPECT_FALSE(history.canUndo());
  EXPECT_EQ(history.undo(), nullptr);

  const std::string start = snapshot();
  table.setCell(1, 0, "1");
  step("Saisie");
  const std::string one = snapshot();
  table.deleteRow();
  step("Supprimer la ligne");
  EXPECT_TRUE(history.modified());
  EXPECT_EQ(history.undoName(), "Supprimer la ligne");
  EXPECT_EQ(files::undoCaption(history.undoName()), "Annuler : Supprimer la ligne");

  ASSERT_NE(history.undo(), nullptr);
  EXPECT_EQ(history.current(), one);
  EXPECT_EQ(history.redoName(), "Supprimer la ligne");
  ASSERT_NE(history.undo(), nullptr);
  EXPECT_EQ(history.current(), start);
  EXPECT_FALSE(history.modified());  // back where the file was
  ASSERT_NE(history.redo(), nullptr);
  EXPECT_EQ(history.current(), one);

  // A new step drops what was undone.
  wb.setEntryText(model::Volume1, "3");
  step("Saisie");
  EXPECT_FALSE(history.canRedo());
  EXPECT_EQ(history.steps(), 2u);
}

TEST_F(Work, NothingChangedMakesNoStep) {
  history.reset(snapshot(), false);
  EXPECT_TRUE(history.modified());  // never saved
  EXPECT_FALSE(history.record(snapshot(), "Rien"));
  EXPECT_EQ(history.steps(), 0u);
  table.setCell(1, 0, "2");
  EXPECT_TRUE(history.record(snapshot(), "Saisie"));
  history.markSaved();
  EXPECT_FALSE(history.modified());
  table.setCell(1, 0, "3");
  step("Saisie");
  EXPECT_TRUE(history.modified());
}

TEST_F(Work, TheOldestStepsGoPastTheLimit) {
  history.reset(snapshot(), true);
  const std::size_t total = files::WorkHistory::kMaxSteps + 20;
  for (std::size_t i = 0; i < total; ++i) {
    table.setCell(1, 0, std::to_string(i));
    step("Saisie " + std::to_string(i));
  }
  EXPECT_EQ(history.steps(), files::WorkHistory::kMaxSteps);
  std::size_t undone = 0;
  while (history.undo()) ++undone;
  EXPECT_EQ(undone, files::WorkHistory::kMaxSteps);
  EXPECT_GE(undone, 100u);
  // The saved state fell out of the history: the work stays unsaved.
  EXPECT_TRUE(history.modified());
  EXPECT_EQ(history.redoName(), "Saisie 20");
}

}  // namespace

// Undo, redo and the recovery copy go through snapshots, which hold "?" for a
// hidden concentration: taken back, the value and its concealment return.
TEST_F(Work, AHiddenConcentrationComesBackConcealedFromItsSnapshot) {
  files::ExtensionItems items;
  ASSERT_TRUE(items.set("inconnue1", "oui"));
  wb.setEntryText(model::Concentration1, "0,0456");
  wb.updateMeters();
  ASSERT_TRUE(files::keepHidden(items, wb));
  const std::string kept = *files::workSnapshot(wb, table, items);
  EXPECT_EQ(kept.find("0,0456"), std::string::npos);

  model::Workbench wb2;
  wb2.startupDefaults();
  table::Table table2;
  files::ExtensionItems extension;
  ASSERT_TRUE(files::restoreWork(kept, wb2, table2, extension, messages));
  EXPECT_TRUE(wb2.concealed(model::Concentration1));
  EXPECT_EQ(wb2.shownEntryText(model::Concentration1), model::kHiddenEntryText);
  EXPECT_EQ(wb2.entryText(model::Concentration1), "0,0456");
  EXPECT_EQ(wb2.shownEntryText(model::Concentration2), wb2.entryText(model::Concentration2));
  EXPECT_EQ(wb2.display(model::Meter::Ammeter, 1), wb.display(model::Meter::Ammeter, 1));
}
