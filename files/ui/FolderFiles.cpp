// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/ui/FolderFiles.h"

#include <QCollator>
#include <QSet>
#include <algorithm>
#include <utility>
#include <vector>

#include "platform/core/FileNames.h"

namespace velmira::files::ui {

namespace {

// The names of the folder's files of `extension`, as bytes, sorted by the
// names shown; empty when `stale` says a newer listing was asked for.
QByteArrayList sortedFiles(const QString& folder, const std::string& extension, const std::function<bool()>& stale) {
  std::vector<std::string> names = fileio::folderFiles(folder.toStdString(), extension);
  if (stale()) return {};
  QCollator order;
  order.setNumericMode(true);
  order.setCaseSensitivity(Qt::CaseInsensitive);
  std::vector<std::pair<QCollatorSortKey, std::string>> keyed;
  keyed.reserve(names.size());
  for (std::string& n : names)
    keyed.emplace_back(order.sortKey(QString::fromStdString(fileio::shownPath(n))), std::move(n));
  std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
    const int c = a.first.compare(b.first);
    return c != 0 ? c < 0 : a.second < b.second;
  });
  QByteArrayList sorted;
  sorted.reserve(static_cast<qsizetype>(keyed.size()));
  for (auto& [key, name] : keyed) sorted.append(QByteArray::fromStdString(name));
  return sorted;
}

}  // namespace

FolderFiles::FolderFiles(std::string extension, QIcon icon, QObject* parent)
    : QAbstractListModel(parent), extension_(std::move(extension)), icon_(std::move(icon)) {
  pool_.setMaxThreadCount(1);
  // A burst of changes is listed once.
  relist_.setSingleShot(true);
  relist_.setInterval(100);
  connect(&relist_, &QTimer::timeout, this, &FolderFiles::list);
  connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { relist_.start(); });
}

FolderFiles::~FolderFiles() {
  ++listing_;
  pool_.waitForDone();
}

void FolderFiles::setFolder(const QString& path) {
  if (!folder_.isEmpty()) watcher_.removePath(folder_);
  folder_ = path;
  beginResetModel();
  names_.clear();
  later_.clear();
  endResetModel();
  if (!folder_.isEmpty()) watcher_.addPath(folder_);
  list();
}

void FolderFiles::list() {
  relist_.stop();
  const quint64 listing = ++listing_;
  pool_.start([this, listing, folder = folder_, extension = extension_] {
    QByteArrayList names = sortedFiles(folder, extension, [this, listing] { return listing_ != listing; });
    if (listing_ != listing) return;
    QMetaObject::invokeMethod(
        this, [this, listing, names = std::move(names)]() mutable { take(listing, std::move(names)); },
        Qt::QueuedConnection);
  });
}

void FolderFiles::take(quint64 listing, QByteArrayList names) {
  if (listing != listing_) return;
  // The rows gone go, the new ones come at their place among those shown;
  // the rest follow.
  const QSet<QByteArray> now(names.cbegin(), names.cend());
  for (int row = static_cast<int>(names_.size()) - 1; row >= 0;) {
    if (now.contains(names_[row])) {
      --row;
      continue;
    }
    int first = row;
    while (first > 0 && !now.contains(names_[first - 1])) --first;
    beginRemoveRows(QModelIndex(), first, row);
    names_.erase(names_.begin() + first, names_.begin() + row + 1);
    endRemoveRows();
    row = first - 1;
  }
  int row = 0, next = 0;
  while (row < names_.size() && next < names.size()) {
    if (names_[row] == names[next]) {
      ++row;
      ++next;
      continue;
    }
    int count = 1;
    while (next + count < names.size() && names[next + count] != names_[row]) ++count;
    beginInsertRows(QModelIndex(), row, row + count - 1);
    names_ = names_.mid(0, row) + names.mid(next, count) + names_.mid(row);
    endInsertRows();
    row += count;
    next += count;
  }
  later_ = names.mid(next);
  if (later_.isEmpty()) {
    if (listed) listed();
  } else if (!filling_) {
    fillMore();
  }
}

void FolderFiles::fillMore() {
  filling_ = false;
  if (later_.isEmpty()) return;
  const bool first = names_.isEmpty();
  const int count = std::min<int>(kRowsAtOnce, static_cast<int>(later_.size()));
  beginInsertRows(QModelIndex(), static_cast<int>(names_.size()), static_cast<int>(names_.size()) + count - 1);
  names_.append(later_.mid(0, count));
  later_.remove(0, count);
  endInsertRows();
  if (!later_.isEmpty()) {
    filling_ = true;
    QTimer::singleShot(0, this, &FolderFiles::fillMore);
  }
  if ((first || later_.isEmpty()) && listed) listed();
}

int FolderFiles::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(names_.size());
}

QVariant FolderFiles::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= names_.size()) return {};
  if (role == Qt::DisplayRole || role == Qt::EditRole) return fileName(index.row());
  if (role == Qt::DecorationRole) return icon_;
  return {};
}

QString FolderFiles::fileName(int row) const {
  return row >= 0 && row < names_.size() ? QString::fromStdString(fileio::shownPath(names_[row].toStdString()))
                                         : QString();
}

std::string FolderFiles::nativeName(int row) const {
  return row >= 0 && row < names_.size() ? names_[row].toStdString() : std::string();
}

}  // namespace velmira::files::ui
