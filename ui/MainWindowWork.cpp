// SPDX-License-Identifier: GPL-3.0-or-later
// The pupil's work in the main window: its steps for undo and redo, the
// caption, its files, the question before it is replaced or dropped, and
// its recovery copy (the work itself is the WorkKeeper's).
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QPointer>
#include <QShortcut>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>
#include <random>

#include "files/ConfigFile.h"
#include "files/ExerciseOpening.h"
#include "files/PupilWork.h"
#include "files/RecoveryFiles.h"
#include "files/rtf/RtfReader.h"
#include "files/rtf/RtfWriter.h"
#include "files/ui/ExerciseMenu.h"
#include "files/ui/SaveWindow.h"
#include "files/ui/TextPane.h"
#include "platform/core/FileNames.h"
#include "platform/core/SafeFile.h"
#include "table/ui/TableFrame.h"
#include "ui/Benches.h"
#include "ui/EntryBinding.h"
#include "ui/HintLine.h"
#include "ui/MainWindow.h"
#include "ui/RecoveryKeeper.h"
#include "ui/ResultsBox.h"
#include "ui/WorkKeeper.h"

namespace velmira::ui {

namespace {

// How long a knob rests before its turns make one step, in ms.
constexpr int kKnobRest = 400;

const QString kKnobStep = QString::fromUtf8(QT_TRANSLATE_NOOP("velmira::steps", "Régler un bouton"));
const QString kResultStep = QString::fromUtf8(QT_TRANSLATE_NOOP("velmira::steps", "Donner un résultat"));

}  // namespace

void MainWindow::connectWork() {
  connect(work_, &WorkKeeper::changed, this, [this] {
    updateUndoEntries();
    showCaption();
  });
  knobRest_ = new QTimer(this);
  knobRest_->setSingleShot(true);
  knobRest_->setInterval(kKnobRest);
  connect(knobRest_, &QTimer::timeout, this, [this] { noteWork(kKnobStep); });
  // The steps of the controls are noted as their handlers end; a knob's once it rests.
  connect(benches_, &Benches::knobTurned, knobRest_, qOverload<>(&QTimer::start));

  auto shortcut = [this](QKeySequence keys, auto run) {
    connect(new QShortcut(keys, this), &QShortcut::activated, this, run);
  };
  shortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), [this] { undoWork(); });
  shortcut(QKeySequence(Qt::CTRL | Qt::Key_Y), [this] { redoWork(); });
  shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), [this] { redoWork(); });
  shortcut(QKeySequence(Qt::CTRL | Qt::Key_S), [this] { onCommand(Command::Save); });
  shortcut(QKeySequence(Qt::CTRL | Qt::Key_O), [this] { onCommand(Command::Open); });
  shortcut(QKeySequence(Qt::CTRL | Qt::Key_P), [this] { onCommand(Command::Print); });

  connect(resultsBox_, &ResultsBox::given, this, [this](std::size_t k, const files::GivenResult& given) {
    if (work_->setGiven(k, given)) noteWork(kResultStep);
  });

  connect(textPane_->textEditor(), &QTextEdit::textChanged, this, [this] {
    if (textIsWork()) showCaption();
    if (work_->recovery()) work_->recovery()->schedule();
  });

  saveWork = [this] {
    files::ui::SaveWindow w(*this, messages_, appFolder_, this);
    w.move(pos() + QPoint(20, 20));
    w.exec();
  };
}

void MainWindow::connectTableWork() {
  tableFrame_->setWorkFiles(appFolder_, [this] { return work_->path(); });
  connect(tableFrame_, &table::ui::TableFrame::edited, this, &MainWindow::noteWork);
  connect(tableFrame_->undoEntry(), &QAction::triggered, this, &MainWindow::undoWork);
  connect(tableFrame_->redoEntry(), &QAction::triggered, this, &MainWindow::redoWork);
  updateUndoEntries();
}

