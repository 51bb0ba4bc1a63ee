// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/Surface.h"

#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QPen>
#include <cmath>
#include <numbers>

#include "platform/core/NumberText.h"
#include "platform/qt/Fonts.h"

namespace velmira::qtp {

namespace {

int rnd(double v) { return static_cast<int>(num::roundHalfEven(v)); }

int devicePixels(int logical, double dpr) { return std::max(1, rnd(logical * dpr)); }

// Fonts and text widths are the same on every repaint: each font is made
// and each text measured once per run.
struct FontKey {
  QString name;
  double points;
  bool bold, italic;
  bool operator==(const FontKey&) const = default;
};
size_t qHash(const FontKey& k, size_t seed = 0) { return qHashMulti(seed, k.name, k.points, k.bold, k.italic); }
struct WidthKey {
  FontKey font;
  QString text;
  bool operator==(const WidthKey&) const = default;
};
size_t qHash(const WidthKey& k, size_t seed = 0) { return qHashMulti(seed, k.font, k.text); }

// Far above the texts of the benches; the widths are forgotten beyond it
// (meter readings keep changing).
constexpr qsizetype kKeptWidths = 4096;

// Never destroyed: a font must not outlive the application's font cache.
const QFont& cachedFont(const FontKey& key) {
  static auto* fonts = new QHash<FontKey, QFont>;
  auto it = fonts->constFind(key);
  if (it == fonts->cend()) it = fonts->insert(key, mapFont(key.name, key.points, key.bold, key.italic));
  return *it;
}

int cachedWidth(const FontKey& font, const QString& text) {
  static auto* widths = new QHash<WidthKey, int>;
  WidthKey key{font, text};
  auto it = widths->constFind(key);
  if (it != widths->cend()) return *it;
  if (widths->size() >= kKeptWidths) widths->clear();
  const int w = QFontMetrics(cachedFont(font)).horizontalAdvance(text);
  widths->insert(std::move(key), w);
  return w;
}

}  // namespace

Surface::Surface(int width, int height, double devicePixelRatio)
    : width_(std::max(1, width)), height_(std::max(1, height)), dpr_(devicePixelRatio > 0 ? devicePixelRatio : 1.0) {
  image_ = blank(false);
}

QImage Surface::blank(bool transparent) const {
  QImage img(devicePixels(width_, dpr_), devicePixels(height_, dpr_), QImage::Format_ARGB32_Premultiplied);
  img.setDevicePixelRatio(dpr_);
  if (transparent)
    img.fill(Qt::transparent);
  else
    fillBase(img);
  return img;
}

void Surface::fillBase(QImage& img) const {
  img.fill(back_);
  if (!picture_.isNull()) {
    QPainter p(&img);
    p.drawImage(QPointF(0, 0), picture_);
  }
}

void Surface::resize(int width, int height) {
  width = std::max(1, width);
  height = std::max(1, height);
  if (width == width_ && height == height_) return;
  const QImage old = image_;
  width_ = width;
  height_ = height;
  image_ = blank(false);
  {
    QPainter p(&image_);
    p.drawImage(QPointF(0, 0), old);
  }
  transient_ = QImage();
  transientUsed_ = false;
  notify();
}

void Surface::setDevicePixelRatio(double dpr) {
  if (dpr <= 0 || dpr == dpr_) return;
  const QImage old = image_;
  dpr_ = dpr;
  image_ = blank(false);
  {
    QPainter p(&image_);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(0, 0, width_, height_), old);
  }
  transient_ = QImage();
  transientUsed_ = false;
  notify();
}

void Surface::beginTransient() {
  if (transientUsed_) transient_.fill(Qt::transparent);
  transientUsed_ = false;
}

void Surface::clear() {
  if (persistent_)
    fillBase(image_);
  else
    beginTransient();
  currentX = 0;
  currentY = 0;
  notify();
}

void Surface::setBackColor(const QColor& c) { back_ = c; }

void Surface::setBackgroundPicture(const QImage& picture) {
  picture_ = picture;
  fillBase(image_);
  notify();
}

void Surface::removeBackgroundPicture() { picture_ = QImage(); }

QImage Surface::composed() const {
  if (!transientUsed_) return image_;
  QImage out = image_;
  QPainter p(&out);
  p.drawImage(QPointF(0, 0), transient_);
  return out;
}

