#pragma once
// A paint box that paints opaquely and reports every mouse button (left, right, middle) with the
// framework's button order and shift state. The press of any button keeps the mouse until the
// buttons are released, so drags that leave the box still end in it.

#include <cstdint>
#include <functional>

#include <QRect>
#include <QWidget>

#include "editor/core/QonScrollBoxGeometry.h"

class QMouseEvent;
class QPainter;

namespace zelvo {

// The shift state of a mouse event: keys, held buttons, and ssDouble for a double click.
TQonShiftState QonShiftStateOf(const QMouseEvent& event, bool doubleClick = false);

class TqonPaintBox : public QWidget {
 public:
  using TQonPaintEvent = std::function<void(QPainter& painter, const QRect& clip)>;

  explicit TqonPaintBox(QWidget* parent = nullptr);

  TQonPaintEvent OnPaint;
  // Points in this widget's pixels.
  TQonScrollBoxGeometry::TQonMouseEvent OnMouseDown;
  TQonScrollBoxGeometry::TQonMouseMoveEvent OnMouseMove;
  TQonScrollBoxGeometry::TQonMouseEvent OnMouseUp;

  // The clip rectangle of the paint in progress (empty outside a paint).
  const QRect& PaintClip() const { return paintClip_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  // Paints inside the clip; the box paints nothing of its own beyond OnPaint.
  virtual void paintContents(QPainter& painter, const QRect& clip);
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void press(QMouseEvent* event, bool doubleClick);
  QRect paintClip_;
};

}  // namespace zelvo
