#include "editor/qonPaintBox.h"

#include <algorithm>
#include <cstdlib>
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

void TqonPaintBox::SetOrigin(const QPoint& origin) {
  if (origin == origin_) return;
  const QPoint shift = origin_ - origin;
  origin_ = origin;
  if (std::abs(int64_t(shift.x())) < width() && std::abs(int64_t(shift.y())) < height()) scroll(shift.x(), shift.y());
  else update();
}

void TqonPaintBox::UpdateContent(const QRect& content) {
  // In 64 bits: a content rectangle far from the view must not wrap round into it.
  const int64_t left = std::max<int64_t>(int64_t(content.left()) - origin_.x(), 0);
  const int64_t top = std::max<int64_t>(int64_t(content.top()) - origin_.y(), 0);
  const int64_t right = std::min<int64_t>(int64_t(content.left()) + content.width() - origin_.x(), width());
  const int64_t bottom = std::min<int64_t>(int64_t(content.top()) + content.height() - origin_.y(), height());
  if (left < right && top < bottom) update(QRect(int(left), int(top), int(right - left), int(bottom - top)));
}

QPoint TqonPaintBox::ContentPoint(const QPoint& widgetPoint) const {
  const auto add = [](int a, int b) { return int(std::clamp<int64_t>(int64_t(a) + b, INT32_MIN, INT32_MAX)); };
  return {add(widgetPoint.x(), origin_.x()), add(widgetPoint.y(), origin_.y())};
}

void TqonPaintBox::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.translate(-origin_);
  paintClip_ = event->rect().translated(origin_);
  paintContents(painter, paintClip_);
  paintClip_ = QRect();
}

void TqonPaintBox::paintContents(QPainter& painter, const QRect& clip) {
  if (OnPaint) OnPaint(painter, clip);
}

void TqonPaintBox::press(QMouseEvent* event, bool doubleClick) {
  const auto button = buttonOf(event->button());
  if (!button) return;
  const QPoint p = ContentPoint(event->position().toPoint());
  if (OnMouseDown) OnMouseDown(*button, QonShiftStateOf(*event, doubleClick), p.x(), p.y());
}

void TqonPaintBox::mousePressEvent(QMouseEvent* event) { press(event, false); }

void TqonPaintBox::mouseDoubleClickEvent(QMouseEvent* event) { press(event, true); }

void TqonPaintBox::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = ContentPoint(event->position().toPoint());
  if (OnMouseMove) OnMouseMove(QonShiftStateOf(*event), p.x(), p.y());
}

void TqonPaintBox::mouseReleaseEvent(QMouseEvent* event) {
  const auto button = buttonOf(event->button());
  if (!button) return;
  const QPoint p = ContentPoint(event->position().toPoint());
  if (OnMouseUp) OnMouseUp(*button, QonShiftStateOf(*event), p.x(), p.y());
}

}  // namespace zelvo
