#pragma once
// Reading printed pages back: a PDF rendered to pictures by pdftoppm (when
// installed), and the runs of rows that hold ink.
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QStandardPaths>
#include <QStringList>
#include <vector>

namespace velmira::test {

// pdftoppm's path, empty when it is not installed.
inline QString pdftoppm() { return QStandardPaths::findExecutable(QStringLiteral("pdftoppm")); }

// Every page of `pdf` rendered at `dpi` into `folder`, in order; empty when
// pdftoppm fails.
inline std::vector<QImage> pdfPages(const QString& pdf, int dpi, const QString& folder) {
  const QString prefix = QDir(folder).filePath(QStringLiteral("page"));
  if (QProcess::execute(pdftoppm(), {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"), pdf, prefix}) != 0)
    return {};
  std::vector<QImage> pages;
  for (const QString& name : QDir(folder).entryList({QStringLiteral("page*.png")}, QDir::Files, QDir::Name))
    pages.push_back(QImage(QDir(folder).filePath(name)).convertToFormat(QImage::Format_RGB32));
  return pages;
}

// The runs of rows holding a pixel `ink` accepts, one box per run.
template <class Ink>
std::vector<QRect> inkRuns(const QImage& page, Ink ink) {
  std::vector<QRect> runs;
  QRect current;
  for (int y = 0; y < page.height(); ++y) {
    QRect row;
    for (int x = 0; x < page.width(); ++x)
      if (ink(page.pixel(x, y))) row |= QRect(x, y, 1, 1);
    if (!row.isNull()) {
      current |= row;
    } else if (!current.isNull()) {
      runs.push_back(current);
      current = QRect();
    }
  }
  if (!current.isNull()) runs.push_back(current);
  return runs;
}

}  // namespace velmira::test
