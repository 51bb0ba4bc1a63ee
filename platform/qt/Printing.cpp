// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/Printing.h"

#include <QAbstractTextDocumentLayout>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

#include "platform/qt/Fonts.h"

namespace velmira::qtp {

namespace {

constexpr double kScreenDpi = 96;
constexpr double kMarginMm = 20;
constexpr double kFooterMm = 10;  // kept at the foot of the body for "Page i / n"
constexpr double kFooterPoints = 9;
constexpr double kHeadingPoints = 11;
constexpr double kCaptionPoints = 10;
constexpr double kLineSpacing = 1.4;  // a text line's height, in its size
constexpr double kPointsPerInch = 72;
constexpr double kMmPerInch = 25.4;
const char* const kCreator = "Velmira";

QString pageFooter(int page, int pages) { return QStringLiteral("Page %1 / %2").arg(page).arg(pages); }

QSizeF logicalSize(const QImage& image) { return QSizeF(image.size()) / image.devicePixelRatio(); }

double pixelsPerMm(const QPrinter& printer) { return printer.resolution() / kMmPerInch; }

}  // namespace

QPrinter& sharedPrinter() {
  static QPrinter printer(QPrinter::HighResolution);
  static const bool set = (setA4(printer), true);
  (void)set;
  return printer;
}

std::unique_ptr<QPrinter> pdfPrinter(const QString& path) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(path);
  setA4(*printer);
  return printer;
}

void setA4(QPrinter& printer) {
  printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                    QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter));
}

bool askPrinter(QPrinter& printer, QWidget* parent) {
  QPrintDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

QFont printFont(double points, bool bold) {
  QFont f;
  f.setFamilies(mappedFamilies(QStringLiteral("Arial")));
  f.setPointSizeF(points);
  f.setBold(bold);
  return f;
}

PrintedPages::PrintedPages(QPrinter& printer, const QString& title, int pages)
    : printer_(printer), pages_(std::max(1, pages)) {
  printer.setDocName(title);
  printer.setCreator(QString::fromLatin1(kCreator));
  body_ = bodyOf(printer);
  perPoint_ = printer.resolution() / kPointsPerInch;
  painter_.begin(&printer);
  if (!painter_.isActive()) return;
  painter_.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
  footer();
}

PrintedPages::~PrintedPages() {
  if (painter_.isActive()) painter_.end();
}

void PrintedPages::footer() {
  painter_.save();
  painter_.setFont(printFont(kFooterPoints));
  painter_.setPen(Qt::black);
  const QRectF foot(0, body_.bottom(), body_.width(),
                    printer_.pageLayout().paintRectPixels(printer_.resolution()).height() - body_.bottom());
  painter_.drawText(foot, Qt::AlignHCenter | Qt::AlignBottom, pageFooter(page_, pages_));
  painter_.restore();
}

QRectF PrintedPages::bodyOf(const QPrinter& printer) {
  const QSizeF page = printer.pageLayout().paintRectPixels(printer.resolution()).size();
  return QRectF(0, 0, page.width(), page.height() - kFooterMm * pixelsPerMm(printer));
}

double PrintedPages::headingHeight(const QPrinter& printer) {
  return 1.5 * kHeadingPoints * kLineSpacing * printer.resolution() / kPointsPerInch;
}

double PrintedPages::heading(const QString& text) {
  if (!painter_.isActive()) return 0;
  const QFont font = printFont(kHeadingPoints, true);
  painter_.save();
  painter_.setFont(font);
  painter_.setPen(Qt::black);
  const double line = kHeadingPoints * kLineSpacing * perPoint_;
  painter_.drawText(QRectF(0, 0, body_.width(), line), Qt::AlignLeft | Qt::AlignVCenter, text);
  painter_.setPen(QPen(Qt::black, 0.5 * perPoint_));
  painter_.drawLine(QPointF(0, line), QPointF(body_.width(), line));
  painter_.restore();
  return headingHeight(printer_);
}

void PrintedPages::newPage() {
  if (!painter_.isActive()) return;
  printer_.newPage();
  ++page_;
  footer();
}

bool PrintedPages::finish() {
  if (!painter_.isActive()) return false;
  return painter_.end();
}

bool printTextDocument(QPrinter& printer, const QTextDocument& source, const QString& title, double scale) {
  std::unique_ptr<QTextDocument> doc(source.clone());
  doc->setDocumentMargin(0);
  QFont base = doc->defaultFont();
  if (base.pixelSize() > 0) base.setPointSizeF(base.pixelSize() * kPointsPerInch / kScreenDpi * scale);
  doc->setDefaultFont(base);
  const double indentScale = printer.resolution() / kScreenDpi;
  // Sizes in points and indents in printer pixels, fragment by fragment
  // (collected first: a changed format may merge fragments).
  struct Span {
    int start, length;
    QTextCharFormat format;
  };
  std::vector<Span> spans;
  std::vector<std::pair<QTextBlock, QTextBlockFormat>> blocks;
  for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
    QTextBlockFormat bf = b.blockFormat();
    bf.setLeftMargin(bf.leftMargin() * indentScale);
    bf.setTextIndent(bf.textIndent() * indentScale);
    blocks.emplace_back(b, bf);
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextFragment f = it.fragment();
      if (f.isValid()) spans.push_back({f.position(), f.length(), f.charFormat()});
    }
  }
  QTextCursor cursor(doc.get());
  for (auto& [block, format] : blocks) {
    cursor.setPosition(block.position());
    cursor.setBlockFormat(format);
    QTextCharFormat mark = block.charFormat();
    QFont font = mark.font();
    font.setPointSizeF(qtp::formatPoints(mark) * scale);
    mark.setFont(font, QTextCharFormat::FontPropertiesAll);
    cursor.setBlockCharFormat(mark);
  }
  for (Span& s : spans) {
    QFont font = s.format.font();
    font.setPointSizeF(qtp::formatPoints(s.format) * scale);
    s.format.setFont(font, QTextCharFormat::FontPropertiesAll);
    cursor.setPosition(s.start);
    cursor.setPosition(s.start + s.length, QTextCursor::KeepAnchor);
    cursor.setCharFormat(s.format);
  }

  doc->documentLayout()->setPaintDevice(&printer);
  const QRectF body = PrintedPages::bodyOf(printer);
  doc->setPageSize(body.size());
  const int pages = std::max(1, doc->pageCount());
  PrintedPages out(printer, title, pages);
  if (!out.active()) return false;
  QPainter& p = out.painter();
  for (int i = 0; i < pages; ++i) {
    if (i > 0) out.newPage();
    p.save();
    const QRectF view(0, i * body.height(), body.width(), body.height());
    p.translate(0, -view.top());
    QAbstractTextDocumentLayout::PaintContext context;
    // Lines that start on the next page are left to it.
    context.clip = view.adjusted(0, 0, 0, -1);
    context.palette.setColor(QPalette::Text, Qt::black);
    p.setClipRect(view);
    doc->documentLayout()->draw(&p, context);
    p.restore();
  }
  return out.finish();
}

