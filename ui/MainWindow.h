#pragma once
// `feuilleP`: the main window. It owns the workbench and shows it: the
// command buttons, the tab strip with the three bench pages and their live
// controls, the cell options, the hint line, and the places of the table
// and of the exercise pane.
#include <QHash>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "files/ConfigFile.h"
#include "files/WorkHistory.h"
#include "files/ui/ConfigOwner.h"
#include "model/Workbench.h"
#include "platform/core/Messages.h"
#include "table/Table.h"
#include "ui/CommandButtons.h"

class QFrame;
class QLabel;
class QLineEdit;
class QTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;

namespace velmira::table::ui {
class TableFrame;
}
namespace velmira::files::ui {
class ExerciseMenu;
class TextPane;
}  // namespace velmira::files::ui

namespace velmira::ui {

class BenchPage;
class CalibreFrame;
class CellOptionsFrame;
class DisplayLabel;
class EntryField;
class FormulaBox;
class HintLine;
class KnobWidget;
class SolutePickerWidget;
class TabStrip;
class BenchPicture;
class CopyMenu;
class RecoveryKeeper;
struct BenchSizes;

// Design size of the window.
inline constexpr int kWindowWidth = 800;
inline constexpr int kWindowHeight = 600;
// Above this screen width the window is held at its design size, centred.
inline constexpr int kWideScreen = 850;

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
  const QString& appFolder() const { return appFolder_; }

  // --- Controls ------------------------------------------------------------
  // The classic names: `Onglets` (tab strip), `Text1` (entry fields, by
  // model::Entry), `ions1` (formula boxes), `Command3` (the solute list
  // buttons), `Picture2` (solute picker), `bouton1` (knobs),
  // `afficheur` (meter displays, by slot of model::kMeterSlots),
  // `ecrangbf` (generator screens, by bench - 1), `Option4`/`Option5`
  // (voltmeter/ammeter calibres), `Option6` (conductimeter ranges),
  // `Option2`/`Option3` (montages), `Frame1` (cell options), `Frame9` and
  // `Label9` (precipitate notice), `Frame10` (table), `info` (hint line).
  TabStrip* tabStrip() const { return tabStrip_; }
  BenchPage* page(int bench) const { return pages_[bench - 1]; }  // 1..3
  EntryField* entryField(int i) const { return entryFields_[i]; }
  FormulaBox* formulaBox(int i) const { return formulaBoxes_[i]; }
  QPushButton* soluteListButton(int i) const { return soluteListButtons_[i]; }
  SolutePickerWidget* solutePicker() const { return solutePicker_; }
  KnobWidget* knob(int i) const { return knobs_[i]; }
  DisplayLabel* meterDisplay(int slot) const { return meterDisplays_[slot]; }
  DisplayLabel* meterDisplay(model::Meter meter, int bench) const;
  DisplayLabel* generatorScreen(int i) const { return generatorScreens_[i]; }
  QRadioButton* voltmeterCalibreButton(int i) const;
  QRadioButton* ammeterCalibreButton(int i) const;
  QRadioButton* rangeButton(int i) const { return rangeButtons_[i]; }
  QRadioButton* generatorMontageButton() const;
  QRadioButton* conductimeterMontageButton() const;
  CalibreFrame* voltmeterFrame(int bench) const { return voltFrames_[bench - 1]; }
  CalibreFrame* ammeterFrame(int bench) const { return ampFrames_[bench - 1]; }
  CellOptionsFrame* cellOptions() const { return cellOptions_; }
  QFrame* precipitateFrame() const { return precipitateFrame_; }
  QLabel* precipitateLabel() const { return precipitateLabel_; }
  // Built the first time the table is needed (it is hidden at start-up).
  table::ui::TableFrame* tableFrame();
  // The record buttons of solution 1, solution 2 (`Command5`, `Command6`)
  // and the mixture, by bench - 1.
  QToolButton* recordButton(int bench) const { return recordButtons_[bench]; }
  files::ui::TextPane* textPane() const { return textPane_; }
  files::ui::ExerciseMenu* exerciseMenu() const { return exerciseMenu_; }
  QTextEdit* textEditor() const;
  QLineEdit* fileNameField() const;
  HintLine* hintLine() const { return hintLine_; }
  QToolButton* commandButton(Command c) const { return commands_->button(c); }
  // The copy button's menu (made when the button first opens it).
  CopyMenu* copyMenu() const { return copyMenu_; }
  // `Pictampon`: the pictures of the benches copied and printed (made at the
  // first one, kept for the run).
  BenchPicture& benchPicture();

