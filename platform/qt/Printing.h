// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Printing: the printer dialog, and the pages of a printed document on A4
// with 2 cm margins, each with "Page i / n" at its foot and the document's
// title as the printer's document name (a PDF's title). Text is set in
// points and lines are drawn as vectors; pictures are scaled into the room
// they are given.
//
// Positions are in the printer's pixels, from the top-left corner of the
// area inside the margins. Painting failures are reported by a false
// return; nothing throws.
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QSizeF>
#include <QString>
#include <memory>
#include <vector>

class QPrinter;
class QTextDocument;
class QWidget;

namespace velmira::qtp {

// The printer of the whole run: the one the printer dialog sets up.
QPrinter& sharedPrinter();

// A printer writing a PDF file, no dialog involved.
std::unique_ptr<QPrinter> pdfPrinter(const QString& path);

// A4 portrait with 2 cm margins: where every printer starts.
void setA4(QPrinter& printer);

// Shows the system's printer dialog for `printer`; false when cancelled.
bool askPrinter(QPrinter& printer, QWidget* parent);

// A printed face: the program's sans face at `points`.
QFont printFont(double points, bool bold = false);

// The pages of one document, `pages` of them, the first begun.
class PrintedPages {
 public:
  PrintedPages(QPrinter& printer, const QString& title, int pages);
  ~PrintedPages();
  PrintedPages(const PrintedPages&) = delete;
  PrintedPages& operator=(const PrintedPages&) = delete;

  bool active() const { return painter_.isActive(); }
  QPainter& painter() { return painter_; }
  // The area above the footer, in printer pixels.
  QRectF body() const { return body_; }
  // Printer pixels per point.
  double perPoint() const { return perPoint_; }
  int page() const { return page_; }
  // The heading line in bold across the top of the body; returns the
  // height it takes, its gap below included (headingHeight).
  double heading(const QString& text);
  // The body and the heading's height on the pages of `printer`, known
  // before printing (to count the pages).
  static QRectF bodyOf(const QPrinter& printer);
  static double headingHeight(const QPrinter& printer);
  // The next page, its footer drawn.
  void newPage();
  // Ends the document (the last page prints); false when painting failed.
  bool finish();

 private:
  void footer();

  QPrinter& printer_;
  QPainter painter_;
  QRectF body_;
  double perPoint_ = 1;
  int page_ = 1;
  int pages_ = 1;
};

// A text document as it reads, on pages: every size in points (the size
// each format stands for, `scale` times), indents to scale, pages cut
// between lines.
bool printTextDocument(QPrinter& printer, const QTextDocument& source, const QString& title, double scale);

// Pictures with a caption under each, stacked under a heading line on the
// current page and scaled (never above their natural size on paper) so that
// heading, pictures and captions fill it.
struct CaptionedPicture {
  QImage image;
  QString caption;
};
void drawCaptionedPictures(PrintedPages& pages, const QString& heading, const std::vector<CaptionedPicture>& pictures);
// The same, one page per copy, as a document of its own.
bool printCaptionedPictures(QPrinter& printer, const QString& title, const QString& heading,
                            const std::vector<CaptionedPicture>& pictures, int copies);

}  // namespace velmira::qtp
