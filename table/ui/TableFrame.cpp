// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/ui/TableFrame.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QStandardPaths>

#include "files/ConfigFile.h"
#include "files/SavePlaces.h"
#include "files/WorkHistory.h"
#include "platform/core/Messages.h"
#include "platform/core/SafeFile.h"
#include "platform/qt/Fonts.h"
#include "table/ColumnStatistics.h"
#include "table/Spreadsheet.h"
#include "table/Table.h"
#include "table/TableCommands.h"
#include "table/TableText.h"
#include "table/ui/TableDialogs.h"
#include "table/ui/TableGrid.h"
#include "table/ui/TableModel.h"
#include "widgets/ButtonIcons.h"
#include "widgets/SideFrame.h"

namespace velmira::table::ui {

namespace {
constexpr int kTitleHeight = velmira::widgets::kSideFrameTitleHeight;
}

TableFrame::TableFrame(Table& table, MessageService& messages, QWidget* parent)
    : QFrame(parent), table_(table), messages_(messages) {
  setObjectName(QStringLiteral("tableFrame"));
  velmira::widgets::styleSideFrame(*this);
  resize(designSize());
  // The table menu's picture stands at the left of the title.
  title_ = velmira::widgets::addSideFrameTitle(*this, tr("       Tableau de valeurs  "));

  menuButton_ = new QLabel(this);
  menuButton_->setObjectName(QStringLiteral("tableMenuButton"));
  menuButton_->setPixmap(velmira::widgets::commandIcon(velmira::widgets::CommandPicture::TableMenu).pixmap(16, 16));
  menuButton_->setGeometry(2, 1, 16, 16);
  menuButton_->setCursor(Qt::PointingHandCursor);
  menuButton_->setMouseTracking(true);
  menuButton_->installEventFilter(this);

  model_ = new TableModel(table_, this);
  grid_ = new TableGrid(*model_, messages_, this);
  grid_->setFont(qtp::mapFont(QStringLiteral("Arial"), 8.25));
  grid_->setGeometry(1, kTitleHeight + 1, width() - 2, height() - kTitleHeight - 2);
  connect(grid_, &TableGrid::hint, this, &TableFrame::hint);
  connect(grid_, &TableGrid::edited, this, &TableFrame::edited);
  connect(grid_, &TableGrid::tableMenuRequested, this, &TableFrame::openTableMenu);
  connect(grid_, &TableGrid::columnMenuRequested, this, &TableFrame::openColumnMenu);
  buildMenus();
}

TableFrame::~TableFrame() = default;

void TableFrame::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  if (!grid_) return;
  title_->resize(width(), title_->height());
  grid_->setGeometry(1, kTitleHeight + 1, width() - 2, height() - kTitleHeight - 2);
}

QString TableFrame::imageHint() { return tr("Modifier le nombre de lignes, obtenir une représentation graphique..."); }

void TableFrame::buildMenus() {
  tableMenu_ = new QMenu(this);
  tableMenu_->setObjectName(QStringLiteral("tableMenu"));
  undo_ = tableMenu_->addAction(tr("&Annuler"));
  undo_->setObjectName(QStringLiteral("undoEntry"));
  redo_ = tableMenu_->addAction(tr("&Rétablir"));
  redo_->setObjectName(QStringLiteral("redoEntry"));
  tableMenu_->addSeparator();
  tableMenu_->addAction(tr("&Saisie automatique"), this, [this] { runAutoEntryDialog(window(), table_); });
  tableMenu_->addAction(tr("&Nombre de lignes"), this, [this] { runLineCountDialog(window(), table_); });
  insertAbove_ = tableMenu_->addAction(tr("&Insérer une ligne au-dessus de la cellule active"), this,
                                       [this] { table_.insertAbove(); });
  append_ = tableMenu_->addAction(tr("Insérer une ligne à la &fin du tableau"), this, [this] { table_.append(); });
  deleteRow_ =
      tableMenu_->addAction(tr("Supprimer &la ligne de la cellule active"), this, [this] { table_.deleteRow(); });
  tableMenu_->addSeparator();
  tableMenu_->addAction(tr("F&ormat d'écriture des données"), this, [this] { runFormatDialog(window(), table_); });
  tableMenu_->addSeparator();
  tableMenu_->addAction(tr("Représentation &graphique"), this, &TableFrame::graphRequested);
  tableMenu_->addSeparator();
  tableMenu_->addAction(tr("&Effacer le tableau"), this, [this] { clearTable(table_, messages_); });
  tableMenu_->addAction(tr("&Cacher le tableau"), this, &TableFrame::hideRequested);
  tableMenu_->addSeparator();
  tableMenu_->addAction(tr("E&xporter le tableau…"), this, &TableFrame::chooseExportFile);
  tableMenu_->addAction(tr("Im&primer le tableau"), this, &TableFrame::printRequested);

  columnMenu_ = new QMenu(this);
  columnMenu_->setObjectName(QStringLiteral("columnMenu"));
  // Each command is one step of the work, named as its entry.
  for (QMenu* m : {tableMenu_, columnMenu_}) {
    connect(m, &QMenu::triggered, this, [this](QAction* a) {
      // A step is named after its entry (access key and ellipsis aside).
      if (a != undo_ && a != redo_) emit edited(a->text().remove(QStringLiteral("…")).remove(QLatin1Char('&')));
    });
  }
  calculate_ = columnMenu_->addAction(tr("Calculer"), this, [this] { emit calculateRequested(menuColumn_, false); });
  showFormula_ = columnMenu_->addAction(tr("Voir expression"), this, [this] { emit formulaRequested(menuColumn_); });
  recalculate_ = columnMenu_->addAction(tr("Recalculer"), this, [this] { emit calculateRequested(menuColumn_, true); });
  columnMenu_->addAction(tr("&Suite arithmétique"), this,
                         [this] { runSeriesDialog(window(), table_, menuColumn_, messages_); });
  columnMenu_->addSeparator();
  clearColumn_ = columnMenu_->addAction(tr("Effacer la colonne"), this, [this] { table_.clearColumn(menuColumn_); });
  rename_ = columnMenu_->addAction(tr("Titre de la colonne"), this,
                                   [this] { askRenameColumn(table_, menuColumn_, messages_); });
  columnMenu_->addSeparator();
  sortUp_ = columnMenu_->addAction(tr("Trier la colonne dans l'ordre croissant"), this,
                                   [this] { table_.sort(menuColumn_, true); });
  sortDown_ = columnMenu_->addAction(tr("Trier la colonne dans l'ordre décroissant"), this,
                                     [this] { table_.sort(menuColumn_, false); });
  columnMenu_->addSeparator();
  columnMenu_->addAction(tr("Stat&istiques de la colonne"), this,
                         [this] { messages_.show(table::statisticsMessage(table_, menuColumn_)); });
}

