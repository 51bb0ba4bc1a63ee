#pragma once
// `MSFlexGrid1`: the grid of the table of values. Keys edit the current cell
// directly (no editor); leaving a cell runs the cell check; the titles are
// the header, a click on one opens the column menu, a right click on a cell
// the table menu.
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
  // most one cell is selected, as tab-separated text on the clipboard.
  void copySelection();
  // Ctrl+V: the clipboard's text from the current cell on (titles, then
  // what did not land said).
  void pasteClipboard();

  // Hints by position (the title row or the cells).
  static QString titleHint();
  static QString cellHint();

 signals:
  void hint(const QString& text);
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

  TableModel& model_;
  MessageService& messages_;
  bool following_ = false;
};

}  // namespace velmira::table::ui
