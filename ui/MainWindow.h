// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `feuilleP`: the main window. It owns the work (workbench, table, their
// history and files) and shows it: the command buttons, the tab strip with
// the three bench panels, the cell options, the hint line, the table and
// the exercise pane.
#include <QCoreApplication>
#include <QPoint>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

#include "files/WorkHistory.h"
#include "files/ui/ConfigOwner.h"
#include "graph/GraphSettings.h"
#include "model/FlagFile.h"
#include "model/Workbench.h"
#include "platform/core/Messages.h"
#include "table/Table.h"
#include "ui/Bench.h"
#include "ui/CommandButtons.h"
#include "ui/DesignSize.h"

class QTimer;

namespace velmira::table::ui {
class TableFrame;
}
namespace velmira::files::ui {
class ExerciseMenu;
class TextPane;
}  // namespace velmira::files::ui

namespace velmira::ui {

class BenchPicture;
class Benches;
class CopyMenu;
class HintLine;
class HintRouter;
class RecoveryKeeper;
class ResultsBox;
class TableTools;
class WorkKeeper;

class MainWindow : public QWidget, public files::ui::ConfigOwner {
  Q_OBJECT
 public:
  // `messages` shows every message box; `appFolder` is the application
  // folder (help, activities, exercises); the flag file lies in
  // `flagFolder` (the application folder when empty).
  MainWindow(MessageService& messages, QString appFolder, QString flagFolder = QString(), QWidget* parent = nullptr);
  ~MainWindow() override;

  model::Workbench& workbench() { return wb_; }
  table::Table& table() { return table_; }

  // --- Parts ------------------------------------------------------------------
  // The benches, `Frame1` and the solute list; `info`.
  Benches& benches() const { return *benches_; }
  HintLine* hintLine() const { return hintLine_; }
  // `Frame10`, built the first time the table is needed (hidden at start-up).
  table::ui::TableFrame* tableFrame();
  files::ui::TextPane* textPane() const { return textPane_; }
  // The results a pupil's work asks for, below the text pane.
  ResultsBox* resultsBox() const { return resultsBox_; }
  // `Pictampon`: the pictures of the benches copied and printed (made at the
  // first one, kept for the run).
  BenchPicture& benchPicture();
  // The hint line's text after a completed copy.
  const QString& clipboardHint() const { return clipboardHint_; }

  // --- Configuration files ------------------------------------------------------
  const std::string& configPath() const override;
  bool saveConfiguration(const std::string& path) override;
  bool loadConfiguration(const std::string& path) override;
  // The graph's settings the work keeps; none when it keeps none.
  std::optional<graph::GraphSettings> graphSettings() const;
  // A file named on the command line, as the exercise menu opens it.
  void openFile(const std::string& path);

  // --- Procedures -------------------------------------------------------------
  // Ctrl+Entrée: the entry being typed validated, then the bench shown
  // recorded when its record button is shown.
  void recordShownBench();
  // `Form_Activate`: takes the launcher's request from the flag file, once.
  void takeLauncherRequest();
  // `Form_QueryUnload`: true when the window may close (asks first).
  bool mayClose();

  // --- The work: history, unsaved state, recovery copy ----------------------
  // One step named `step` when the work changed since the last step.
  void noteWork(const QString& step);
  void undoWork();
  void redoWork();
  void stepWork(bool (WorkKeeper::*step)());
  // Asks before unsaved work is replaced; true when it may go.
  bool mayReplaceWork() override;
  bool startPupilWork(const files::WorkItems& work) override;
  bool makesPupilWork(const files::ExerciseResults& results) const override;
  files::ExtensionItems workItems() const override;
  // The pupil's name when the work is a pupil's, else "".
  std::string pupilName() const;
  // From now on the recovery copy is kept in `folder`.
  void keepRecovery(const QString& folder);
  // At start-up: the copies of runs that stopped, offered newest first.
  void offerRecovery();
  // The start once the window is up: the copies offered, then `file` (the
  // command line's, when not empty) opened after the answer, as any open.
  void startWork(const std::string& file);
  // The save window the unsaved-work question's "Enregistrer" opens.
  std::function<void()> saveWork;

