// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading printed pages back: a PDF rendered to pictures by pdftoppm (when
// installed), the runs of rows that hold ink, its words with their boxes
// (pdftotext -bbox), its fonts (pdffonts) and its information (pdfinfo).
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
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
  if (QProcess::execute(pdftoppm(),
                        {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"), pdf, prefix}) != 0)
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

// The standard output of a poppler tool run on `pdf`; empty when it fails.
inline QString popplerOutput(const QString& tool, QStringList args, const QString& pdf) {
  QProcess p;
  args << pdf;
  if (tool == QStringLiteral("pdftotext")) args << QStringLiteral("-");  // to standard output
  p.start(QStandardPaths::findExecutable(tool), args);
  if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
  return QString::fromUtf8(p.readAllStandardOutput());
}

// A word of a page, its box in points from the page's top-left corner.
struct PdfWord {
  int page = 0;  // from 1
  QString text;
  QRectF box;
};
inline std::vector<PdfWord> pdfWords(const QString& pdf) {
  std::vector<PdfWord> words;
  const QString xhtml = popplerOutput(QStringLiteral("pdftotext"), {QStringLiteral("-bbox")}, pdf);
  static const QRegularExpression item(QStringLiteral(
      R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
  int page = 0;
  for (auto it = item.globalMatch(xhtml); it.hasNext();) {
    const auto m = it.next();
    if (m.captured(0).startsWith(QStringLiteral("<page"))) {
      ++page;
      continue;
    }
    const double x0 = m.captured(1).toDouble(), y0 = m.captured(2).toDouble();
    QString text = m.captured(5);
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&")).replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">")).replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    words.push_back({page, text, QRectF(x0, y0, m.captured(3).toDouble() - x0, m.captured(4).toDouble() - y0)});
  }
  return words;
}

// The words of `words` equal to `text`.
inline std::vector<PdfWord> wordsOf(const std::vector<PdfWord>& words, const QString& text) {
  std::vector<PdfWord> found;
  for (const PdfWord& w : words)
    if (w.text == text) found.push_back(w);
  return found;
}

// pdffonts' table: every font embedded (its "emb" column "yes").
inline bool allFontsEmbedded(const QString& pdf, int* fonts = nullptr) {
  const QStringList lines =
      popplerOutput(QStringLiteral("pdffonts"), {}, pdf).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  int count = 0;
  bool all = lines.size() > 2;
  for (int i = 2; i < lines.size(); ++i) {
    ++count;
    // name type encoding emb sub uni object ID: emb is the 4th column from the right.
    const QStringList cols = lines[i].split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (cols.size() < 7 || cols[cols.size() - 5] != QStringLiteral("yes")) all = false;
  }
  if (fonts) *fonts = count;
  return all;
}

// A line of pdfinfo ("Title", "Pages", "Page size"), its value trimmed.
inline QString pdfInfo(const QString& pdf, const QString& key) {
  for (const QString& line : popplerOutput(QStringLiteral("pdfinfo"), {}, pdf).split(QLatin1Char('\n')))
    if (line.startsWith(key + QLatin1Char(':'))) return line.mid(key.size() + 1).trimmed();
  return {};
}

}  // namespace velmira::test