  // --- Flags ----------------------------------------------------------------
  // The exercise text has unsaved changes (1) or not (0).
  int textModified() const;
  void setTextModified(int v);
  // The hint line's text after a completed copy.
  const QString& clipboardHint() const { return clipboardHint_; }

  // --- Configuration files ------------------------------------------------------
  const std::string& configPath() const override { return configPath_; }
  bool saveConfiguration(const std::string& path) override;
  bool loadConfiguration(const std::string& path) override;
  // A file named on the command line: a configuration (.C07) opens as from
  // the open window, an exercise (.E24) as from the exercise window, a
  // getting-started activity (VELMIRA.PEM, VELMIRB.PEM) as from its menu.
  void openFile(const QString& path);

  // --- Procedures -------------------------------------------------------------
  // `imafond`: bench picture of the montage and placement of the live controls.
  void drawBench();
  // The sizes of the live controls the bench picture is laid out for.
  BenchSizes benchSizes() const;
  // `niveaubecher`: mixture beaker at the level of V1 + V2.
  void updateBeakerLevel();
  // `quelion`: the two formula boxes from the solute tags.
  void updateFormulaBoxes();
  // `majcontroles`: every control from the workbench: display texts, entries, options,
  // precipitate overlay, mixture page texts.
  void updateControls();

  // Window size rule for a screen of the given size in pixels.
  void applyWindowSizeRule(QSize screen);

  // Record the bench shown on `bench` (1, 2 or 3) into the table
  // (`Command5_Click`, `Command6_Click` and the mixture's).
  void recordBench(int bench);
  // Ctrl+Entrée: the entry being typed validated, then the bench shown
  // recorded when its record button is shown.
  void recordShownBench();
  // The burette of volume entry i: `steps` of 1 mL (0,1 mL when fine),
  // a beep at a limit.
  void stepVolume(int i, int steps, bool fine);
  // `Form_Activate`: takes the launcher's request from the flag file, once.
  void takeLauncherRequest();
  // `Form_QueryUnload`: true when the window may close (asks first).
  bool mayClose();

  // --- The work: history, unsaved state, recovery copy ----------------------
  const files::WorkHistory& history() const { return history_; }
  // The work differs from its file (or was never saved).
  bool workModified() const { return history_.modified(); }
  // One step named `step` when the work changed since the last step.
  void noteWork(const QString& step);
  void undoWork();
  void redoWork();
  // Asks before unsaved work is replaced; true when it may go.
  bool mayReplaceWork() override;
  // From now on the recovery copy is kept in `folder`.
  void keepRecovery(const QString& folder);
  RecoveryKeeper* recovery() const { return recovery_; }
  // At start-up: the copies of runs that stopped, offered newest first.
  void offerRecovery();
  // The save window the unsaved-work question's "Enregistrer" opens.
  std::function<void()> saveWork;

 protected:
  // `ouvreExerciceDemande`: the exercise the launcher asks for (relative to the application folder).
  // Opening it belongs to the exercise window; until then nothing happens.
  virtual void openRequestedExercise(const std::string& relativeName);

  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  // The window manager's frame becomes known after the window is shown: the
  // size rule is applied again with it, once.
  void moveEvent(QMoveEvent* event) override;