void Surface::paintTo(QPainter& p, QPoint at) const {
  p.drawImage(QPointF(at), image_);
  if (transientUsed_) p.drawImage(QPointF(at), transient_);
}

QImage& Surface::target() {
  if (persistent_) return image_;
  // The transient layer is made when first drawn on.
  if (transient_.isNull()) transient_ = blank(true);
  transientUsed_ = true;
  return transient_;
}

void Surface::begin(QPainter& p) {
  p.begin(&target());
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setRenderHint(QPainter::TextAntialiasing, true);
}

// Strokes are centred on the logical pixel: at ratio 1 the aliased raster
// already puts a 1-pixel stroke right of and below its point; at other
// ratios a half-pixel shift puts the stroke on the device pixels of its
// logical pixel.
void Surface::centreStrokes(QPainter& p) const {
  if (dpr_ != 1.0) p.translate(0.5, 0.5);
}

void Surface::notify() {
  if (changed_) changed_();
}

QPen Surface::pen(const QColor& c) const {
  QPen pen(c);
  pen.setWidth(drawWidth_);
  pen.setStyle(dotted_ ? Qt::DotLine : Qt::SolidLine);
  pen.setCapStyle(drawWidth_ > 1 ? Qt::RoundCap : Qt::SquareCap);
  pen.setJoinStyle(Qt::MiterJoin);
  return pen;
}

void Surface::line(double x1, double y1, double x2, double y2, const QColor& c) { lines({{x1, y1, x2, y2, c}}); }

void Surface::lines(const std::vector<Segment>& segments) {
  QPainter p;
  begin(p);
  // A thin solid horizontal line covers exactly the pixels of a one-row
  // rectangle from its first to its last point: filled as such, fast.
  const bool plain = drawWidth_ == 1 && !dotted_;
  const QTransform centred = dpr_ != 1.0 ? QTransform::fromTranslate(0.5, 0.5) : QTransform();
  for (const Segment& s : segments) {
    const QPoint a(rnd(s.x1), rnd(s.y1)), b(rnd(s.x2), rnd(s.y2));
    if (plain && a.y() == b.y()) {
      p.resetTransform();
      p.fillRect(QRect(std::min(a.x(), b.x()), a.y(), std::abs(b.x() - a.x()) + 1, 1), s.colour);
      continue;
    }
    p.setTransform(centred);
    p.setPen(pen(s.colour));
    if (a == b)
      p.drawPoint(a);
    else
      p.drawLine(a, b);
  }
  p.end();
  notify();
}

void Surface::rectangle(double x1, double y1, double x2, double y2, const QColor& c) {
  const QRect r = QRect(QPoint(rnd(x1), rnd(y1)), QPoint(rnd(x2), rnd(y2))).normalized();
  QPainter p;
  begin(p);
  if (fillSolid_) p.fillRect(r, fill_);
  centreStrokes(p);
  p.setPen(pen(c));
  p.setBrush(Qt::NoBrush);
  if (r.width() == 1 || r.height() == 1)
    p.drawLine(r.topLeft(), r.bottomRight());
  else
    p.drawRect(QRect(r.topLeft(), QSize(r.width() - 1, r.height() - 1)));
  p.end();
  notify();
}

void Surface::filledRectangle(double x1, double y1, double x2, double y2, const QColor& c) {
  const QRect r = QRect(QPoint(rnd(x1), rnd(y1)), QPoint(rnd(x2), rnd(y2))).normalized();
  QPainter p;
  begin(p);
  p.fillRect(r, c);
  p.end();
  notify();
}

void Surface::point(double x, double y, const QColor& c) {
  QPainter p;
  begin(p);
  p.fillRect(QRect(rnd(x), rnd(y), 1, 1), c);
  p.end();
  notify();
}

namespace {

// Half-axes of an ellipse of radius r and aspect a (height / width).
QSizeF halfAxes(double r, double aspect) {
  if (aspect <= 0) aspect = 1.0;
  if (aspect < 1) return {r, r * aspect};
  return {r / aspect, r};
}

QRectF ellipseRect(double cx, double cy, double r, double aspect) {
  const QSizeF h = halfAxes(r, aspect);
  const double x = num::roundHalfEven(cx), y = num::roundHalfEven(cy);
  return QRectF(x - h.width(), y - h.height(), 2 * h.width(), 2 * h.height());
}

}  // namespace

