// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The results a pupil's work asks for, below the exercise's text: for each
// its label ("c1 (mol/L) ="), the value and its uncertainty u, typed with
// the entry fields' key rules. A value is taken when the field is left or
// Enter is pressed; a text that cannot be kept is said and put back.
#include <QWidget>
#include <optional>
#include <vector>

#include "files/PupilWork.h"

class QLabel;

namespace velmira {
class MessageService;
}

namespace velmira::ui {

class EntryField;

class ResultsBox : public QWidget {
  Q_OBJECT
 public:
  ResultsBox(MessageService& messages, QWidget* window);

  // The rows of `work`'s results with what it was given; hidden when there
  // is no work or it asks for no result.
  void showWork(const std::optional<files::WorkItems>& work);
  // The height the rows shown take (0 when hidden).
  int neededHeight() const;

  // The fields of result k (from 0): its value and its u.
  EntryField* valueField(std::size_t k) const { return rows_.at(k).value; }
  EntryField* uField(std::size_t k) const { return rows_.at(k).u; }
  std::size_t rowCount() const { return rows_.size(); }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 signals:
  // Result k (from 0) was given this, already checked.
  void given(std::size_t k, const files::GivenResult& result);

 private:
  struct Row {
    QLabel* label = nullptr;
    EntryField* value = nullptr;
    QLabel* uLabel = nullptr;
    EntryField* u = nullptr;
    files::GivenResult kept;
  };
  void build();
  void layoutRows();
  void take(std::size_t k);

  MessageService& messages_;
  std::vector<Row> rows_;
  std::size_t shown_ = 0;
};

}  // namespace velmira::ui
