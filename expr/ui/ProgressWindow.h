// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `avancalc`: the progress window shown while a column formula runs.
#include <QDialog>
#include <string>

#include "expr/Evaluator.h"

class QProgressBar;

namespace velmira::table {
class Table;
}

namespace velmira::expr::ui {

class ProgressWindow : public QDialog {
  Q_OBJECT
 public:
  explicit ProgressWindow(QWidget* parent = nullptr);
  QProgressBar* pbar() const { return pbar_; }

 private:
  QProgressBar* pbar_ = nullptr;
};

// expr::fillColumn with the progress window shown over `parent`, the wait
// pointer, and a beep for every result that overflows. Returns the count
// of lines left empty.
int fillColumnWithProgress(QWidget* parent, table::Table& table, int col, const std::string& formula, Angle angle,
                           bool scientific);

}  // namespace velmira::expr::ui
