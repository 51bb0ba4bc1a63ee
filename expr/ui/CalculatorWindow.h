// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `Machine`: the calculator window. It forwards every key, clicked or typed,
// to an expr::Calculator and shows its display in `z1`. Opened for a column
// of the table, it edits that column's formula and EXE fills the column.
#include <QDialog>
#include <array>
#include <string>

#include "expr/Calculator.h"

class QGroupBox;
class QKeyEvent;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace velmira {
class MessageService;
namespace table {
class Table;
}
}  // namespace velmira

namespace velmira::expr::ui {

class CalculatorWindow : public QDialog {
  Q_OBJECT
 public:
  // Calculator mode. `memoire` is the memory of the M keys; it outlives
  // the window.
  explicit CalculatorWindow(double& memory, QWidget* parent = nullptr);
  // Column mode for column `col` (0..4) of `table`; `recalculate` starts from
  // the stored formula. The run's report goes to `messages`.
  CalculatorWindow(table::Table& table, int col, bool recalculate, double& memory, MessageService& messages,
                   QWidget* parent = nullptr);

  // "&Calculatrice": the calculator, modal.
  static void openCalculator(QWidget* parent, double& memory);
  // "Calculer C"n / "Recalculer C"n: the formula editor of column `col`,
  // modal; EXE stores the formula, fills the column and closes the window.
  static void openColumn(QWidget* parent, table::Table& table, int col, bool recalculate, double& memory,
                         MessageService& messages);

  // --- Controls ------------------------------------------------------------
  QLineEdit* displayField() const { return displayField_; }
  QPushButton* key(expr::Key k) const { return keys_[static_cast<std::size_t>(k)]; }
  QPushButton* columnKeyButton(int k) const { return key(expr::columnKey(k)); }
  // `angle`: 0 "Degrés", 1 "Radians".
  QRadioButton* angle(int i) const { return angle_[static_cast<std::size_t>(i)]; }
  // `C`: 0 "Scientifique", 1 "Standard".
  QRadioButton* displayMode(int i) const { return displayModes_[static_cast<std::size_t>(i)]; }

  const expr::Calculator& calculator() const { return calc_; }
  bool columnMode() const { return table_ != nullptr; }

  // The one handler of every key.
  void pressKey(expr::Key k);
  // The keyboard, shared by the window and the display: true when used.
  bool keyboard(QKeyEvent* event);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  // A column key's access key presses it at once, so keys typed right after
  // it follow it in the formula.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void build();
  void placeControls();
  void showDisplay();
  void fillTableColumn();

  expr::Calculator calc_;
  expr::TypedKeys typed_;
  table::Table* table_ = nullptr;
  int col_ = 0;
  MessageService* messages_ = nullptr;

  QLineEdit* displayField_ = nullptr;
  std::array<QPushButton*, expr::kKeyCount> keys_{};
  QGroupBox* angles_ = nullptr;
  QGroupBox* affichageFrame_ = nullptr;
  std::array<QRadioButton*, 2> angle_{};
  std::array<QRadioButton*, 2> displayModes_{};
};

}  // namespace velmira::expr::ui
