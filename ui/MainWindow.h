#pragma once
// `feuilleP`: the main window. It owns the workbench and shows it: the
// command buttons, the tab strip with the three bench pages and their live
// controls, the cell options, the hint line, and the places of the table
// and of the exercise pane.
#include <QHash>
#include <QString>
#include <QWidget>
#include <array>
#include <memory>
#include <string>

#include "files/ConfigFile.h"
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

namespace velmira::table::ui { class TableFrame; }
namespace velmira::files::ui {
class ExerciseMenu;
class TextPane;
}

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
struct BenchSizes;

// Design size of the window.
inline constexpr int kWindowWidth = 800;
inline constexpr int kWindowHeight = 600;
// Above this screen width the window is held at its design size, centred.
inline constexpr int kWideScreen = 850;

class MainWindow : public QWidget, public files::ui::ConfigOwner, private files::ConfigHooks {
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
  TabStrip* onglets() const { return onglets_; }
  BenchPage* page(int bench) const { return pages_[bench - 1]; }  // 1..3
  EntryField* text1(int i) const { return text1_[i]; }
  FormulaBox* ions1(int i) const { return ions1_[i]; }
  QPushButton* command3(int i) const { return command3_[i]; }
  SolutePickerWidget* picture2() const { return picture2_; }
  KnobWidget* bouton1(int i) const { return bouton1_[i]; }
  DisplayLabel* afficheur(int i) const { return afficheur_[i]; }
  DisplayLabel* ecrangbf(int i) const { return ecrangbf_[i]; }
  QRadioButton* option4(int i) const;
  QRadioButton* option5(int i) const;
  QRadioButton* option6(int i) const { return option6_[i]; }
  QRadioButton* option2() const;
  QRadioButton* option3() const;
  CalibreFrame* voltmeterFrame(int bench) const { return voltFrames_[bench - 1]; }
  CalibreFrame* ammeterFrame(int bench) const { return ampFrames_[bench - 1]; }
  CellOptionsFrame* frame1() const { return frame1_; }
  QFrame* frame9() const { return frame9_; }
  QLabel* label9() const { return label9_; }
  // Built the first time the table is needed (it is hidden at start-up).
  table::ui::TableFrame* frame10();
  // The record buttons of solution 1, solution 2 (`Command5`, `Command6`)
  // and the mixture, by bench - 1.
  QToolButton* recordButton(int bench) const { return recordButtons_[bench]; }
  files::ui::TextPane* textPane() const { return textPane_; }
  files::ui::ExerciseMenu* exerciseMenu() const { return exerciseMenu_; }
  QTextEdit* supertext() const;
  QLineEdit* fich() const;
  HintLine* info() const { return info_; }
  QToolButton* commandButton(Command c) const { return commands_->button(c); }
  // `menucopie`, the copy button's menu (made when the button first opens it).
  CopyMenu* menucopie() const { return menucopie_; }
  // `Pictampon`: the pictures of the benches copied and printed (made at the
  // first one, kept for the run).
  BenchPicture& pictampon();

  // --- Flags ----------------------------------------------------------------
  // The exercise text has unsaved changes (1) or not (0).
  int textemodifie() const;
  void setTextemodifie(int v);
  // The hint line's text after a completed copy.
  const QString& messagepressepapier() const { return messagepressepapier_; }

  // --- Configuration files ------------------------------------------------------
  const std::string& nomconfig() const override { return nomconfig_; }
  void setNomconfig(const std::string& path) override { nomconfig_ = path; }
  bool ecritconfig() override;
  bool chargeconfig() override;
  // A file named on the command line: a configuration (.C07) opens as from
  // the open window, an exercise (.E24) as from the exercise window.
  void openFile(const QString& path);

  // --- Procedures -------------------------------------------------------------
  // Bench picture of the montage and placement of the live controls.
  void imafond();
  // The sizes of the live controls the bench picture is laid out for.
  BenchSizes benchSizes() const;
  // Mixture beaker at the level of V1 + V2.
  void niveaubecher();
  // The two formula boxes from the solute tags.
  void quelion();
  // Every control from the workbench: display texts, entries, options,
  // precipitate overlay, mixture page texts.
  void majcontroles();

