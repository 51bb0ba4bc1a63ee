// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A bench of the main window: its page, the live controls of its
// instruments (the three displays, the generator's screen and knobs, the
// conductimeter's ranges, the voltmeter's and ammeter's calibres) and its
// record button. It shows the workbench, applies its controls' clicks to
// it, places its controls where the bench picture has them, and gives their
// hints and accessible names. SolutionPanel and MixturePanel add the
// bench's own entries.
#include <QObject>
#include <QString>
#include <array>
#include <utility>
#include <vector>

#include "model/Workbench.h"
#include "ui/Bench.h"

class QRadioButton;
class QToolButton;
class QWidget;

namespace velmira::ui {

class BenchPage;
class CalibreFrame;
class DisplayLabel;
class KnobWidget;
class TabStrip;
struct BenchPlacement;
struct BenchSizes;

class BenchPanel : public QObject {
  Q_OBJECT
 public:
  BenchPanel(Bench bench, model::Workbench& wb, TabStrip* strip);

  Bench bench() const { return bench_; }
  BenchPage* page() const { return page_; }
  DisplayLabel* display(model::Meter meter) const;
  DisplayLabel* generatorScreen() const { return generatorScreen_; }
  // 0: amplitude, 1: frequency.
  KnobWidget* knob(int k) const { return knobs_[k]; }
  // 0..5: S, mS, µS, S·m-1, mS·m-1, µS·m-1 (`Option6`).
  QRadioButton* rangeButton(int j) const { return rangeButtons_[j]; }
  // `Frame3`..`Frame8`; their buttons are the calibres, 0 the largest.
  CalibreFrame* voltmeterFrame() const { return voltmeterFrame_; }
  CalibreFrame* ammeterFrame() const { return ammeterFrame_; }
  QRadioButton* voltmeterCalibreButton(int j) const;
  QRadioButton* ammeterCalibreButton(int j) const;
  // `Command5`, `Command6` and the mixture's.
  QToolButton* recordButton() const { return recordButton_; }
  // "Nouvelle mesure": the bench's readings drawn again, shown only when
  // the work's readings scatter.
  QToolButton* newMeasurementButton() const { return newMeasurementButton_; }

  // The sizes the bench picture lays the controls out for.
  BenchSizes sizes() const;
  // This bench's controls where the picture places them, and its own
  // entries where its page's texts leave room for them.
  void place(const BenchPlacement& placement);
  // The displays, the screen and the selections as the workbench has them.
  virtual void show(const model::Workbench& wb);
  // The calibres and ranges selected as the workbench has them.
  void showSelections(const model::Workbench& wb);
  // Shown with the table, when the workbench can record this bench.
  void showRecordButton(bool tableShown, const model::Workbench& wb);
  void redrawKnobs();
  // Made after the text pane, which they follow in the keyboard's order.
  void buildRecordButton();
  // The hint line's text for each control.
  virtual std::vector<std::pair<QWidget*, QString>> hints() const;
  // Names and describes the controls for assistive technologies.
  virtual void nameControls();

 signals:
  // A control changed the workbench: the readings are to be shown again.
  void readingsChanged();
  // The work changed by a step of this name (after readingsChanged).
  void stepMade(const QString& step);
  void knobTurned();
  void recordRequested(Bench bench);
  // A text for the hint line (a knob that takes the focus).
  void hint(const QString& text);

 protected:
  // The instruments, made after the bench's own entries (the keyboard's order).
  void buildInstruments();
  virtual void placeEntries() {}

  Bench bench_;
  model::Workbench& wb_;
  BenchPage* page_ = nullptr;

 private:
  void connectInstruments();

  std::array<DisplayLabel*, 3> displays_{};  // by model::Meter
  DisplayLabel* generatorScreen_ = nullptr;
  std::array<KnobWidget*, 2> knobs_{};
  std::array<QRadioButton*, model::kRangesPerBench> rangeButtons_{};
  CalibreFrame* voltmeterFrame_ = nullptr;
  CalibreFrame* ammeterFrame_ = nullptr;
  QToolButton* recordButton_ = nullptr;
  QToolButton* newMeasurementButton_ = nullptr;
};

}  // namespace velmira::ui
