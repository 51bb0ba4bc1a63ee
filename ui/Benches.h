// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The benches of the main window: the three bench panels on their tab
// strip, the solute list, the cell options and the binding of the six
// entry fields. They show one workbench and apply their controls to it;
// the steps they make and the recordings asked for go to the window.
#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <optional>

#include "model/Workbench.h"
#include "ui/Bench.h"

class QWidget;

namespace velmira {
class MessageService;
}

namespace velmira::ui {

class BenchPanel;
class CellOptionsFrame;
class EntryBinding;
class EntryField;
class HintRouter;
class MixturePanel;
class SolutePickerWidget;
class SolutionPanel;
class TabStrip;

class Benches : public QObject {
  Q_OBJECT
 public:
  // `tableShown`: whether the table is shown, with which the record buttons are.
  Benches(model::Workbench& wb, MessageService& messages, QWidget& window, std::function<bool()> tableShown);

  // `Onglets`, the benches, `Picture2` (the solute list), `Frame1`.
  TabStrip* tabStrip() const { return tabStrip_; }
  BenchPanel& panel(Bench bench) const;
  SolutionPanel& solutionPanel(Bench bench) const;  // Solution1 or Solution2
  MixturePanel& mixturePanel() const { return *mixture_; }
  SolutePickerWidget* solutePicker() const { return solutePicker_; }
  CellOptionsFrame* cellOptions() const { return cellOptions_; }
  // The six entry fields, by model::Entry.
  std::array<EntryField*, model::kEntries> entryFields() const;

  // Made after the window's text pane, which they follow in the keyboard's order.
  void buildRecordButtons();
  void registerHints(HintRouter& hints) const;

  // The start-up bench: tab 1, the picture, the knobs, the solutes, the controls.
  void showStart();
  // `imafond`: bench picture of the montage and placement of the live controls.
  void drawBench();
  // `majcontroles`: every control from the workbench.
  void updateControls();
  // The montage's options, the bench picture and the beaker level.
  void montageChanged();
  void updateFormulaBoxes();  // `quelion`
  // The record buttons shown with the table (where the workbench can record).
  void showRecordButtons();
  // Everything redrawn after the work was replaced (a load, undo, redo).
  void followWork();
  // The entry being typed left unfocused, so that it writes nothing over the work.
  void leaveEntry(QWidget* focus);
  // Ctrl+Entrée: the entry being typed validated; the bench shown when its
  // record button is shown.
  std::optional<Bench> benchToRecord(QWidget* focus);

 signals:
  // The work changed by a step of this name.
  void stepMade(const QString& step);
  // The pupil chose the other montage (before its step is made).
  void montageChosen();
  void knobTurned();
  void recordRequested(Bench bench);
  void hint(const QString& text);

 private:
  void connectControls(QWidget& window);
  EntryField* typedEntry(QWidget* focus) const;

  model::Workbench& wb_;
  QWidget& window_;
  TabStrip* tabStrip_ = nullptr;
  CellOptionsFrame* cellOptions_ = nullptr;
  SolutionPanel* solution1_ = nullptr;
  SolutionPanel* solution2_ = nullptr;
  MixturePanel* mixture_ = nullptr;
  SolutePickerWidget* solutePicker_ = nullptr;
  EntryBinding* entries_ = nullptr;
  std::function<bool()> tableShown_;
};

}  // namespace velmira::ui