void TableFrame::updateTableMenu() {
  insertAbove_->setEnabled(table_.canInsertAbove());
  append_->setEnabled(table_.canAppend());
  deleteRow_->setEnabled(table_.canDelete());
}

void TableFrame::updateColumnMenu(int col) {
  menuColumn_ = col;
  const QString n = QString::number(col + 1);
  calculate_->setText(tr("&Calculer C%1").arg(n));
  showFormula_->setText(tr("&Voir expression C%1").arg(n));
  recalculate_->setText(tr("&Recalculer C%1").arg(n));
  clearColumn_->setText(tr("&Effacer C%1").arg(n));
  rename_->setText(tr("&Nommer C%1").arg(n));
  sortUp_->setText(tr("&Trier C%1 dans l'ordre croissant.").arg(n));
  sortDown_->setText(tr("Trier C%1 dans l'ordre &décroissant.").arg(n));
  const bool formula = !table_.formula(col).empty();
  showFormula_->setEnabled(formula);
  recalculate_->setEnabled(formula);
}

void TableFrame::openTableMenu(QPoint globalPos) {
  grid_->checkCurrentCell();
  updateTableMenu();
  tableMenu_->popup(globalPos);
}

void TableFrame::openColumnMenu(int col, QPoint globalPos) {
  grid_->checkCurrentCell();
  updateColumnMenu(col);
  columnMenu_->popup(globalPos);
}

bool TableFrame::eventFilter(QObject* watched, QEvent* event) {
  if (watched == menuButton_) {
    if (event->type() == QEvent::MouseMove) emit hint(imageHint());
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
      openTableMenu(mapToGlobal(QPoint(0, 0)));
      return true;
    }
  }
  return QFrame::eventFilter(watched, event);
}

void TableFrame::setWorkFiles(QString appFolder, std::function<std::string()> workFile) {
  appFolder_ = std::move(appFolder);
  workFile_ = std::move(workFile);
}

void TableFrame::chooseExportFile() {
  QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!QDir(documents).exists()) documents = QDir::homePath();
  const files::SavePlace place =
      files::savePlace(workFile_ ? workFile_() : std::string(), appFolder_.toStdString(), documents.toStdString());
  const QString name =
      place.name.empty() ? QStringLiteral("tableau") : QFileInfo(QString::fromStdString(place.name)).completeBaseName();
  const QString start = QDir(QString::fromStdString(place.folder)).filePath(name + QStringLiteral(".csv"));
  const QString csv = tr("Tableau CSV (*.csv)"), ods = tr("Classeur OpenDocument (*.ods)");
  QString filter = csv;
  QString path = QFileDialog::getSaveFileName(window(), tr("Exporter le tableau"), start,
                                              csv + QStringLiteral(";;") + ods, &filter);
  if (path.isEmpty()) return;
  // A name with neither extension takes the chosen type's.
  if (!path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive) &&
      !path.endsWith(QStringLiteral(".ods"), Qt::CaseInsensitive))
    path += filter == ods ? QStringLiteral(".ods") : QStringLiteral(".csv");
  if (files::insideFolder(QFileInfo(path).absoluteFilePath().toStdString(), appFolder_.toStdString())) {
    messages_.show(files::appFolderRefused());
    return;
  }
  const bool written = path.endsWith(QStringLiteral(".ods"), Qt::CaseInsensitive) ? exportOds(path) : exportCsv(path);
  if (written) files::noteSaved(path.toStdString());
}

bool TableFrame::exportCsv(const QString& path) {
  grid_->checkCurrentCell();
  const std::string file = path.toStdString();
  fileio::ReadOnlyTarget readOnly;
  if (!msg::mayReplace(file, true, messages_, readOnly)) return false;
  fileio::SaveFailure failure;
  if (fileio::replaceFile(file, csv(table_), nullptr, &failure, readOnly)) return true;
  messages_.show(msg::writeFailure(file, failure));
  return false;
}

bool TableFrame::exportOds(const QString& path) {
  grid_->checkCurrentCell();
  return writeOds(path.toStdString(), table_, messages_, true);
}

void TableFrame::showHistory(const files::WorkHistory& history) {
  undo_->setEnabled(history.canUndo());
  redo_->setEnabled(history.canRedo());
  // Access keys A and R (the table menu's other entries leave them free).
  undo_->setText(QStringLiteral("&") +
                 (history.canUndo() ? QString::fromStdString(files::undoCaption(history.undoName())) : tr("Annuler")));
  redo_->setText(QStringLiteral("&") +
                 (history.canRedo() ? QString::fromStdString(files::redoCaption(history.redoName())) : tr("Rétablir")));
}

}  // namespace velmira::table::ui