  // --- Started again (a new zoom) -----------------------------------------------
  // Starts the program again with the work kept; returns only when it
  // could not (false). Unset, a new zoom waits for the next start.
  std::function<bool()> restartProgram;
  // The work and the text pane written into `folder` for the program started
  // again; the state to hand over (files::restartStateText), empty when
  // nothing could be written.
  std::string keepForRestart(const std::string& folder);
  // What keepForRestart kept, taken back without a question and removed;
  // false when it cannot be (the work then starts anew).
  bool resumeAfterRestart(const std::string& folder, const std::string& state);
  // The window closing for a restart: no question, no recovery copy left.
  void closeForRestart();

 protected:
  // `ouvreExerciceDemande`: the exercise the launcher asks for (relative to the application folder).
  // Opening it belongs to the exercise window; until then nothing happens.
  virtual void openRequestedExercise(const std::string& relativeName);

  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // A recording that left an unknown out has said why (once a run).
  bool unknownNotRecordedSaid_ = false;
  // The work differs from its files (or was never saved); a pupil's text is part of it.
  bool workModified() const;
  // The pane's text belongs to the work (a pupil's): saved and opened beside its configuration.
  bool textIsWork() const;
  // The pupil's text at `path`, when there, into the pane to go on with.
  void openWorkText(const std::string& path);
  void buildParts();
  void buildTableFrame();
  void connectControls();
  void connectWork();
  void connectTableWork();
  void registerHints();
  void startUp();         // `Form_Load`
  void onTableToggled();  // `Check1_Click`: table and record buttons shown while checked
  void onClosing();       // `Form_Unload`
  void recordBench(Bench bench);
  void onCommand(Command c);
  void showCaption();
  // The work's history restarts at the current work (`saved`: as its file holds it).
  void startHistory(bool saved);
  // Steps still pending (a knob being turned) made now.
  void settleWork();
  // The controls after the work was replaced (a load, undo, redo).
  void followWork();
  void updateUndoEntries();
  // The results box filled from the work, then layoutRoom.
  void showResults();
  // The table, the hint line, the text pane and the results box placed in
  // the window's room (the benches keep their places).
  void layoutRoom();
  // The unsaved-work question and its answer: true when the work may go.
  bool askUnsavedWork();

  // The hint line's place in a window of the design size.
  static constexpr QPoint kHintPlace{520, 288};

  MessageService& messages_;
  QString appFolder_;
  QString flagFolder_;
  model::RunningMark running_;  // "OUI" in the flag file while any instance runs
  model::Workbench wb_;
  table::Table table_;
  WorkKeeper* work_ = nullptr;

  CommandButtons* commands_ = nullptr;
  Benches* benches_ = nullptr;
  table::ui::TableFrame* tableFrame_ = nullptr;
  files::ui::TextPane* textPane_ = nullptr;
  ResultsBox* resultsBox_ = nullptr;
  files::ui::ExerciseMenu* exerciseMenu_ = nullptr;
  HintLine* hintLine_ = nullptr;
  CopyMenu* copyMenu_ = nullptr;
  std::unique_ptr<BenchPicture> benchPicture_;

  DesignSize* designSize_ = nullptr;
  HintRouter* hints_ = nullptr;
  // The hint line's text after a completed copy.
  const QString clipboardHint_ = QCoreApplication::translate(
      "velmira::ui", "L'image est copiée\u00A0: vous pouvez la retrouver depuis toute autre application (coller)");
  TableTools* tableTools_ = nullptr;
  // A knob's turns are one step once it rests.
  QTimer* knobRest_ = nullptr;
};

}  // namespace velmira::ui
