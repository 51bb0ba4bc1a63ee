// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WorkKeeper.h"

#include "files/ConfigFile.h"
#include "files/PupilWork.h"
#include "files/rtf/RtfReader.h"
#include "files/rtf/RtfWriter.h"
#include "files/ui/RichTextDocument.h"
#include "files/ui/TextPane.h"
#include "platform/core/Messages.h"
#include "ui/RecoveryKeeper.h"

namespace velmira::ui {

WorkKeeper::WorkKeeper(model::Workbench& wb, table::Table& table, MessageService& messages, QObject* parent)
    : QObject(parent), wb_(wb), table_(table), messages_(messages) {}

void WorkKeeper::changedNow() {
  emit changed();
  if (recovery_) recovery_->schedule();
}

void WorkKeeper::restart(bool saved) {
  history_.reset(files::workSnapshot(wb_, table_, extension_).value_or(std::string()), saved);
  changedNow();
}

void WorkKeeper::note(const QString& step) {
  auto snapshot = files::workSnapshot(wb_, table_, extension_);
  if (snapshot && history_.record(std::move(*snapshot), step.toStdString())) changedNow();
}

bool WorkKeeper::keepGraphSettings(const graph::GraphSettings& settings, const QString& step) {
  if (!graph::writeGraphSettings(extension_, settings)) return false;
  note(step);
  return true;
}

bool WorkKeeper::undo() {
  const std::string* s = history_.undo();
  if (s) files::restoreWork(*s, wb_, table_, extension_, messages_);
  return s;
}

bool WorkKeeper::redo() {
  const std::string* s = history_.redo();
  if (s) files::restoreWork(*s, wb_, table_, extension_, messages_);
  return s;
}

bool WorkKeeper::save(const std::string& path) {
  if (!files::writeConfiguration(path, wb_, table_, messages_, true, extension_)) return false;
  path_ = path;
  history_.markSaved();
  changedNow();
  return true;
}

bool WorkKeeper::load(const std::string& path) {
  auto configuration = files::readConfiguration(path, wb_, table_, messages_);
  if (!configuration) return false;
  path_ = path;
  extension_ = std::move(configuration->extension);
  if (!files::revealHidden(extension_, wb_)) messages_.show(files::hiddenValueDamaged());
  return true;
}

bool WorkKeeper::setGiven(std::size_t k, const files::GivenResult& given) {
  auto work = files::readWork(extension_);
  if (!work || k >= work->given.size()) return false;
  work->given[k] = given;
  return files::writeWork(extension_, *work);
}

bool WorkKeeper::startPupilWork(const files::WorkItems& work, std::uint64_t seed) {
  auto items = files::startWork(extension_, work, seed);
  if (!items) return false;
  extension_ = std::move(*items);
  files::revealHidden(extension_, wb_);
  return true;
}

void WorkKeeper::keepRecovery(const QString& folder, files::ui::TextPane& pane) {
  delete recovery_;
  recovery_ = new RecoveryKeeper(
      folder, messages_,
      [this, &pane]() -> std::optional<files::RecoveryWriter::Compose> {
        const bool text = pane.textModified() == 1;
        if (!modified() && !text) return std::nullopt;
        // Copies on this thread; the text is composed as RTF on the writer's.
        std::optional<files::ui::TextSnapshot> shot;
        if (text) shot = pane.textSnapshot();
        return [work = files::workSnapshot(wb_, table_, extension_).value_or(history_.current()), name = path_,
                shot = std::move(shot)] {
          return files::RecoveryContents{work, name, shot ? rtf::writeRtf(files::ui::richDocumentOf(*shot)) : ""};
        };
      },
      this);
}

void WorkKeeper::offerLeftCopies(files::ui::TextPane& pane, const std::function<bool()>& mayReplace,
                                 const std::function<void()>& resumed) {
  if (!recovery_) return;
  const std::vector<files::RecoveryCopy> copies = recovery_->leftCopies();
  if (copies.empty()) return;
  const ChoiceQuestion question = files::resumeQuestion(copies);
  const std::optional<std::size_t> chosen = messages_.choose(question);
  // The copies offered and not chosen go; those past the question wait for a later start.
  for (std::size_t i = 0; i < question.lines.size(); ++i)
    if (i != chosen) files::removeRecovery(copies[i].files);
  if (!chosen || *chosen >= question.lines.size()) return;
  const files::RecoveryCopy& copy = copies[*chosen];
  if (!mayReplace()) return;  // kept for the next start
  if (!resume(copy)) return;
  if (!copy.rtf.empty()) {
    if (auto document = rtf::readRtf(copy.rtf)) {
      pane.showDocument(*document);
      pane.setReadOnly(false);
      pane.setTextModified(1);
    }
  }
  resumed();
}

bool WorkKeeper::writeRestartCopy(const files::RecoveryFiles& files, const std::string& rtf) const {
  return files::writeRecovery(files, files::workSnapshot(wb_, table_, extension_).value_or(history_.current()), path_,
                              rtf);
}

bool WorkKeeper::resumeRestartCopy(const files::RecoveryCopy& copy, bool saved) {
  if (!files::restoreWork(copy.snapshot, wb_, table_, extension_, messages_)) return false;
  path_ = copy.workName;
  history_.reset(files::workSnapshot(wb_, table_, extension_).value_or(copy.snapshot), saved);
  changedNow();
  return true;
}

bool WorkKeeper::resume(const files::RecoveryCopy& copy) {
  if (!files::restoreWork(copy.snapshot, wb_, table_, extension_, messages_)) return false;
  path_ = copy.workName;
  // Taken back as unsaved work; the old copy goes once this run's own is on disk.
  history_.reset(files::workSnapshot(wb_, table_, extension_).value_or(copy.snapshot), false);
  auto* once = new QObject(this);
  connect(recovery_, &RecoveryKeeper::written, once, [once, files = copy.files](bool ok) {
    if (ok) files::removeRecovery(files);
    once->deleteLater();
  });
  return true;
}

}  // namespace velmira::ui