 private:
  // Event handlers.
  void onEntryLeft(int i);                // `Text1_LostFocus`
  void onFormulaBoxClicked(int i);        // `ions1_Click`
  void onVoltmeterCalibreClicked(int i);  // `Option4_Click`
  void onAmmeterCalibreClicked(int i);    // `Option5_Click`
  void onRangeClicked(int i);             // `Option6_Click`
  void onGeneratorMontageClicked();       // `Option2_Click`
  void onConductimeterMontageClicked();   // `Option3_Click`
  void onTableToggled();                  // `Check1_Click`: table and record buttons shown while checked
  void onClosing();                       // `Form_Unload`

  void buildLayout();
  void buildBenchControls();
  void buildPlaceholders();
  void buildTable();
  void buildTableFrame();
  void connectControls();
  void registerHints();
  void startUp();  // `Form_Load`
  void setHint(QWidget* w, const QString& text);
  void showHintUnder(QWidget* w);
  void syncOptions();
  // Each record button shown with the table, the mixture's only when the
  // mixture can be studied.
  void showRecordButtons();
  void montageChanged();
  void onCommand(Command c);
  void showCaption();
  // The work's history restarts at the current work (`saved`: as its file holds it).
  void startHistory(bool saved);
  // Steps still pending (a knob being turned) made now.
  void settleWork();
  // The controls after the work was replaced (a load, undo, redo).
  void followWork();
  void updateUndoEntries();
  void connectWork();
  void connectTableWork();
  // The unsaved-work question and its answer: true when the work may go.
  bool askUnsavedWork();

  MessageService& messages_;
  QString appFolder_;
  QString flagFolder_;
  model::Workbench wb_;
  table::Table table_;
  // The configuration file's extension items this version does not use, kept for the next save.
  files::ExtensionItems extension_;

  CommandButtons* commands_ = nullptr;
  TabStrip* tabStrip_ = nullptr;
  std::array<BenchPage*, 3> pages_{};
  std::array<EntryField*, model::kEntries> entryFields_{};
  std::array<FormulaBox*, 2> formulaBoxes_{};
  std::array<QPushButton*, 2> soluteListButtons_{};
  SolutePickerWidget* solutePicker_ = nullptr;
  std::array<KnobWidget*, model::kKnobs> knobs_{};
  std::array<DisplayLabel*, 9> meterDisplays_{};
  std::array<DisplayLabel*, 3> generatorScreens_{};
  std::array<QRadioButton*, model::kConductimeterRanges> rangeButtons_{};
  std::array<CalibreFrame*, 3> voltFrames_{};
  std::array<CalibreFrame*, 3> ampFrames_{};
  CellOptionsFrame* cellOptions_ = nullptr;
  QFrame* precipitateFrame_ = nullptr;
  QLabel* precipitateLabel_ = nullptr;
  table::ui::TableFrame* tableFrame_ = nullptr;
  std::array<QToolButton*, model::kBenches> recordButtons_{};
  files::ui::TextPane* textPane_ = nullptr;
  files::ui::ExerciseMenu* exerciseMenu_ = nullptr;
  HintLine* hintLine_ = nullptr;
  CopyMenu* copyMenu_ = nullptr;
  std::unique_ptr<BenchPicture> benchPicture_;

  QHash<const QWidget*, QString> hints_;
  QString clipboardHint_;
  std::string configPath_;
  files::WorkHistory history_;
  // A knob's turns are one step once it rests.
  QTimer* knobRest_ = nullptr;
  RecoveryKeeper* recovery_ = nullptr;
  // `memoire`: the calculator's memory, kept for the whole run.
  double memory_ = 0;
  bool validating_ = false;
  bool sizing_ = false;
  bool shownOnce_ = false;
  bool framedOnce_ = false;
  // What the mixture page's texts were last drawn from.
  int paintedSolute1_ = -1, paintedSolute2_ = -1;
  bool paintedMixturePossible_ = true;
};

}  // namespace velmira::ui