bool MainWindow::workModified() const { return work_->modified() || (textIsWork() && textPane_->textModified() == 1); }

bool MainWindow::textIsWork() const { return files::readWork(work_->extension()).has_value(); }
const std::string& MainWindow::configPath() const { return work_->path(); }

void MainWindow::startHistory(bool saved) {
  if (knobRest_) knobRest_->stop();
  work_->restart(saved);
}

void MainWindow::noteWork(const QString& step) { work_->note(step); }

std::optional<graph::GraphSettings> MainWindow::graphSettings() const {
  return graph::readGraphSettings(work_->extension());
}

void MainWindow::settleWork() {
  // The entry being typed is checked now: left focused, it would write its
  // old text over the work put in its place when a page hides it.
  benches_->leaveEntry(focusWidget());
  if (knobRest_ && knobRest_->isActive()) {
    knobRest_->stop();
    noteWork(kKnobStep);
  }
  // What an entry holds while being typed is a step of its own.
  noteWork(EntryBinding::entryStep());
}

void MainWindow::undoWork() { stepWork(&WorkKeeper::undo); }

void MainWindow::redoWork() { stepWork(&WorkKeeper::redo); }

void MainWindow::stepWork(bool (WorkKeeper::*step)()) {
  // The keyboard stays where it was, though settling a typed entry takes it.
  const QPointer<QWidget> focus = focusWidget();
  settleWork();
  if (((*work_).*step)()) followWork();
  if (focus && focus->isVisible() && focus->isEnabled()) focus->setFocus(Qt::OtherFocusReason);
}

void MainWindow::followWork() {
  benches_->followWork();
  showResults();
  updateUndoEntries();
  showCaption();
  if (work_->recovery()) work_->recovery()->schedule();
}

void MainWindow::showResults() {
  resultsBox_->showWork(files::readWork(work_->extension()));
  layoutRoom();
}

void MainWindow::layoutRoom() {
  // What a window grown past its design size gives: the table half the
  // height, the text pane the other half, both the width.
  // The design size is the least the size rule gave (a frame included), else the plain one.
  const QSize design = minimumWidth() > 0 ? minimumSize() : QSize(kWindowWidth, kWindowHeight);
  const int dx = std::max(0, width() - design.width()), dy = std::max(0, height() - design.height());
  const int tableGrows = dy / 2;
  if (tableFrame_) tableFrame_->resize(table::ui::TableFrame::designSize() + QSize(dx, tableGrows));
  hintLine_->move(kHintPlace + QPoint(dx / 2, tableGrows));
  QRect pane = files::ui::TextPane::designArea().adjusted(0, tableGrows, dx, dy);
  // The results below the pane; the text gives up what the window's bottom lacks.
  constexpr int kGap = 4;
  const int results = resultsBox_->neededHeight();
  const int room = height() - kGap - (pane.bottom() + 1 + kGap);
  pane.setBottom(pane.bottom() - std::max(0, results - room));
  textPane_->place(pane);
  resultsBox_->setGeometry(pane.left(), pane.bottom() + 1 + kGap, pane.width(), results);
  update();
}

void MainWindow::updateUndoEntries() {
  if (tableFrame_) tableFrame_->showHistory(work_->history());
}

void MainWindow::showCaption() {
  QString caption = QStringLiteral("Velmira");
  if (!configPath().empty()) caption += QStringLiteral(" - ") + QString::fromStdString(fileio::shownPath(configPath()));
  // The usual mark of unsaved work.
  if (workModified()) caption += QLatin1Char('*');
  setWindowTitle(caption);
}

bool MainWindow::saveConfiguration(const std::string& path) {
  settleWork();
  if (!work_->save(path)) return false;
  if (textIsWork() && files::saveExerciseText(files::workTextPath(path), textPane_->richDocument(), messages_)) {
    textPane_->setTextModified(0);
    showCaption();
  }
  return true;
}

