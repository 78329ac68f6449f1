#include "editor/qonPaintBox.h"

#include <optional>

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace zelvo {

namespace {

std::optional<TQonMouseButton> buttonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return mbLeft;
    case Qt::RightButton: return mbRight;
    case Qt::MiddleButton: return mbMiddle;
    default: return std::nullopt;
  }
}

}  // namespace

TQonShiftState QonShiftStateOf(const QMouseEvent& event, bool doubleClick) {
  TQonShiftState s = 0;
  const Qt::KeyboardModifiers keys = event.modifiers();
  if (keys & Qt::ShiftModifier) s |= ssShift;
  if (keys & Qt::AltModifier) s |= ssAlt;
  if (keys & Qt::ControlModifier) s |= ssCtrl;
  const Qt::MouseButtons held = event.buttons();
  if (held & Qt::LeftButton) s |= ssLeft;
  if (held & Qt::RightButton) s |= ssRight;
  if (held & Qt::MiddleButton) s |= ssMiddle;
  if (doubleClick) s |= ssDouble;
  return s;
}

TqonPaintBox::TqonPaintBox(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
}

void TqonPaintBox::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  paintClip_ = event->rect();
  paintContents(painter, paintClip_);
  paintClip_ = QRect();
}

void TqonPaintBox::paintContents(QPainter& painter, const QRect& clip) {
  if (OnPaint) OnPaint(painter, clip);
}

void TqonPaintBox::press(QMouseEvent* event, bool doubleClick) {
  const auto button = buttonOf(event->button());
  if (!button) return;
  const QPoint p = event->position().toPoint();
  if (OnMouseDown) OnMouseDown(*button, QonShiftStateOf(*event, doubleClick), p.x(), p.y());
}

void TqonPaintBox::mousePressEvent(QMouseEvent* event) { press(event, false); }

void TqonPaintBox::mouseDoubleClickEvent(QMouseEvent* event) { press(event, true); }

void TqonPaintBox::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (OnMouseMove) OnMouseMove(QonShiftStateOf(*event), p.x(), p.y());
}

void TqonPaintBox::mouseReleaseEvent(QMouseEvent* event) {
  const auto button = buttonOf(event->button());
  if (!button) return;
  const QPoint p = event->position().toPoint();
  if (OnMouseUp) OnMouseUp(*button, QonShiftStateOf(*event), p.x(), p.y());
}

}  // namespace zelvo
