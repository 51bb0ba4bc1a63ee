// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `Frame10`: the table of values in the main window: its title bar with the
// table menu picture `Image5`, the grid, the table menu `menutableau` and
// the column menu `menucol`, and the commands they run.
#include <QFrame>
#include <QSize>
#include <QString>
#include <functional>
#include <string>

class QLabel;
class QMenu;
class QAction;

namespace velmira {
class MessageService;
namespace files {
class WorkHistory;
}
namespace table {
class Table;
namespace ui {

class TableGrid;
class TableModel;

class TableFrame : public QFrame {
  Q_OBJECT
 public:
  TableFrame(Table& table, MessageService& messages, QWidget* parent = nullptr);
  ~TableFrame() override;

  // Its size in a main window of the design size; a larger window gives it more.
  static QSize designSize() { return {358, 225}; }

  TableGrid* grid() const { return grid_; }
  QLabel* menuButton() const { return menuButton_; }
  QMenu* tableMenu() const { return tableMenu_; }
  QMenu* columnMenu() const { return columnMenu_; }
  // The undo and redo entries at the top of the table menu; their owner
  // names and enables them.
  QAction* undoEntry() const { return undo_; }
  QAction* redoEntry() const { return redo_; }
  // The undo and redo entries as the work's history allows them, with their steps' names.
  void showHistory(const files::WorkHistory& history);
  // The column the column menu acts on.
  int menuColumn() const { return menuColumn_; }

  // The table menu, after the cell check, at a point of the screen (the
  // picture opens it at the frame's top-left corner).
  void openTableMenu(QPoint globalPos);
  // The column menu of column col (0..4), its captions rewritten.
  void openColumnMenu(int col, QPoint globalPos);
  // Captions and availability, as the menus show them now.
  void updateTableMenu();
  void updateColumnMenu(int col);

  // The application folder (no export goes there) and the work's file,
  // which the export's save window starts beside.
  void setWorkFiles(QString appFolder, std::function<std::string()> workFile);

  // The CSV export, or the OpenDocument spreadsheet, into a file; false
  // (with the write message) on failure.
  bool exportCsv(const QString& path);
  bool exportOds(const QString& path);

  static QString imageHint();

 signals:
  void hint(const QString& text);
  void hideRequested();                                // "Cacher le tableau"
  void graphRequested();                               // "Représentation graphique"
  void calculateRequested(int col, bool recalculate);  // "Calculer", "Recalculer"
  void formulaRequested(int col);                      // "Voir expression"
  void printRequested();                               // "Imprimer le tableau"
  // A command of the grid or of a menu may have changed the table.
  void edited(const QString& step);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void buildMenus();
  // "Exporter le tableau…": the save window offers both types; the name's
  // extension, or else the type chosen, tells which is written.
  void chooseExportFile();

  Table& table_;
  MessageService& messages_;
  QString appFolder_;
  std::function<std::string()> workFile_;
  TableModel* model_ = nullptr;
  TableGrid* grid_ = nullptr;
  QLabel* title_ = nullptr;
  QLabel* menuButton_ = nullptr;
  QMenu* tableMenu_ = nullptr;
  QMenu* columnMenu_ = nullptr;
  int menuColumn_ = 0;
  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
  // Table menu entries whose availability changes.
  QAction* insertAbove_ = nullptr;
  QAction* append_ = nullptr;
  QAction* deleteRow_ = nullptr;
  // Column menu entries.
  QAction* calculate_ = nullptr;
  QAction* showFormula_ = nullptr;
  QAction* recalculate_ = nullptr;
  QAction* clearColumn_ = nullptr;
  QAction* rename_ = nullptr;
  QAction* sortUp_ = nullptr;
  QAction* sortDown_ = nullptr;
};

}  // namespace ui
}  // namespace table
}  // namespace velmira
