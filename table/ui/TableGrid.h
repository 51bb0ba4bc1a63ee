// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `MSFlexGrid1`: the grid of the table of values. Keys edit the current cell
// directly (no editor); leaving a cell runs the cell check; the titles are
// the header (each title whole in its tooltip), a click on one opens the
// column menu, a drag on a title's border widens its column, a right click
// on a cell the table menu. From the keyboard, Shift+F10 or the Menu key
// opens the table menu, or the column menu after Ctrl+Space.
#include <QTableView>

namespace velmira {
class MessageService;
}

namespace velmira::table::ui {

class TableModel;

class TableGrid : public QTableView {
  Q_OBJECT
 public:
  TableGrid(TableModel& model, MessageService& messages, QWidget* parent = nullptr);

  // The cell check of the current cell (before a menu opens).
  void checkCurrentCell();
  // Ctrl+C: the selected cells, or the whole table with its titles when at
  // most one cell is selected, on the clipboard as tab-separated text and
  // as an HTML table (htmlTable).
  void copySelection();
  // Ctrl+V: the clipboard's text from the current cell on (titles, then
  // what did not land said).
  void pasteClipboard();

  // Hints by position (the title row or the cells).
  static QString titleHint();
  static QString cellHint();
  static QString columnChosenHint();

 signals:
  void hint(const QString& text);
  // The grid may have changed the table (a cell checked, a paste, a cell
  // emptied); `step` names what was done.
  void edited(const QString& step);
  void columnMenuRequested(int col, QPoint globalPos);
  void tableMenuRequested(QPoint globalPos);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void followTable();
  void layoutColumns();
  // The titles' row as tall as the longest title needs, wrapped in its column (up to kTitleLines lines).
  void fitTitles();
  // `x` (header viewport) lies on the right border of a title.
  bool onTitleBorder(int x) const;

  TableModel& model_;
  MessageService& messages_;
  bool following_ = false;
  bool columnChosen_ = false;   // Ctrl+Space chose the current column for the menu keys
  bool resizingTitle_ = false;  // a press on a title border: the header resizes
  QPoint titlePress_;
};

}  // namespace velmira::table::ui
