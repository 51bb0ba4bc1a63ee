// The pupil's work in the main window: its steps for undo and redo, the
// caption's unsaved mark, the question before it is replaced or dropped,
// and its recovery copy.
#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QShortcut>
#include <QTextEdit>
#include <QTimer>

#include "files/RecoveryFiles.h"
#include "files/rtf/RtfReader.h"
#include "files/rtf/RtfWriter.h"
#include "files/ui/SaveWindow.h"
#include "files/ui/TextPane.h"
#include "table/ui/TableFrame.h"
#include "ui/BenchPanel.h"
#include "ui/EntryBinding.h"
#include "ui/EntryField.h"
#include "ui/MainWindow.h"
#include "ui/MixturePanel.h"
#include "ui/RecoveryKeeper.h"
#include "ui/TabStrip.h"

namespace velmira::ui {

namespace {

// How long a knob rests before its turns make one step, in ms.
constexpr int kKnobRest = 400;

const QString kKnobStep = QStringLiteral("Régler un bouton");

}  // namespace

void MainWindow::connectWork() {
  knobRest_ = new QTimer(this);
  knobRest_->setSingleShot(true);
  knobRest_->setInterval(kKnobRest);
  connect(knobRest_, &QTimer::timeout, this, [this] { noteWork(kKnobStep); });
  // The steps of the controls are noted as their handlers end; a knob's once it rests.
  for (Bench b : kAllBenches) connect(&panel(b), &BenchPanel::knobTurned, knobRest_, qOverload<>(&QTimer::start));

  auto shortcut = [this](QKeySequence keys, auto run) {
    connect(new QShortcut(keys, this), &QShortcut::activated, this, run);
  };
  shortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), [this] { undoWork(); });
  shortcut(QKeySequence(Qt::CTRL | Qt::Key_Y), [this] { redoWork(); });
  shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), [this] { redoWork(); });
  shortcut(QKeySequence(Qt::CTRL | Qt::Key_S), [this] { onCommand(Command::Save); });
  shortcut(QKeySequence(Qt::CTRL | Qt::Key_O), [this] { onCommand(Command::Open); });
  shortcut(QKeySequence(Qt::CTRL | Qt::Key_P), [this] { onCommand(Command::Print); });

  connect(textPane_->textEditor(), &QTextEdit::textChanged, this, [this] {
    if (recovery_) recovery_->schedule();
  });

  saveWork = [this] {
    files::ui::SaveWindow w(*this, messages_, appFolder_, this);
    w.move(pos() + QPoint(20, 20));
    w.exec();
  };
}

void MainWindow::connectTableWork() {
  tableFrame_->setWorkFiles(appFolder_, [this] { return configPath_; });
  connect(tableFrame_, &table::ui::TableFrame::edited, this, &MainWindow::noteWork);
  connect(tableFrame_->undoEntry(), &QAction::triggered, this, &MainWindow::undoWork);
  connect(tableFrame_->redoEntry(), &QAction::triggered, this, &MainWindow::redoWork);
  updateUndoEntries();
}

void MainWindow::startHistory(bool saved) {
  if (knobRest_) knobRest_->stop();
  history_.reset(files::workSnapshot(wb_, table_, extension_).value_or(std::string()), saved);
  updateUndoEntries();
  showCaption();
  if (recovery_) recovery_->schedule();
}

void MainWindow::noteWork(const QString& step) {
  auto snapshot = files::workSnapshot(wb_, table_, extension_);
  if (!snapshot || !history_.record(std::move(*snapshot), step.toStdString())) return;
  updateUndoEntries();
  showCaption();
  if (recovery_) recovery_->schedule();
}

void MainWindow::settleWork() {
  // The entry being typed is checked now: left focused, it would write its
  // old text over the work put in its place when a page hides it.
  if (auto* e = qobject_cast<EntryField*>(focusWidget()); e && isAncestorOf(e)) e->clearFocus();
  if (knobRest_ && knobRest_->isActive()) {
    knobRest_->stop();
    noteWork(kKnobStep);
  }
  // What an entry holds while being typed is a step of its own.
  noteWork(EntryBinding::entryStep());
}

void MainWindow::undoWork() {
  settleWork();
  if (const std::string* s = history_.undo()) {
    files::restoreWork(*s, wb_, table_, extension_, messages_);
    followWork();
  }
}

void MainWindow::redoWork() {
  settleWork();
  if (const std::string* s = history_.redo()) {
    files::restoreWork(*s, wb_, table_, extension_, messages_);
    followWork();
  }
}

void MainWindow::followWork() {
  for (Bench b : kAllBenches) panel(b).redrawKnobs();
  montageChanged();
  updateControls();
  mixture_->updateBeakerLevel();
  updateFormulaBoxes();
  tabStrip_->paintStrip();
  updateUndoEntries();
  showCaption();
  if (recovery_) recovery_->schedule();
}

void MainWindow::updateUndoEntries() {
  if (tableFrame_) tableFrame_->showHistory(history_);
}

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

void MainWindow::keepRecovery(const QString& folder) {
  delete recovery_;
  recovery_ = new RecoveryKeeper(
      folder, messages_,
      [this]() -> std::optional<RecoveryKeeper::Contents> {
        const bool text = textModified() == 1;
        if (!workModified() && !text) return std::nullopt;
        RecoveryKeeper::Contents c;
        c.snapshot = files::workSnapshot(wb_, table_, extension_).value_or(history_.current());
        c.workName = configPath_;
        if (text) c.rtf = rtf::writeRtf(textPane_->richDocument());
        return c;
      },
      this);
}

void MainWindow::offerRecovery() {
  if (!recovery_) return;
  for (const files::RecoveryCopy& copy : recovery_->leftCopies()) {
    if (messages_.show(files::resumeQuestion()) != Answer::Yes) {
      files::removeRecovery(copy.files);
      continue;
    }
    if (!mayReplaceWork()) continue;  // kept for the next start
    if (!files::restoreWork(copy.snapshot, wb_, table_, extension_, messages_)) continue;
    configPath_ = copy.workName;
    if (!copy.rtf.empty()) {
      if (auto document = rtf::readRtf(copy.rtf)) {
        textPane_->showDocument(*document);
        textPane_->setReadOnly(false);
        textPane_->setTextModified(1);
      }
    }
    // Taken back as unsaved work; the old copy goes once this run's own is on disk.
    history_.reset(files::workSnapshot(wb_, table_, extension_).value_or(copy.snapshot), false);
    followWork();
    auto* once = new QObject(this);
    connect(recovery_, &RecoveryKeeper::written, once, [once, files = copy.files](bool ok) {
      if (ok) files::removeRecovery(files);
      once->deleteLater();
    });
  }
}

}  // namespace velmira::ui