bool MainWindow::loadConfiguration(const std::string& path) {
  if (!work_->load(path)) return false;
  // Knobs, bench picture, displays, entries, selections, beaker levels, solutes, the strip.
  followWork();
  if (textIsWork()) openWorkText(files::workTextPath(path));
  startHistory(true);
  return true;
}

void MainWindow::openWorkText(const std::string& path) {
  if (!fileio::exists(path)) return;
  auto document = files::readExerciseText(path, messages_);
  if (!document) return;
  textPane_->showDocument(std::move(*document));
  textPane_->setReadOnly(false);
  textPane_->nameTextFile(path);
  textPane_->setTextModified(0);
}

std::string MainWindow::pupilName() const {
  const auto work = files::readWork(work_->extension());
  return work ? work->name : std::string();
}

files::ExtensionItems MainWindow::workItems() const { return work_->extension(); }

bool MainWindow::makesPupilWork(const files::ExerciseResults& results) const {
  return files::makesPupilWork(work_->extension(), results);
}

bool MainWindow::startPupilWork(const files::WorkItems& work) {
  if (!work_->startPupilWork(work, std::random_device{}())) return false;
  followWork();
  // A fresh draw: unsaved until the pupil saves it.
  startHistory(false);
  return true;
}

void MainWindow::openFile(const std::string& path) { exerciseMenu_->openCommandLineFile(path); }

bool MainWindow::askUnsavedWork() {
  switch (messages_.show(files::unsavedWorkQuestion())) {
    case Answer::Save:
      if (saveWork) saveWork();
      return !workModified();  // a cancelled save window replaces nothing
    case Answer::Discard:
      return true;
    default:
      return false;
  }
}

bool MainWindow::mayReplaceWork() {
  settleWork();
  return !workModified() || askUnsavedWork();
}

void MainWindow::keepRecovery(const QString& folder) { work_->keepRecovery(folder, *textPane_); }

void MainWindow::offerRecovery() {
  work_->offerLeftCopies(
      *textPane_, [this] { return mayReplaceWork(); }, [this] { followWork(); });
}

std::string MainWindow::keepForRestart(const std::string& folder) {
  settleWork();
  const files::RecoveryFiles kept = files::recoveryFiles(folder, QCoreApplication::applicationPid());
  const std::string rtf = rtf::writeRtf(textPane_->richDocument());
  if (!QDir().mkpath(QString::fromStdString(folder)) || !work_->writeRestartCopy(kept, rtf)) return {};
  files::RestartState state;
  state.saved = !work_->modified();
  state.textModified = textPane_->textModified() == 1;
  state.textReadOnly = textPane_->textEditor()->isReadOnly();
  state.textFile = !textPane_->namedPath().empty() && textPane_->exercisePath().empty();
  state.textPath = textPane_->namedPath();
  return files::restartStateText(state);
}

bool MainWindow::resumeAfterRestart(const std::string& folder, const std::string& stateText) {
  const files::RecoveryFiles kept = files::recoveryFiles(folder, QCoreApplication::applicationPid());
  const std::optional<files::RecoveryCopy> copy = files::readRecovery(kept);
  const std::optional<files::RestartState> state = files::readRestartState(stateText);
  const bool resumed = copy && state && work_->resumeRestartCopy(*copy, state->saved);
  files::removeRecovery(kept);
  if (!resumed) return false;
  followWork();
  if (auto document = rtf::readRtf(copy->rtf)) textPane_->showDocument(std::move(*document));
  textPane_->setReadOnly(state->textReadOnly);
  if (state->textFile)
    textPane_->nameTextFile(state->textPath);
  else
    textPane_->setFileName(state->textPath);
  textPane_->setTextModified(state->textModified ? 1 : 0);
  return true;
}

void MainWindow::startWork(const std::string& file) {
  offerRecovery();
  if (!file.empty()) openFile(file);
}

}  // namespace velmira::ui
