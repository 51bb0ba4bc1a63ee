// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bench of solution 1 or 2: the bench's instruments with the solution's
// solute box (`ions1`), its list button (`Command3`) and its concentration
// entry (`Text1`).
#include "ui/BenchPanel.h"

class QPushButton;

namespace velmira::ui {

class EntryField;
class FormulaBox;
class SolutePickerWidget;

class SolutionPanel : public BenchPanel {
  Q_OBJECT
 public:
  // Bench::Solution1 or Bench::Solution2.
  SolutionPanel(Bench bench, model::Workbench& wb, TabStrip* strip);

  // 0 for solution 1, 1 for solution 2: the workbench's solute tag and entry.
  int solution() const { return static_cast<int>(bench_); }
  FormulaBox* formulaBox() const { return formulaBox_; }
  QPushButton* soluteListButton() const { return soluteListButton_; }
  EntryField* concentrationField() const { return concentrationField_; }

  // `quelion`: the solute box shows the workbench's solute, drawn from the list's row.
  void showSolute(SolutePickerWidget& list, const model::Workbench& wb);

  std::vector<std::pair<QWidget*, QString>> hints() const override;
  void nameControls() override;

 signals:
  // The solute box or the list button was clicked.
  void soluteListRequested(int solution);

 protected:
  void placeEntries() override;

 private:
  FormulaBox* formulaBox_ = nullptr;
  QPushButton* soluteListButton_ = nullptr;
  EntryField* concentrationField_ = nullptr;
};

}  // namespace velmira::ui
