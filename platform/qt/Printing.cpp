#include "platform/qt/Printing.h"

#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>

#include "platform/core/NumberText.h"

namespace velmira::qtp {

namespace {

constexpr double kScreenDpi = 96;

QSizeF logicalSize(const QImage& image) { return QSizeF(image.size()) / image.devicePixelRatio(); }

}  // namespace

QPrinter& sharedPrinter() {
  static QPrinter printer(QPrinter::HighResolution);
  return printer;
}

std::unique_ptr<QPrinter> pdfPrinter(const QString& path) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(path);
  return printer;
}

bool askPrinter(QPrinter& printer, QWidget* parent) {
  QPrintDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

double printerScale(const QPrinter& printer) { return printer.resolution() / kScreenDpi; }

bool printCentred(QPrinter& printer, const QImage& image) {
  PageComposer pages(printer);
  if (!pages.active()) return false;
  const double f = std::max(1.0, num::roundHalfEven(printerScale(printer)));
  const QSizeF size = logicalSize(image) * f;
  pages.drawAt(image, num::roundHalfEven((pages.page().width() - size.width()) / 2),
               num::roundHalfEven((pages.page().height() - size.height()) / 2), f);
  return pages.finish();
}

PageComposer::PageComposer(QPrinter& printer) : printer_(printer) {
  page_ = printer.pageLayout().paintRectPixels(printer.resolution()).size();
  painter_.begin(&printer);
  if (painter_.isActive()) painter_.setRenderHint(QPainter::SmoothPixmapTransform);
}

PageComposer::~PageComposer() {
  if (painter_.isActive()) painter_.end();
}

void PageComposer::drawCentred(const QImage& image, double scale) {
  const QSizeF size = logicalSize(image) * scale;
  drawAt(image, (page_.width() - size.width()) / 2, y_, scale);
  y_ += size.height();
}

void PageComposer::drawAt(const QImage& image, double x, double y, double scale) {
  if (!painter_.isActive() || image.isNull()) return;
  painter_.drawImage(QRectF(QPointF(x, y), logicalSize(image) * scale), image);
}

void PageComposer::newPage() {
  if (painter_.isActive()) printer_.newPage();
  y_ = 0;
}

bool PageComposer::finish() {
  if (!painter_.isActive()) return false;
  return painter_.end();
}

bool printStacked(QPrinter& printer, const std::vector<QImage>& pictures, int copies) {
  PageComposer pages(printer);
  if (!pages.active()) return false;
  const double scale = printerScale(printer);
  for (int copy = 1; copy <= copies; ++copy) {
    for (const QImage& picture : pictures) {
      pages.moveDown(pages.page().height() / 20);
      pages.drawCentred(picture, scale);
    }
    if (copy < copies) pages.newPage();
  }
  return pages.finish();
}

}  // namespace velmira::qtp
