// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SolutePickerWidget.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>

#include "model/SoluteCatalogue.h"
#include "platform/qt/Translations.h"
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

namespace {
constexpr int kScrollBarWidth = 14;
constexpr int kWheelRows = 3;
}  // namespace

SolutePickerWidget::SolutePickerWidget(model::Workbench& wb, QWidget* parent)
    : widgets::SurfaceWidget(parent), wb_(wb), scrollBar_(new QScrollBar(Qt::Vertical, this)) {
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  surface().setBackColor(Qt::white);
  place(QPoint(0, 0), QSize(kListWidth, model::kPickerVisibleRows * kListRowHeight));
  prepareList(surface(), model::kPickerVisibleRows);
  surface().setPersistent(false);
  // Over the rows' right end, which no formula reaches; the focus stays on the list.
  scrollBar_->setFocusPolicy(Qt::NoFocus);
  scrollBar_->setGeometry(kListWidth - kScrollBarWidth - 1, 1, kScrollBarWidth, height() - 2);
  scrollBar_->setRange(0, model::kPickerRows - model::kPickerVisibleRows);
  scrollBar_->setPageStep(model::kPickerVisibleRows);
  scrollBar_->setVisible(model::kPickerRows > model::kPickerVisibleRows);
  connect(scrollBar_, &QScrollBar::valueChanged, this, [this](int first) {
    const int marker = picker_.markerRow(), before = picker_.rows().first();
    picker_.scrollTo(first);
    followMove(marker, before);
  });
  hide();
}

const qtp::Surface& SolutePickerWidget::listWithRow(int n) {
  if (rows_.devicePixelRatio() != surface().devicePixelRatio() || rows_.width() != surface().width()) {
    rows_ = qtp::Surface(surface().width(), kListRowHeight * kListRows, surface().devicePixelRatio());
    prepareList(rows_);
    drawnRows_.reset();
  }
  if (n >= 1 && n <= kListRows && !drawnRows_[n - 1]) {
    drawnRows_[n - 1] = true;
    drawListRow(rows_, n);
  }
  return rows_;
}

void SolutePickerWidget::showRows() {
  for (int n = 1; n <= kListRows; ++n) listWithRow(n);
  const QRect inView(0, picker_.rows().first() * kListRowHeight, width(), height());
  surface().setPersistent(true);
  surface().copyFrom(rows_, inView, QPoint(0, 0));
  surface().setPersistent(false);
  const QSignalBlocker quiet(scrollBar_);
  scrollBar_->setValue(picker_.rows().first());
}

void SolutePickerWidget::followMove(int markerBefore, int firstBefore) {
  if (picker_.rows().first() != firstBefore) showRows();
  if (picker_.markerRow() != markerBefore || picker_.rows().first() != firstBefore) {
    update();
    emit markerMoved();
  }
}

void SolutePickerWidget::openFor(int solution, QWidget* page, QPoint at) {
  if (parentWidget() != page) setParent(page);
  move(at);
  picker_.open(wb_, solution);
  showRows();
  show();
  raise();
  setFocus(Qt::OtherFocusReason);
  update();
  emit markerMoved();
}

void SolutePickerWidget::mouseMoveEvent(QMouseEvent* event) {
  emit hint();
  const QPointF pos = event->position();
  const int marker = picker_.markerRow(), first = picker_.rows().first();
  picker_.hover(pos.x(), pos.y(), width(), height());
  followMove(marker, first);
  event->accept();
}

void SolutePickerWidget::mousePressEvent(QMouseEvent* event) {
  const int marker = picker_.markerRow(), first = picker_.rows().first();
  picker_.press(buttonOf(event->button()), event->position().y());
  followMove(marker, first);
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
  const int marker = picker_.markerRow(), first = picker_.rows().first();
  switch (event->key()) {
    case Qt::Key_Up:
      picker_.moveMarker(-1);
      break;
    case Qt::Key_Down:
      picker_.moveMarker(1);
      break;
    case Qt::Key_PageUp:
      picker_.pageUp();
      break;
    case Qt::Key_PageDown:
      picker_.pageDown();
      break;
    case Qt::Key_Home:
      picker_.home();
      break;
    case Qt::Key_End:
      picker_.end();
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
  followMove(marker, first);
  event->accept();
}

void SolutePickerWidget::wheelEvent(QWheelEvent* event) {
  const int steps = event->angleDelta().y() / 120;
  const int marker = picker_.markerRow(), first = picker_.rows().first();
  picker_.scrollTo(first - steps * kWheelRows);
  followMove(marker, first);
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
    const int row = picker_.rows().rowAt(help->pos().y());
    QToolTip::showText(help->globalPos(), qtp::shownMessageText(model::soluteName(row + 1)), this);
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
