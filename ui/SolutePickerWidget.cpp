#include "ui/SolutePickerWidget.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "model/SoluteCatalogue.h"
#include "ui/drawing/SoluteList.h"
#include "widgets/Colours.h"

namespace velmira::ui {

model::MouseButton buttonOf(Qt::MouseButton b) {
  switch (b) {
    case Qt::LeftButton:
      return model::MouseButton::Left;
    case Qt::RightButton:
      return model::MouseButton::Right;
    case Qt::MiddleButton:
      return model::MouseButton::Middle;
    default:
      return model::MouseButton::None;
  }
}

SolutePickerWidget::SolutePickerWidget(model::Workbench& wb, QWidget* parent)
    : widgets::SurfaceWidget(parent), wb_(wb) {
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  surface().setBackColor(Qt::white);
  place(QPoint(0, 0), QSize(kListWidth, kListRows * kListRowHeight));
  // The rows are drawn when first needed (a formula box, the list opened).
  prepareList(surface());
  surface().setPersistent(false);
  place(QPoint(0, 0), surface().size());
  hide();
}

const qtp::Surface& SolutePickerWidget::listWithRow(int n) {
  if (formulas_.devicePixelRatio() != surface().devicePixelRatio() || formulas_.width() != surface().width()) {
    formulas_ = qtp::Surface(surface().width(), kListRowHeight * kFormulaRows, surface().devicePixelRatio());
    prepareList(formulas_, kFormulaRows);
    drawnFormulas_.reset();
  }
  if (n >= 1 && n <= kFormulaRows && !drawnFormulas_[n - 1]) {
    drawnFormulas_[n - 1] = true;
    drawListRow(formulas_, n);
  }
  return formulas_;
}

void SolutePickerWidget::drawRow(int n) {
  if (drawnRows_[n - 1]) return;
  drawnRows_[n - 1] = true;
  drawListRow(surface(), n);
  surface().setPersistent(false);
}

void SolutePickerWidget::openFor(int solution, QWidget* page, QPoint at) {
  for (int n = 1; n <= kListRows; ++n) drawRow(n);
  if (parentWidget() != page) setParent(page);
  move(at);
  picker_.open(wb_, solution);
  show();
  raise();
  setFocus(Qt::OtherFocusReason);
  update();
  emit markerMoved();
}

void SolutePickerWidget::mouseMoveEvent(QMouseEvent* event) {
  emit hint();
  const QPointF pos = event->position();
  const int before = picker_.markerTop();
  picker_.hover(pos.x(), pos.y(), width(), height());
  if (picker_.markerTop() != before) {
    update();
    emit markerMoved();
  }
  event->accept();
}

void SolutePickerWidget::mousePressEvent(QMouseEvent* event) {
  const int before = picker_.markerTop();
  picker_.press(buttonOf(event->button()), event->position().y());
  if (picker_.markerTop() != before) update();
  event->accept();
}

void SolutePickerWidget::mouseReleaseEvent(QMouseEvent* event) {
  const QPointF pos = event->position();
  event->accept();
  if (picker_.release(wb_, buttonOf(event->button()), pos.x(), pos.y(), width())) {
    emit chosen(picker_.solution());
    hide();
  }
}

void SolutePickerWidget::keyPressEvent(QKeyEvent* event) {
  const int before = picker_.markerTop();
  switch (event->key()) {
    case Qt::Key_Up:
      picker_.moveMarker(-1);
      break;
    case Qt::Key_Down:
      picker_.moveMarker(1);
      break;
    case Qt::Key_PageUp:
      picker_.moveMarker(-model::kPickerRows);
      break;
    case Qt::Key_PageDown:
      picker_.moveMarker(model::kPickerRows);
      break;
    case Qt::Key_Home:
      picker_.moveMarker(-model::kPickerRows);
      break;
    case Qt::Key_End:
      picker_.moveMarker(model::kPickerRows);
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      if (picker_.pickMarked(wb_)) {
        emit chosen(picker_.solution());
        hide();
      }
      break;
    case Qt::Key_Escape:
      picker_.lostFocus();
      emit closed(picker_.solution());
      hide();
      break;
    default:
      widgets::SurfaceWidget::keyPressEvent(event);
      return;
  }
  if (picker_.markerTop() != before) {
    update();
    emit markerMoved();
  }
  event->accept();
}

void SolutePickerWidget::focusOutEvent(QFocusEvent* event) {
  widgets::SurfaceWidget::focusOutEvent(event);
  const Qt::FocusReason r = event->reason();
  if (r == Qt::ActiveWindowFocusReason || r == Qt::PopupFocusReason) return;
  picker_.lostFocus();
  hide();
}

bool SolutePickerWidget::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const int row = model::pickerRow(help->pos().y());
    QToolTip::showText(help->globalPos(), QString::fromUtf8(model::soluteName(row + 1)), this);
    return true;
  }
  return widgets::SurfaceWidget::event(event);
}

void SolutePickerWidget::paintEvent(QPaintEvent* event) {
  widgets::SurfaceWidget::paintEvent(event);
  QPainter p(this);
  p.setPen(widgets::kDarkBlue);
  p.setBrush(Qt::NoBrush);
  // Shape1: a thin frame a little taller than a row.
  p.drawRect(1, picker_.markerTop(), width() - 3, kListRowHeight + 3);
  p.setPen(Qt::black);
  p.drawRect(0, 0, width() - 1, height() - 1);
}

}  // namespace velmira::ui
