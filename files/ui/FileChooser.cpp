// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/ui/FileChooser.h"

#include <QAbstractFileIconProvider>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStyle>
#include <QTimer>
#include <QTreeView>
#include <algorithm>

#include "files/ui/FolderFiles.h"

namespace velmira::files::ui {

namespace {
// Marks the place list's entry for a folder under none of the pupil's places.
constexpr int kOutsidePlace = 1;

// One icon for a folder, one for a file, and a type by kind: the default
// provider looks inside each listed file for its type, seconds for a large
// folder. (An empty type leaves the model waiting for one: never empty.)
class FixedIcons : public QAbstractFileIconProvider {
 public:
  QIcon icon(IconType kind) const override { return kind == Folder ? folder_ : file_; }
  QIcon icon(const QFileInfo& info) const override { return info.isDir() ? folder_ : file_; }
  QString type(const QFileInfo& info) const override {
    return info.isDir() ? QCoreApplication::translate("velmira::files::ui", "Dossier")
                        : QCoreApplication::translate("velmira::files::ui", "Fichier");
  }

 private:
  QIcon folder_ = QApplication::style()->standardIcon(QStyle::SP_DirIcon);
  QIcon file_ = QApplication::style()->standardIcon(QStyle::SP_FileIcon);
};

// Shared by every list, for the program's life (the models may outlive any window).
FixedIcons* fixedIcons() {
  static FixedIcons* icons = new FixedIcons;
  return icons;
}
}  // namespace

QList<Place> pupilPlaces(const QString& appFolder) {
  QList<Place> places;
  auto add = [&](const QString& caption, const QString& path) {
    const QString clean = QDir::cleanPath(path);
    if (path.isEmpty() || !QDir(clean).exists()) return;
    for (const Place& p : places)
      if (p.path == clean) return;
    places.append({caption, clean});
  };
  add(QCoreApplication::translate("velmira::files::ui", "Dossier personnel"), QDir::homePath());
  add(QCoreApplication::translate("velmira::files::ui", "Documents"),
      QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
  // Removable media: /media/<user>/<medium> or /media/<medium>.
  const QDir media(QStringLiteral("/media"));
  for (const QFileInfo& level1 : media.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    const QFileInfoList inner = QDir(level1.filePath()).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot);
    if (level1.fileName() == qEnvironmentVariable("USER") || !inner.isEmpty()) {
      for (const QFileInfo& medium : inner)
        add(QCoreApplication::translate("velmira::files::ui", "Support amovible : %1").arg(medium.fileName()),
            medium.filePath());
    } else {
      add(QCoreApplication::translate("velmira::files::ui", "Support amovible : %1").arg(level1.fileName()),
          level1.filePath());
    }
  }
  add(QCoreApplication::translate("velmira::files::ui", "Exemples de Velmira"), appFolder);
  return places;
}

FileChooser::FileChooser(const QString& pattern, const QString& placesCaption, const QString& foldersCaption,
                         const QString& filesCaption, const QString& appFolder, QWidget* parent)
    : QWidget(parent) {
  places_ = new QComboBox(this);
  places_->setObjectName(QStringLiteral("places"));
  for (const Place& p : pupilPlaces(appFolder)) places_->addItem(p.caption, p.path);

  folderModel_ = new QFileSystemModel(this);
  folderModel_->setIconProvider(fixedIcons());
  folderModel_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
  folderModel_->setRootPath(QStringLiteral("/"));
  tree_ = new QTreeView(this);
  tree_->setObjectName(QStringLiteral("folderTree"));
  tree_->setModel(folderModel_);
  for (int c = 1; c < folderModel_->columnCount(); ++c) tree_->hideColumn(c);
  tree_->header()->hide();

  fileModel_ = new FolderFiles(pattern.mid(pattern.indexOf(QLatin1Char('.'))).toStdString(),
                               fixedIcons()->icon(QAbstractFileIconProvider::File), this);
  list_ = new QListView(this);
  list_->setObjectName(QStringLiteral("fileList"));
  list_->setUniformItemSizes(true);  // one line and one icon each: laid out without measuring each row
  list_->setModel(fileModel_);

  // Each named by its caption, without the colon (the list not by its value).
  const auto named = [](QWidget* w, QString caption) {
    w->setAccessibleName(caption.remove(QRegularExpression(QStringLiteral("[\\s\\x{00A0}]*:\\s*$"))));
  };
  named(places_, placesCaption);
  named(tree_, foldersCaption);
  named(list_, filesCaption);

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  // Each caption labels its part: a screen reader names a list of places by
  // its label, its own name being its value.
  const auto caption = [this](const QString& text, QWidget* part) {
    auto* label = new QLabel(text, this);
    label->setBuddy(part);
    return label;
  };
  grid->addWidget(caption(placesCaption, places_), 0, 0);
  grid->addWidget(places_, 1, 0);
  grid->addWidget(caption(foldersCaption, tree_), 2, 0);
  grid->addWidget(tree_, 3, 0);
  grid->addWidget(caption(filesCaption, list_), 0, 1);
  grid->addWidget(list_, 1, 1, 3, 1);
  grid->setRowStretch(3, 1);

  // The tree loads as it goes: once the folders above the current one are
  // in, the current one is shown again.
  connect(folderModel_, &QFileSystemModel::directoryLoaded, this, [this](const QString& path) {
    if (folder_.isEmpty() || !(folder_ == path || folder_.startsWith(path))) return;
    // After the model has sorted what it loaded.
    QTimer::singleShot(50, this, [this] { showInTree(folderModel_->index(folder_)); });
  });
  fileModel_->listed = [this] { emit filesListed(); };
  connect(places_, &QComboBox::activated, this, &FileChooser::placeChosen);
  connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
    const QString path = folderModel_->filePath(current);
    if (!path.isEmpty() && path != folder_) setFolder(path);
  });
  connect(tree_, &QTreeView::activated, this, [this](const QModelIndex& i) { tree_->expand(i); });
  connect(list_, &QListView::clicked, this, [this](const QModelIndex& i) {
    if (i.isValid()) emit fileClicked(nativeName(i));
  });
  connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& i) {
    if (i.isValid()) emit fileSelected(nativeName(i));
  });
  connect(list_, &QListView::activated, this, [this](const QModelIndex& i) {
    if (i.isValid()) emit fileActivated(nativeName(i));
  });
}