  // Window size rule for a screen of the given size in pixels.
  void applyWindowSizeRule(QSize screen);

  // Event handlers (also driven by the tests).
  void Text1_LostFocus(int i);
  void ions1_Click(int i);
  void Option4_Click(int i);
  void Option5_Click(int i);
  void Option6_Click(int i);
  void Option2_Click();
  void Option3_Click();
  // Check1_Click: the table and the record buttons shown while checked.
  void Check1_Click();
  // Command5_Click / Command6_Click and the mixture's: record bench 1, 2 or 3.
  void recordBench(int bench);
  // Ctrl+Entrée: the entry being typed validated, then the bench shown
  // recorded when its record button is shown.
  void recordShownBench();
  // The burette of volume entry i: `steps` of 1 mL (0,1 mL when fine),
  // a beep at a limit.
  void stepVolume(int i, int steps, bool fine);
  void Form_Activate();
  // True when the window may close.
  bool Form_QueryUnload();
  void Form_Unload();

 protected:
  // The exercise the launcher asks for (relative to the application folder).
  // Opening it belongs to the exercise window; until then nothing happens.
  virtual void ouvreExerciceDemande(const std::string& relativeName);

  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void buildLayout();
  void buildBenchControls();
  void buildPlaceholders();
  void buildTable();
  void buildTableFrame();
  void connectControls();
  void registerHints();
  void Form_Load();
  void setHint(QWidget* w, const QString& text);
  void showHintUnder(QWidget* w);
  void syncOptions();
  // Each record button shown with the table, the mixture's only when the
  // mixture can be studied.
  void showRecordButtons();
  void montageChanged();
  void onCommand(Command c);
  void showCaption();
  // What loading a configuration does to the controls as it goes.
  void knobRedrawn(int knob) override;
  void montageClicked() override;

  MessageService& messages_;
  QString appFolder_;
  QString flagFolder_;
  model::Workbench wb_;
  table::Table table_;

  CommandButtons* commands_ = nullptr;
  TabStrip* onglets_ = nullptr;
  std::array<BenchPage*, 3> pages_{};
  std::array<EntryField*, model::kEntries> text1_{};
  std::array<FormulaBox*, 2> ions1_{};
  std::array<QPushButton*, 2> command3_{};
  SolutePickerWidget* picture2_ = nullptr;
  std::array<KnobWidget*, model::kKnobs> bouton1_{};
  std::array<DisplayLabel*, 9> afficheur_{};
  std::array<DisplayLabel*, 3> ecrangbf_{};
  std::array<QRadioButton*, model::kConductimeterRanges> option6_{};
  std::array<CalibreFrame*, 3> voltFrames_{};
  std::array<CalibreFrame*, 3> ampFrames_{};
  CellOptionsFrame* frame1_ = nullptr;
  QFrame* frame9_ = nullptr;
  QLabel* label9_ = nullptr;
  table::ui::TableFrame* frame10_ = nullptr;
  std::array<QToolButton*, model::kBenches> recordButtons_{};
  files::ui::TextPane* textPane_ = nullptr;
  files::ui::ExerciseMenu* exerciseMenu_ = nullptr;
  HintLine* info_ = nullptr;
  CopyMenu* menucopie_ = nullptr;
  std::unique_ptr<BenchPicture> pictampon_;

  QHash<const QWidget*, QString> hints_;
  QString messagepressepapier_;
  std::string nomconfig_;
  // `memoire`: the calculator's memory, kept for the whole run.
  double memoire_ = 0;
  bool validating_ = false;
  bool sizing_ = false;
  bool shownOnce_ = false;
  // What the mixture page's texts were last drawn from.
  int paintedSolute1_ = -1, paintedSolute2_ = -1;
  bool paintedMelange_ = true;
};

}  // namespace velmira::ui
