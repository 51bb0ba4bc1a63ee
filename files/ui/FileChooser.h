// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The folder and file chooser of the open, save and exercise windows: the
// places a pupil needs (in the spot of a drive list), the folder tree and
// the list of the files of one pattern in the chosen folder. The files are
// listed by their bytes (names that are not UTF-8 included, which Qt's own
// listing drops) and shown decoded (fileio::shownPath); the signals carry a
// file's name as its bytes.
#include <QString>
#include <QWidget>
#include <string>

class QComboBox;
class QFileSystemModel;
class QListView;
class QTreeView;
class QLabel;

namespace velmira::files::ui {

class FolderFiles;

struct Place {
  QString caption;
  QString path;
};
// Home, documents, removable media under /media, the application folder.
QList<Place> pupilPlaces(const QString& appFolder);

class FileChooser : public QWidget {
  Q_OBJECT
 public:
  // `pattern`: "*.C07", "*.E24" (any letter case); the captions of the three parts.
  FileChooser(const QString& pattern, const QString& placesCaption, const QString& foldersCaption,
              const QString& filesCaption, const QString& appFolder, QWidget* parent = nullptr);

  QString folder() const { return folder_; }
  // Shows `path` (an existing folder): tree, list and the place holding it.
  bool setFolder(const QString& path);
  QComboBox* places() const { return places_; }
  QTreeView* folders() const { return tree_; }
  QListView* files() const { return list_; }
  // The names the file list shows now (for tests and previews).
  QStringList fileNames() const;
  // The bytes of the file in the list's row `index`.
  std::string nativeName(const QModelIndex& index) const;

 signals:
  void folderChanged(const QString& folder);
  void fileClicked(const std::string& name);
  void fileSelected(const std::string& name);   // the list's current file, by mouse or keyboard
  void fileActivated(const std::string& name);  // double-click or Enter
  void filesListed();                           // the folder's files are in the list (or listed again)

 private:
  void placeChosen(int index);
  // The folder selected in the tree, its parents open, scrolled into view
  // when it is not in view already.
  void showInTree(const QModelIndex& dir);

  QString folder_;
  QComboBox* places_ = nullptr;
  QTreeView* tree_ = nullptr;
  QListView* list_ = nullptr;
  QFileSystemModel* folderModel_ = nullptr;
  FolderFiles* fileModel_ = nullptr;
};

}  // namespace velmira::files::ui