void FileChooser::placeChosen(int index) {
  // A place that cannot be opened: the list goes back to the place of the
  // current folder.
  if (!setFolder(places_->itemData(index).toString())) setFolder(folder_);
}

bool FileChooser::setFolder(const QString& path) {
  const QString clean = QDir::cleanPath(path);
  if (clean.isEmpty() || !QDir(clean).exists() || !QDir(clean).isReadable()) return false;
  const bool changed = clean != folder_;
  folder_ = clean;
  showInTree(folderModel_->index(clean));
  if (fileModel_->folder() != clean) fileModel_->setFolder(clean);
  // The place shown is the one holding the folder, the deepest one.
  int best = -1, bestLength = -1;
  for (int i = 0; i < places_->count(); ++i) {
    const QString p = places_->itemData(i).toString();
    if ((clean == p || clean.startsWith(p + QLatin1Char('/'))) && p.size() > bestLength) {
      best = i;
      bestLength = static_cast<int>(p.size());
    }
  }
  // A folder under none of the places shows its own path as the place.
  const int outside = places_->findData(kOutsidePlace, Qt::UserRole + 1);
  if (best >= 0) {
    if (outside >= 0) places_->removeItem(outside);
    places_->setCurrentIndex(best);
  } else if (outside >= 0) {
    places_->setItemText(outside, clean);
    places_->setItemData(outside, clean);
    places_->setCurrentIndex(outside);
  } else {
    places_->addItem(clean, clean);
    places_->setItemData(places_->count() - 1, kOutsidePlace, Qt::UserRole + 1);
    places_->setCurrentIndex(places_->count() - 1);
  }
  if (changed) emit folderChanged(folder_);
  return true;
}

void FileChooser::showInTree(const QModelIndex& dir) {
  // The folder itself opens when the pupil opens it: the tree reads every
  // entry of a folder it opens on the window's thread (17 ms for 25,000).
  for (QModelIndex i = dir.parent(); i.isValid(); i = i.parent()) tree_->expand(i);
  tree_->setCurrentIndex(dir);
  // A folder in view stays where it is, under the pointer that clicked it
  // (the second click of a double-click lands on it).
  if (!tree_->viewport()->rect().contains(tree_->visualRect(dir)))
    tree_->scrollTo(dir, QAbstractItemView::PositionAtCenter);
}

std::string FileChooser::nativeName(const QModelIndex& index) const { return fileModel_->nativeName(index.row()); }

QStringList FileChooser::fileNames() const {
  QStringList names;
  for (int r = 0; r < fileModel_->rowCount(); ++r) names << fileModel_->fileName(r);
  return names;
}

}  // namespace velmira::files::ui
