#pragma once
// A paint box that paints opaquely and reports every mouse button (left, right, middle) with the
// framework's button order and shift state. The press of any button keeps the mouse until the
// buttons are released, so drags that leave the box still end in it.
//
// The box may show a window onto a larger content: its top-left pixel is content pixel Origin().
// Painting, clip rectangles, mouse points and UpdateContent() are all in content pixels, so an
// owner draws its content as if the box were as large as the content.

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

  // The clip rectangle of the paint in progress, in content pixels (empty outside a paint).
  const QRect& PaintClip() const { return paintClip_; }

  const QPoint& Origin() const { return origin_; }
  // Moves the window onto the content; what stays in view is moved, not painted again.
  void SetOrigin(const QPoint& origin);
  // Repaints the part of a content rectangle that is in view.
  void UpdateContent(const QRect& content);
  // A point of this widget as a content pixel.
  QPoint ContentPoint(const QPoint& widgetPoint) const;

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
  QPoint origin_;
};

}  // namespace zelvo
