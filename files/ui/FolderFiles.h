// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file list of the open, save and exercise windows: the files of one
// extension in one folder, in name order (numbers by value, letter case
// aside). The folder is listed and sorted off the window's thread and the
// rows put in a part at a time, so that a folder of any size never holds
// the window; it is listed again when its files change. A row holds the
// file's name as its bytes (names that are not UTF-8 included) and shows it
// decoded (fileio::shownPath).
#include <QAbstractListModel>
#include <QByteArrayList>
#include <QFileSystemWatcher>
#include <QIcon>
#include <QStringList>
#include <QThreadPool>
#include <QTimer>
#include <atomic>
#include <functional>
#include <string>

namespace velmira::files::ui {

class FolderFiles : public QAbstractListModel {
 public:
  // `extension` as ".E24", letter case aside.
  FolderFiles(std::string extension, QIcon icon, QObject* parent = nullptr);
  ~FolderFiles() override;

  // The list emptied, then filled with the files of `path`.
  void setFolder(const QString& path);
  const QString& folder() const { return folder_; }
  QString fileName(int row) const;        // as shown
  std::string nativeName(int row) const;  // its bytes

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;

  // Called when the list's first rows are in, and again once all are.
  std::function<void()> listed;

  // The rows put into the list in one pass of the event loop.
  static constexpr int kRowsAtOnce = 500;

 private:
  void list();
  void take(quint64 listing, QByteArrayList names);
  void fillMore();

  std::string extension_;
  QIcon icon_;
  QString folder_;
  QByteArrayList names_;  // in the list, in order
  QByteArrayList later_;  // to follow them, in order
  bool filling_ = false;  // the next part is on its way
  QFileSystemWatcher watcher_;
  QTimer relist_;
  QThreadPool pool_;
  std::atomic<quint64> listing_{0};  // the newest listing: older ones stop
};

}  // namespace velmira::files::ui
