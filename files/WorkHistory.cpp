// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/WorkHistory.h"

#include "files/ConfigFile.h"
#include "files/PupilWork.h"
#include "platform/core/RecordFile.h"

namespace velmira::files {

namespace {

const std::string kNoName;

}  // namespace

std::optional<std::string> workSnapshot(const model::Workbench& wb, const table::Table& table,
                                        const ExtensionItems& extension) {
  return configurationBytes(wb, table, extension);
}

bool restoreWork(const std::string& snapshot, model::Workbench& wb, table::Table& table, ExtensionItems& extension,
                 MessageService& messages) {
  records::RecordReader reader;
  reader.setBytes(snapshot);
  auto configuration = applyRead(parseConfiguration(reader, table.rows()), wb, table, messages);
  if (!configuration) return false;
  extension = std::move(configuration->extension);
  // The snapshot holds "?" for a hidden value: it is taken back from the items.
  revealHidden(extension, wb);
  return true;
}

Message unsavedWorkQuestion() {
  return msg::saveDiscardCancel(
      VELMIRA_TEXT("velmira::msg", "Le travail en cours n'a pas été enregistré. Voulez-vous l'enregistrer ?"),
      VELMIRA_TEXT("velmira::msg", "Travail non enregistré"));
}

std::string undoCaption(const std::string& step) {
  return msg::shownFormat(VELMIRA_TEXT("velmira::msg", "Annuler : %1"), {msg::shownText(kStepContext, step)});
}
std::string redoCaption(const std::string& step) {
  return msg::shownFormat(VELMIRA_TEXT("velmira::msg", "Rétablir : %1"), {msg::shownText(kStepContext, step)});
}

void WorkHistory::reset(std::string snapshot, bool saved) {
  states_.clear();
  states_.push_back({std::move(snapshot), {}});
  current_ = 0;
  saved_.reset();
  if (saved) saved_ = states_.front().snapshot;
}

bool WorkHistory::record(std::string snapshot, std::string name) {
  if (states_.empty()) {
    reset(std::move(snapshot), false);
    return false;
  }
  if (snapshot == states_[current_].snapshot) return false;
  states_.erase(states_.begin() + static_cast<std::ptrdiff_t>(current_) + 1, states_.end());
  states_.push_back({std::move(snapshot), std::move(name)});
  if (states_.size() > kMaxSteps + 1) states_.pop_front();
  current_ = states_.size() - 1;
  return true;
}

const std::string& WorkHistory::undoName() const { return canUndo() ? states_[current_].name : kNoName; }
const std::string& WorkHistory::redoName() const { return canRedo() ? states_[current_ + 1].name : kNoName; }

const std::string* WorkHistory::undo() {
  if (!canUndo()) return nullptr;
  return &states_[--current_].snapshot;
}

const std::string* WorkHistory::redo() {
  if (!canRedo()) return nullptr;
  return &states_[++current_].snapshot;
}

void WorkHistory::markSaved() {
  if (!states_.empty()) saved_ = states_[current_].snapshot;
}

bool WorkHistory::modified() const { return !states_.empty() && (!saved_ || *saved_ != states_[current_].snapshot); }

const std::string& WorkHistory::current() const { return states_.empty() ? kNoName : states_[current_].snapshot; }

}  // namespace velmira::files
