#pragma once
// Printing: the printer dialog, one picture centred on a page, and pictures
// stacked down pages. Pictures are laid out at their natural size, from
// screen pixels (96 per inch, the image's logical size) to printer pixels;
// an image kept at a higher device-pixel ratio prints with its extra detail.
//
// Positions are in the printer's pixels, inside the printable area of the
// page. Painting failures are reported by a false return; nothing throws.
#include <QImage>
#include <QSizeF>
#include <QString>
#include <QPainter>
#include <memory>
#include <vector>

class QPrinter;
class QWidget;

namespace velmira::qtp {

// The printer of the whole run: the one the printer dialog sets up.
QPrinter& sharedPrinter();

// A printer writing a PDF file, no dialog involved.
std::unique_ptr<QPrinter> pdfPrinter(const QString& path);

// Shows the system's printer dialog for `printer`; false when cancelled.
bool askPrinter(QPrinter& printer, QWidget* parent);

// Printer pixels per screen pixel.
double printerScale(const QPrinter& printer);

// One image on one page, centred both ways, enlarged by the whole factor
// nearest to printerScale (at least 1). Ends the document.
bool printCentred(QPrinter& printer, const QImage& image);

// Pages composed from the top down.
class PageComposer {
 public:
  explicit PageComposer(QPrinter& printer);
  ~PageComposer();
  PageComposer(const PageComposer&) = delete;
  PageComposer& operator=(const PageComposer&) = delete;

  bool active() const { return painter_.isActive(); }
  // The printable area, in printer pixels.
  QSizeF page() const { return page_; }
  double y() const { return y_; }
  void moveDown(double pixels) { y_ += pixels; }
  // The image at the current height, centred across the page, `scale`
  // printer pixels per logical pixel; the current height then moves below it.
  void drawCentred(const QImage& image, double scale);
  // The image with its top-left corner at (x, y), `scale` as above.
  void drawAt(const QImage& image, double x, double y, double scale);
  // A new page, the current height back at its top.
  void newPage();
  // Ends the document (the last page prints); false when painting failed.
  bool finish();

 private:
  QPrinter& printer_;
  QPainter painter_;
  QSizeF page_;
  double y_ = 0;
};

// For each copy, each picture in order after a gap of 1/20 of the page
// height, centred across at its natural size; a new page between copies.
bool printStacked(QPrinter& printer, const std::vector<QImage>& pictures, int copies);

}  // namespace velmira::qtp