void Surface::circle(double cx, double cy, double r, const QColor& c, double aspect) {
  QPainter p;
  begin(p);
  centreStrokes(p);
  p.setPen(pen(c));
  p.setBrush(fillSolid_ ? QBrush(fill_) : QBrush(Qt::NoBrush));
  p.drawEllipse(ellipseRect(cx, cy, r, aspect));
  p.end();
  notify();
}

void Surface::arc(double cx, double cy, double r, double start, double end, double aspect, const QColor& c) {
  constexpr double twoPi = 2 * std::numbers::pi;
  double span = end - start;
  while (span < 0) span += twoPi;
  // Qt's arc angles are 1/16 degree, anticlockwise on the screen from +x.
  const int a16 = rnd(start * 180.0 / std::numbers::pi * 16.0);
  const int s16 = rnd(span * 180.0 / std::numbers::pi * 16.0);
  QPainter p;
  begin(p);
  QPen pn = pen(c);
  pn.setCapStyle(drawWidth_ > 1 ? Qt::RoundCap : Qt::FlatCap);
  centreStrokes(p);
  p.setPen(pn);
  p.setBrush(Qt::NoBrush);
  p.drawArc(ellipseRect(cx, cy, r, aspect), a16, s16);
  p.end();
  notify();
}

void Surface::setFont(const QString& name, double points, bool bold, bool italic) {
  fontName_ = name;
  fontPoints_ = points;
  bold_ = bold;
  italic_ = italic;
}

QFont Surface::font() const { return cachedFont({fontName_, fontPoints_, bold_, italic_}); }

QString Surface::shown(const QString& text) const { return isSymbolFont(fontName_) ? symbolToUnicode(text) : text; }

void Surface::print(const QString& text, bool lineBreak) {
  const FontKey key{fontName_, fontPoints_, bold_, italic_};
  const QFont& f = cachedFont(key);
  const QFontMetrics fm(f);
  const QString t = shown(text);
  if (!t.isEmpty()) {
    QPainter p;
    begin(p);
    p.setFont(f);
    p.setPen(fore_);
    p.drawText(QPointF(rnd(currentX), rnd(currentY) + fm.ascent()), t);
    p.end();
    notify();
  }
  if (lineBreak) {
    currentX = 0;
    currentY += fm.height();
  } else {
    currentX += cachedWidth(key, t);
  }
}

int Surface::textWidth(const QString& text) const {
  return cachedWidth({fontName_, fontPoints_, bold_, italic_}, shown(text));
}

int Surface::textHeight(const QString& text) const {
  const QFontMetrics fm(font());
  const int lines = static_cast<int>(text.count(QLatin1Char('\n'))) + 1;
  return fm.height() * lines;
}

void Surface::drawImage(double x, double y, const QImage& img) {
  QPainter p;
  begin(p);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(QPointF(rnd(x), rnd(y)), img);
  p.end();
  notify();
}

void Surface::copyFrom(const Surface& from, const QRect& src, QPoint at) {
  const double d = from.dpr_;
  const QRectF srcDev(src.x() * d, src.y() * d, src.width() * d, src.height() * d);
  QPainter p;
  begin(p);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(QRectF(QPointF(at), QSizeF(src.size())), from.image_, srcDev);
  p.end();
  notify();
}

QImage Surface::copyRect(const QRect& r) const {
  QImage out(devicePixels(r.width(), dpr_), devicePixels(r.height(), dpr_), QImage::Format_ARGB32_Premultiplied);
  out.setDevicePixelRatio(dpr_);
  out.fill(back_);
  QPainter p(&out);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  const QRectF srcDev(r.x() * dpr_, r.y() * dpr_, r.width() * dpr_, r.height() * dpr_);
  p.drawImage(QRectF(0, 0, r.width(), r.height()), image_, srcDev);
  return out;
}

void Surface::paint(const std::function<void(QPainter&)>& draw) {
  QPainter p;
  begin(p);
  draw(p);
  p.end();
  notify();
}

}  // namespace velmira::qtp
