#pragma once
// The zoomable scroll box: a frame that shows a large picture of square cells at a zoom, with
// scroll bars or arrow buttons, a wallpaper around the picture, and mouse events in unzoomed
// picture pixels. The rules live in TQonScrollBoxGeometry; this frame places its children where
// the geometry says and feeds it the events.
//
// Children, bottom to top: Tile, OptionButton, the four bars, the four arrow buttons, and
// ScrollPanel (the visible window) holding BasePanel (the part of the zoomed picture in view)
// holding qonPaintBox. Owners paint through OnPaint in zoomed picture pixels: the paint box shows
// the picture from the scroll offset on, so only what is in view is ever drawn and a picture of
// any size fits.

#include <cstdint>
#include <functional>

#include <QFrame>
#include <QPoint>

#include "editor/core/QonScrollBoxGeometry.h"
#include "editor/core/qonTileProperty.h"
#include "editor/qonPaintBox.h"
#include "editor/qonTileControl.h"

class QMenu;
class QMimeData;
class QPushButton;
class QScrollBar;

namespace zelvo {

class TQonScrollBox : public QFrame {
 public:
  using TqonPowerEvent = std::function<void(int32_t& power)>;
  using TQonMouseWheelEvent = std::function<void(TQonShiftState shift, int32_t delta, int32_t x, int32_t y, bool& handled)>;
  using TQonDragOverEvent = std::function<void(const QMimeData* data, QPoint at, bool& accept)>;
  using TQonDragDropEvent = std::function<void(const QMimeData* data, QPoint at)>;

  // The zoom powers the option menu offers: 50 % to 1200 %.
  static constexpr int32_t kMenuPowers[] = {8, 12, 16, 24, 32, 48, 64, 96, 128, 160, 192};

  explicit TQonScrollBox(QWidget* parent = nullptr);

  bool ShowCustomButton() const { return showCustomButton_; }
  void SetShowCustomButton(bool show);
  int32_t Power() const { return geometry_.Power(); }
  void SetPower(int32_t power) { geometry_.SetPower(power); }
  int32_t BarSize() const { return geometry_.BarSize(); }
  void SetBarSize(int32_t size) { geometry_.SetBarSize(size); }
  int32_t ViewType() const { return geometry_.ViewType(); }
  void SetViewType(int32_t type) { geometry_.SetViewType(type); }
  int32_t ViewWidth() const { return geometry_.ViewWidth(); }
  void SetViewWidth(int32_t width) { geometry_.SetViewWidth(width); }
  int32_t ViewHeight() const { return geometry_.ViewHeight(); }
  void SetViewHeight(int32_t height) { geometry_.SetViewHeight(height); }
  int32_t BitmapWidth() const { return geometry_.BitmapWidth(); }
  void SetBitmapWidth(int32_t width) { geometry_.SetBitmapWidth(width); }
  int32_t BitmapHeight() const { return geometry_.BitmapHeight(); }
  void SetBitmapHeight(int32_t height) { geometry_.SetBitmapHeight(height); }
  int32_t ChipSize() const { return geometry_.ChipSize(); }
  void SetChipSize(int32_t size) { geometry_.SetChipSize(size); }
  int32_t HSpace() const { return geometry_.HSpace(); }
  void SetHSpace(int32_t space) { geometry_.SetHSpace(space); }
  int32_t VSpace() const { return geometry_.VSpace(); }
  void SetVSpace(int32_t space) { geometry_.SetVSpace(space); }
  bool DragModeEx() const { return dragModeEx_; }
  void SetDragModeEx(bool value) { dragModeEx_ = value; }
  // Copied to Tile whenever it changes.
  TqonTileProperty& Tiling() { return tiling_; }
  void SetTiling(const TqonTileProperty& tiling) { tiling_.Assign(tiling); }
  int32_t ScrollClientWidth() const { return geometry_.ScrollClientWidth(); }
  int32_t ScrollClientHeight() const { return geometry_.ScrollClientHeight(); }

  // The cells the paint in progress covers (see TQonScrollBoxGeometry::GetClipCells).
  void GetClipCells(TRect& cells) const;
  // Repaints, without erasing, the cells of an inclusive range given by any two corners.
  void InvalidateCells(const TRect& cells);
  bool IsButtonDown(int32_t button) const { return geometry_.IsButtonDown(button); }
  // The unzoomed picture pixel under a point of this frame (a drop, say).
  QPoint PicturePoint(const QPoint& framePoint) const;

  const TQonScrollBoxGeometry& Geometry() const { return geometry_; }
  void ScrollTo(TQonScrollAxis axis, int32_t position) { geometry_.ScrollTo(axis, position); }

  TqonPaintBox::TQonPaintEvent OnPaint;
  std::function<void()> OnScroll;
  TQonScrollBoxGeometry::TQonMouseEvent OnMouseDown;
  TQonScrollBoxGeometry::TQonMouseMoveEvent OnMouseMove;
  TQonScrollBoxGeometry::TQonMouseEvent OnMouseUp;
  // Kept for owners; the box itself never calls it.
  TQonMouseWheelEvent OnMouseWheel;
  // Called with a zoom chosen from the menu before it applies; the handler may change it.
  TqonPowerEvent OnPowerChange;
  TQonDragOverEvent OnDragOver;
  TQonDragDropEvent OnDragDrop;

  TqonTileControl* Tile;
  QPushButton* OptionButton;
  QScrollBar* BottomScrollBar;
  QScrollBar* LeftScrollBar;
  QScrollBar* TopScrollBar;
  QScrollBar* RightScrollBar;
  QPushButton* TopScrollButton;
  QPushButton* BottomScrollButton;
  QPushButton* LeftScrollButton;
  QPushButton* RightScrollButton;
  QWidget* ScrollPanel;
  QWidget* BasePanel;
  TqonPaintBox* qonPaintBox;
  QMenu* OptionPopup;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void makeChildren();
  void makeOptionPopup();
  void wireGeometry();
  // Places and enables every child as the geometry stands.
  void FrameResize();
  void syncBar(QScrollBar* bar, const TQonScrollBarState& state);
  void chooseMenuPower(int32_t power);
  bool acceptDrag(QDragMoveEvent* event);

  TQonScrollBoxGeometry geometry_;
  TqonTileProperty tiling_;
  bool showCustomButton_ = false;
  bool dragModeEx_ = false;
  bool syncing_ = false;
};

}  // namespace zelvo
