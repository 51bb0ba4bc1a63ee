// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Picture surface: the drawing target of every bench page, the tab strip,
// the solute list, the formula boxes, the knobs and the composing picture.
//
// Coordinates are logical pixels, origin top-left, y downwards; computed
// coordinates are rounded to the nearest integer, halves to even. The images
// are kept at the surface's device-pixel ratio (QImage::setDevicePixelRatio),
// so a surface stays sharp on a 200 % screen while every caller keeps
// working in logical pixels.
//
// Layers, bottom to top:
//  - the persistent image: background colour, then the background picture,
//    then everything drawn while persistent drawing is on. `clear()` resets it
//    to background colour + background picture; `removeBackgroundPicture()`
//    drops the picture (the next `clear()` shows the bare colour);
//  - the transient layer: what is drawn while persistent drawing is off (the
//    paint handlers). The owning widget erases it with `beginTransient()`
//    before each repaint, runs its paint handler, then paints `composed()`.
//
// Lines, rectangles, arcs and circles are drawn without antialiasing, so
// pixel positions are exact; text is antialiased. Lines include both end
// points; rectangles (outline or filled) cover x1..x2 and y1..y2 inclusive.
// A rectangle outline, like a circle, is filled with the fill colour first
// when the fill style is solid.
//
// Arcs: angles in radians, anticlockwise on the screen from +x; the arc runs
// anticlockwise from start to end. Aspect a = height / width: for a < 1 the
// radius is the horizontal half-axis (vertical r·a), for a > 1 the vertical
// half-axis (horizontal r / a).
//
// Text: `print` draws at the pen (currentX, currentY), the top of the text
// line at currentY. With a line break the pen goes to x = 0 and
// y + text height; without, it stays just after the text (x + text width).
// Fonts are mapped by Fonts.h (classic names, points at 96 dpi).
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>
#include <vector>

class QPainter;
class QPen;

namespace velmira::qtp {

class Surface {
 public:
  explicit Surface(int width = 1, int height = 1, double devicePixelRatio = 1.0);

  // Size in logical pixels. Resizing keeps the top-left part of the
  // persistent image and fills the rest with the background colour (and the
  // background picture); the transient layer is erased.
  void resize(int width, int height);
  int width() const { return width_; }
  int height() const { return height_; }
  QSize size() const { return {width_, height_}; }
  double devicePixelRatio() const { return dpr_; }
  void setDevicePixelRatio(double dpr);  // redraws nothing: the image is rescaled

  // Persistent drawing (on: draw into the persistent image; off: into the
  // transient layer). Off by default.
  void setPersistent(bool on) { persistent_ = on; }
  bool persistent() const { return persistent_; }
  void beginTransient();  // erase the transient layer

  // Erase what was drawn in the current mode: persistent on → image back to
  // background colour + background picture; off → transient layer erased.
  // The pen goes back to (0, 0).
  void clear();
  void setBackColor(const QColor& c);  // takes effect at the next clear()
  QColor backColor() const { return back_; }
  // The background picture (drawn at (0, 0) at its logical size). Setting it
  // replaces the persistent image by background colour + picture.
  void setBackgroundPicture(const QImage& picture);
  void removeBackgroundPicture();
  const QImage& backgroundPicture() const { return picture_; }
  bool hasBackgroundPicture() const { return !picture_.isNull(); }

  // The persistent image (what copies and background pictures take), and
  // persistent image + transient layer (what the screen shows).
  const QImage& image() const { return image_; }
  QImage composed() const;
  // Paint `composed()` with its top-left at `at` (logical coordinates).
  void paintTo(QPainter& p, QPoint at = {0, 0}) const;

  // Called after every drawing operation (the owning widget schedules a
  // repaint). Empty by default.
  void setChangedCallback(std::function<void()> cb) { changed_ = std::move(cb); }

