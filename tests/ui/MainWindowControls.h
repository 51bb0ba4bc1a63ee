// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's controls reached through its panels, by the numbers
// the workbench gives them: entry i (model::Entry), display slot
// (model::kMeterSlots), knob 0..5, range 0..17, calibre 0..11, bench 1..3.
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QToolButton>

#include "files/ui/ExerciseMenu.h"
#include "files/ui/TextPane.h"
#include "ui/BenchPage.h"
#include "ui/Benches.h"
#include "ui/CalibreFrame.h"
#include "ui/CellOptionsFrame.h"
#include "ui/CommandButtons.h"
#include "ui/DisplayLabel.h"
#include "ui/EntryField.h"
#include "ui/FormulaBox.h"
#include "ui/KnobWidget.h"
#include "ui/MainWindow.h"
#include "ui/MixturePanel.h"
#include "ui/SolutionPanel.h"
#include "ui/WorkKeeper.h"

namespace velmira::ui::testing {

inline BenchPanel& benchPanel(const MainWindow& w, int bench) { return w.benches().panel(benchOfNumber(bench)); }
inline BenchPage* page(const MainWindow& w, int bench) { return benchPanel(w, bench).page(); }
inline EntryField* entryField(const MainWindow& w, int i) {
  switch (i) {
    case model::Concentration1:
      return w.benches().solutionPanel(Bench::Solution1).concentrationField();
    case model::Concentration2:
      return w.benches().solutionPanel(Bench::Solution2).concentrationField();
    case model::Distance:
      return w.benches().cellOptions()->distance();
    case model::Area:
      return w.benches().cellOptions()->area();
    default:
      return w.benches().mixturePanel().volumeField(i);
  }
}
inline FormulaBox* formulaBox(const MainWindow& w, int k) {
  return w.benches().solutionPanel(benchOfNumber(k + 1)).formulaBox();
}
inline QPushButton* soluteListButton(const MainWindow& w, int k) {
  return w.benches().solutionPanel(benchOfNumber(k + 1)).soluteListButton();
}
inline DisplayLabel* meterDisplay(const MainWindow& w, model::Meter meter, int bench) {
  return benchPanel(w, bench).display(meter);
}
inline DisplayLabel* meterDisplay(const MainWindow& w, int slot) {
  const model::MeterSlot& s = model::kMeterSlots[static_cast<std::size_t>(slot)];
  return meterDisplay(w, s.meter, s.bench);
}
inline DisplayLabel* generatorScreen(const MainWindow& w, int i) { return benchPanel(w, i + 1).generatorScreen(); }
inline KnobWidget* knob(const MainWindow& w, int i) { return benchPanel(w, i / 2 + 1).knob(i % 2); }
inline QRadioButton* rangeButton(const MainWindow& w, int i) {
  return benchPanel(w, i / model::kRangesPerBench + 1).rangeButton(i % model::kRangesPerBench);
}
inline QRadioButton* voltmeterCalibreButton(const MainWindow& w, int i) {
  return benchPanel(w, i / 4 + 1).voltmeterCalibreButton(i % 4);
}
inline QRadioButton* ammeterCalibreButton(const MainWindow& w, int i) {
  return benchPanel(w, i / 4 + 1).ammeterCalibreButton(i % 4);
}
inline CalibreFrame* voltmeterFrame(const MainWindow& w, int bench) { return benchPanel(w, bench).voltmeterFrame(); }
inline CalibreFrame* ammeterFrame(const MainWindow& w, int bench) { return benchPanel(w, bench).ammeterFrame(); }
inline QToolButton* recordButton(const MainWindow& w, Bench b) { return w.benches().panel(b).recordButton(); }
inline QRadioButton* generatorMontageButton(const MainWindow& w) {
  return w.benches().cellOptions()->generatorMontageButton();
}
inline QRadioButton* conductimeterMontageButton(const MainWindow& w) {
  return w.benches().cellOptions()->conductimeterMontageButton();
}
inline QFrame* precipitateFrame(const MainWindow& w) { return w.benches().mixturePanel().precipitateFrame(); }
inline QLabel* precipitateLabel(const MainWindow& w) { return w.benches().mixturePanel().precipitateLabel(); }
inline QToolButton* commandButton(const MainWindow& w, Command c) {
  return w.findChild<QToolButton*>(QString::fromLatin1(commandInfo(c).name), Qt::FindDirectChildrenOnly);
}
inline files::ui::ExerciseMenu* exerciseMenu(const MainWindow& w) { return w.findChild<files::ui::ExerciseMenu*>(); }
// The window's work: its history, unsaved state and recovery copy.
inline WorkKeeper& work(const MainWindow& w) { return *w.findChild<WorkKeeper*>(); }
inline QTextEdit* textEditor(const MainWindow& w) { return w.textPane()->textEditor(); }
inline QLineEdit* fileNameField(const MainWindow& w) { return w.textPane()->fileNameField(); }

}  // namespace velmira::ui::testing