void drawCaptionedPictures(PrintedPages& pages, const QString& heading, const std::vector<CaptionedPicture>& pictures) {
  if (!pages.active()) return;
  QPainter& p = pages.painter();
  const QRectF body = pages.body();
  const double caption = kCaptionPoints * kLineSpacing * pages.perPoint();
  const double gap = body.height() / 40;
  double y = pages.heading(heading);
  double heights = 0, widest = 0;
  for (const CaptionedPicture& c : pictures) {
    heights += logicalSize(c.image).height();
    widest = std::max(widest, logicalSize(c.image).width());
  }
  const double room = body.height() - y - static_cast<double>(pictures.size()) * (caption + gap);
  double scale = pages.perPoint() * kPointsPerInch / kScreenDpi;  // natural size on paper
  if (heights > 0) scale = std::min(scale, room / heights);
  if (widest > 0) scale = std::min(scale, body.width() / widest);
  p.save();
  p.setFont(printFont(kCaptionPoints));
  p.setPen(Qt::black);
  for (const CaptionedPicture& c : pictures) {
    y += gap;
    const QSizeF size = logicalSize(c.image) * scale;
    if (!c.image.isNull()) p.drawImage(QRectF(QPointF((body.width() - size.width()) / 2, y), size), c.image);
    y += size.height();
    p.drawText(QRectF(0, y, body.width(), caption), Qt::AlignHCenter | Qt::AlignVCenter, c.caption);
    y += caption;
  }
  p.restore();
}

bool printCaptionedPictures(QPrinter& printer, const QString& title, const QString& heading,
                            const std::vector<CaptionedPicture>& pictures, int copies) {
  PrintedPages out(printer, title, copies);
  if (!out.active()) return false;
  for (int copy = 1; copy <= copies; ++copy) {
    if (copy > 1) out.newPage();
    drawCaptionedPictures(out, heading, pictures);
  }
  return out.finish();
}

}  // namespace velmira::qtp