  // Pen, fill.
  void setForeColor(const QColor& c) { fore_ = c; }  // text and default line colour
  QColor foreColor() const { return fore_; }
  void setDrawWidth(int w) { drawWidth_ = w < 1 ? 1 : w; }
  int drawWidth() const { return drawWidth_; }
  void setDotted(bool on) { dotted_ = on; }
  bool dotted() const { return dotted_; }
  void setFillSolid(const QColor& c) {
    fillSolid_ = true;
    fill_ = c;
  }
  void setFillTransparent() { fillSolid_ = false; }
  bool fillSolid() const { return fillSolid_; }
  QColor fillColor() const { return fill_; }

  // Shapes.
  void line(double x1, double y1, double x2, double y2, const QColor& c);
  void line(double x1, double y1, double x2, double y2) { line(x1, y1, x2, y2, fore_); }
  // Many lines with one painter, each drawn as `line` draws it.
  struct Segment {
    double x1, y1, x2, y2;
    QColor colour;
  };
  void lines(const std::vector<Segment>& segments);
  void rectangle(double x1, double y1, double x2, double y2, const QColor& c);
  void filledRectangle(double x1, double y1, double x2, double y2, const QColor& c);
  void point(double x, double y, const QColor& c);
  // Circle outlined in `c`, filled with the fill colour when the fill is solid.
  void circle(double cx, double cy, double r, const QColor& c, double aspect = 1.0);
  void arc(double cx, double cy, double r, double start, double end, double aspect, const QColor& c);
  void arc(double cx, double cy, double r, double start, double end, const QColor& c) {
    arc(cx, cy, r, start, end, 1.0, c);
  }

  // Text.
  void setFont(const QString& name, double points, bool bold = false, bool italic = false);
  void setFontName(const QString& name) { fontName_ = name; }
  void setFontSize(double points) { fontPoints_ = points; }
  void setBold(bool on) { bold_ = on; }
  void setItalic(bool on) { italic_ = on; }
  QString fontName() const { return fontName_; }
  double fontSize() const { return fontPoints_; }
  bool bold() const { return bold_; }
  bool italic() const { return italic_; }
  QFont font() const;  // the mapped QFont

  double currentX = 0;
  double currentY = 0;
  void setPen(double x, double y) {
    currentX = x;
    currentY = y;
  }

  void print(const QString& text, bool lineBreak);
  void printLine(const QString& text) { print(text, true); }
  void printStay(const QString& text) { print(text, false); }
  // Measured in the current font (Symbol text measured as drawn).
  int textWidth(const QString& text) const;
  int textHeight(const QString& text = QStringLiteral("W")) const;

  // Images. `drawImage` honours the image's alpha channel (transparent
  // parts leave the surface as it is); the image is drawn at its logical
  // size (its own device-pixel ratio).
  void drawImage(double x, double y, const QImage& img);
  // Paint `src` (logical rectangle of `from`'s persistent image) at `at`.
  void copyFrom(const Surface& from, const QRect& src, QPoint at);
  void copyFrom(const Surface& from, QPoint at = {0, 0}) { copyFrom(from, QRect(QPoint(0, 0), from.size()), at); }
  // A logical rectangle of the persistent image, at this surface's ratio.
  QImage copyRect(const QRect& r) const;

  // Free drawing with a painter in logical coordinates, on the layer of the
  // current mode (no antialiasing unless `draw` asks for it; text is
  // antialiased).
  void paint(const std::function<void(QPainter&)>& draw);

 private:
  QImage& target();
  void begin(QPainter& p);
  QPen pen(const QColor& c) const;
  void centreStrokes(QPainter& p) const;
  QString shown(const QString& text) const;
  void notify();
  void fillBase(QImage& img) const;
  QImage blank(bool transparent) const;

  int width_, height_;
  double dpr_;
  bool persistent_ = false;
  QColor back_{255, 255, 255};
  QImage picture_;
  QImage image_;
  QImage transient_;
  bool transientUsed_ = false;
  std::function<void()> changed_;
  QColor fore_{0, 0, 0};
  int drawWidth_ = 1;
  bool dotted_ = false;
  bool fillSolid_ = false;
  QColor fill_{0, 0, 0};
  QString fontName_ = QStringLiteral("Arial");
  double fontPoints_ = 8.25;
  bool bold_ = false;
  bool italic_ = false;
};

}  // namespace velmira::qtp
