// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/ui/TableGrid.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QStyle>
#include <algorithm>
#include <cstdlib>

#include "table/Spreadsheet.h"
#include "table/TableCommands.h"
#include "table/TableText.h"
#include "table/ui/TableModel.h"

namespace velmira::table::ui {

TableGrid::TableGrid(TableModel& model, MessageService& messages, QWidget* parent)
    : QTableView(parent), model_(model), messages_(messages) {
  setObjectName(QStringLiteral("tableGrid"));
  setAccessibleName(tr("Tableau de valeurs"));
  setAccessibleDescription(
      tr("Flèches : cellule voisine ; Maj+F10 : menu du tableau ; "
         "Ctrl+Espace puis Maj+F10 : menu de la colonne ; Tab : sortir"));
  setModel(&model_);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  // Tab leaves the grid; the arrows and Enter move inside it.
  setTabKeyNavigation(false);
  setWordWrap(false);
  setMouseTracking(true);
  verticalHeader()->hide();
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  verticalHeader()->setMinimumSectionSize(fontMetrics().height() + 2);
  horizontalHeader()->setSectionsClickable(true);
  horizontalHeader()->setHighlightSections(false);
  // Columns widen by dragging a border of their titles.
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  horizontalHeader()->setMouseTracking(true);
  horizontalHeader()->setCursor(Qt::PointingHandCursor);
  horizontalHeader()->viewport()->installEventFilter(this);
  // A title is shown whole: wrapped on as many lines as its column needs.
  horizontalHeader()->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
  connect(horizontalHeader(), &QHeaderView::sectionResized, this, &TableGrid::fitTitles);
  connect(&model_, &QAbstractItemModel::headerDataChanged, this, &TableGrid::fitTitles);
  viewport()->setCursor(Qt::IBeamCursor);
  connect(&model_, &TableModel::tableCurrentChanged, this, &TableGrid::followTable);
  connect(&model_, &QAbstractItemModel::modelReset, this, &TableGrid::followTable);
  followTable();
}

QString TableGrid::titleHint() {
  return tr("Cliquer sur la première cellule d'une colonne pour calculer, effacer, nommer ou classer.");
}
QString TableGrid::columnChosenHint() {
  return tr("Colonne choisie : Maj+F10 ouvre son menu (calculer, effacer, nommer, classer).");
}
QString TableGrid::cellHint() { return tr("Cliquer sur une cellule pour l'activer et saisir une valeur."); }

void TableGrid::layoutColumns() {
  // Five equal columns filling the grid, the last a little narrower.
  const int w = viewport()->width() / kCols;
  for (int c = 0; c < kCols; ++c) setColumnWidth(c, c == kCols - 1 ? w - 2 : w);
}

void TableGrid::fitTitles() {
  constexpr int kTitleLines = 3;
  const QHeaderView* h = horizontalHeader();
  const QFontMetrics fm(h->font());
  const int margin = 2 * h->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, h);
  int lines = 1;
  for (int c = 0; c < kCols; ++c) {
    const QString title = model_.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    const QRect need = fm.boundingRect(QRect(0, 0, std::max(1, h->sectionSize(c) - margin), 10000),
                                       Qt::AlignCenter | Qt::TextWordWrap, title);
    lines = std::max(lines, (need.height() + fm.lineSpacing() - 1) / fm.lineSpacing());
  }
  lines = std::min(lines, kTitleLines);
  const int height = fm.lineSpacing() * lines + margin + 4;
  if (horizontalHeader()->height() != height) horizontalHeader()->setFixedHeight(height);
}

void TableGrid::resizeEvent(QResizeEvent* event) {
  QTableView::resizeEvent(event);
  layoutColumns();
}

void TableGrid::followTable() {
  following_ = true;
  const QModelIndex i = model_.currentIndex();
  if (currentIndex() != i) selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect);
  following_ = false;
}

void TableGrid::checkCurrentCell() {
  model_.table().keepTypedCell();
  emit edited(QStringLiteral(QT_TRANSLATE_NOOP("velmira::steps", "Saisie dans le tableau")));
}

void TableGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QTableView::currentChanged(current, previous);
  if (following_ || !current.isValid()) return;
  // Leaving a cell checks it; the table then follows the grid.
  Table& t = model_.table();
  checkCurrentCell();
  following_ = true;
  t.setCurrent(current.row() + 1, current.column());
  following_ = false;
}

void TableGrid::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    copySelection();
    return;
  }
  if (event->matches(QKeySequence::Paste)) {
    pasteClipboard();
    return;
  }
  const int k = event->key();
  // Shift+F10 or the Menu key: the column menu while the column Ctrl+Space
  // chose is still selected, else the table menu, at the current cell.
  if (k == Qt::Key_Menu || (k == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
    const QModelIndex cur = currentIndex().isValid() ? currentIndex() : model_.index(0, 0);
    const QPoint at = viewport()->mapToGlobal(visualRect(cur).bottomLeft());
    if (columnChosen_ && selectionModel()->isColumnSelected(cur.column(), QModelIndex()))
      emit columnMenuRequested(cur.column(), at);
    else
      emit tableMenuRequested(at);
    return;
  }
  if (k == Qt::Key_Space && event->modifiers() == Qt::ControlModifier) {
    const int col = std::max(currentIndex().column(), 0);
    selectColumn(col);
    columnChosen_ = true;
    emit hint(columnChosenHint());
    return;
  }
  // A modifier's own press (Shift of Shift+F10) keeps the chosen column.
  if (k != Qt::Key_Shift && k != Qt::Key_Control && k != Qt::Key_Alt && k != Qt::Key_Meta) columnChosen_ = false;
  if (k == Qt::Key_Return || k == Qt::Key_Enter) {
    // As in a spreadsheet: the entry is done, the next line becomes current.
    const QModelIndex below = model_.index(currentIndex().row() + 1, currentIndex().column());
    if (below.isValid())
      setCurrentIndex(below);
    else
      checkCurrentCell();
    return;
  }
  if (k == Qt::Key_Backspace) {
    model_.table().typeKey(8);
    return;
  }
  const QString text = event->text();
  if (text.size() == 1 && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
    const QChar c = text.at(0);
    if (c.isDigit() || c == '.' || c == ',' || c == '-' || c == 'e' || c == 'E') {
      model_.table().typeKey(c.toLatin1());
      return;
    }
    if (c.isPrint()) return;  // any other character is ignored
  }
  if (k == Qt::Key_Delete) return;  // the release empties the cell
  QTableView::keyPressEvent(event);
}

void TableGrid::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Delete && !event->isAutoRepeat()) {
    model_.table().deleteKey();
    emit edited(QStringLiteral(QT_TRANSLATE_NOOP("velmira::steps", "Effacer la cellule")));
    return;
  }
  QTableView::keyReleaseEvent(event);
}

void TableGrid::mousePressEvent(QMouseEvent* event) {
  // The right button opens the table menu on release; it moves nothing.
  if (event->button() == Qt::RightButton) {
    event->accept();
    return;
  }
  QTableView::mousePressEvent(event);
}

void TableGrid::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    event->accept();
    emit tableMenuRequested(event->globalPosition().toPoint());
    return;
  }
  QTableView::mouseReleaseEvent(event);
}

void TableGrid::mouseMoveEvent(QMouseEvent* event) {
  emit hint(cellHint());
  QTableView::mouseMoveEvent(event);
}

bool TableGrid::onTitleBorder(int x) const {
  const QHeaderView* h = horizontalHeader();
  const int grip = h->style()->pixelMetric(QStyle::PM_HeaderGripMargin, nullptr, h);
  for (int c = 0; c < kCols; ++c) {
    const int right = h->sectionViewportPosition(c) + h->sectionSize(c);
    if (std::abs(x - right) <= grip) return true;
  }
  return false;
}

bool TableGrid::eventFilter(QObject* watched, QEvent* event) {
  if (watched == horizontalHeader()->viewport()) {
    if (event->type() == QEvent::MouseMove) {
      emit hint(titleHint());
    } else if (event->type() == QEvent::MouseButtonPress) {
      // On a border the header resizes the column; elsewhere the release
      // opens the menu, unless the pointer was dragged.
      const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
      titlePress_ = at;
      resizingTitle_ = onTitleBorder(at.x());
      return !resizingTitle_;
    } else if (event->type() == QEvent::MouseButtonRelease) {
      auto* me = static_cast<QMouseEvent*>(event);
      if (resizingTitle_) {
        resizingTitle_ = false;
        return false;
      }
      if ((me->position().toPoint() - titlePress_).manhattanLength() >= QApplication::startDragDistance()) return true;
      const int col = horizontalHeader()->logicalIndexAt(me->position().toPoint());
      if (col < 0) return true;
      // The column becomes current with all its data rows selected.
      const int row = std::max(currentIndex().row(), 0);
      setCurrentIndex(model_.index(row, col));
      selectColumn(col);
      setFocus(Qt::MouseFocusReason);
      emit columnMenuRequested(col, me->globalPosition().toPoint());
      return true;
    }
  }
  return QTableView::eventFilter(watched, event);
}

void TableGrid::focusOutEvent(QFocusEvent* event) {
  // Leaving the grid leaves its cell too: what was typed is checked.
  if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason) checkCurrentCell();
  QTableView::focusOutEvent(event);
}

void TableGrid::copySelection() {
  const QModelIndexList sel = selectionModel()->selectedIndexes();
  const Table& t = model_.table();
  int r1 = 0, r2 = t.rows() - 1, c1 = 0, c2 = kCols - 1;
  if (sel.size() > 1) {
    r1 = t.rows(), r2 = 0, c1 = kCols, c2 = -1;
    for (const QModelIndex& i : sel) {
      r1 = std::min(r1, i.row() + 1);
      r2 = std::max(r2, i.row() + 1);
      c1 = std::min(c1, i.column());
      c2 = std::max(c2, i.column());
    }
  }
  // The text, and an HTML table a spreadsheet pastes as numbers with no import dialog.
  auto* data = new QMimeData;
  data->setText(QString::fromStdString(tabSeparated(t, r1, r2, c1, c2)));
  data->setHtml(QString::fromStdString(htmlTable(t, r1, r2, c1, c2)));
  QApplication::clipboard()->setMimeData(data);
}

void TableGrid::pasteClipboard() {
  checkCurrentCell();
  const std::string text = QApplication::clipboard()->text().toStdString();
  pasteText(model_.table(), text, messages_);
  emit edited(QStringLiteral(QT_TRANSLATE_NOOP("velmira::steps", "Coller")));
}

}  // namespace velmira::table::ui
