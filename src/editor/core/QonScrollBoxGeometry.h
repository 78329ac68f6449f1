#pragma once
// The rules of the zoomable scroll box without its widgets: the layout of bars, wallpaper and
// visible window, scroll ranges, zoom that keeps the centre cell, the clip-to-cell arithmetic
// and the mouse translation to unzoomed picture coordinates. TQonScrollBox shows this state.
//
// Scroll positions are counted in cells (steps). The zoomed picture is never a widget of its own
// size: only the part in view is drawn, so a picture as large as the zoomed pixels can count
// (up to INT32_MAX) is shown whole and every cell of it can be scrolled to.

#include <cstdint>
#include <functional>

#include "editor/core/RectHelpers.h"

namespace zelvo {

// The framework's mouse-button order.
enum TQonMouseButton : int32_t { mbLeft = 0, mbRight = 1, mbMiddle = 2 };

// The framework's shift state as flags.
enum TQonShiftFlag : uint32_t {
  ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32, ssDouble = 64,
};
using TQonShiftState = uint32_t;

// Positions run from 0 to Max - PageSize + 1 (the last page starts there).
struct TQonScrollBarState {
  bool Enabled = false;
  int32_t Max = 0;
  int32_t PageSize = 0;
  int32_t Position = 0;
  int32_t LastPosition() const { return Max - PageSize + 1 > 0 ? Max - PageSize + 1 : 0; }
};

enum class TQonScrollAxis { Horizontal, Vertical };

class TQonScrollBoxGeometry {
 public:
  using TQonMouseEvent = std::function<void(TQonMouseButton button, TQonShiftState shift, int32_t x, int32_t y)>;
  using TQonMouseMoveEvent = std::function<void(TQonShiftState shift, int32_t x, int32_t y)>;

  TQonScrollBoxGeometry() { FrameResize(); }

  // Properties; every setter lays out again.
  int32_t Power() const { return power_; }
  // Keeps the cell in the middle of the view in the middle; values below 1 are ignored.
  void SetPower(int32_t power);
  int32_t BarSize() const { return barSize_; }
  void SetBarSize(int32_t size);
  // 0: four scroll bars; 1: four arrow buttons; 2: bottom and right scroll bars.
  int32_t ViewType() const { return viewType_; }
  void SetViewType(int32_t type);
  int32_t ViewWidth() const { return viewWidth_; }
  int32_t ViewHeight() const { return viewHeight_; }
  void SetViewWidth(int32_t width);
  void SetViewHeight(int32_t height);
  int32_t BitmapWidth() const { return bitmapWidth_; }
  int32_t BitmapHeight() const { return bitmapHeight_; }
  // Negative values are ignored; otherwise both bars return to position 0.
  void SetBitmapWidth(int32_t width);
  void SetBitmapHeight(int32_t height);
  int32_t ChipSize() const { return chipSize_; }
  void SetChipSize(int32_t size);
  int32_t HSpace() const { return hSpace_; }
  int32_t VSpace() const { return vSpace_; }
  void SetHSpace(int32_t space);
  void SetVSpace(int32_t space);
  void SetClientSize(int32_t width, int32_t height);
  int32_t ClientWidth() const { return clientWidth_; }
  int32_t ClientHeight() const { return clientHeight_; }

  // The screen step: ChipSize x Power / 16, at least 1.
  int32_t Step() const;
  // BitmapWidth x Power / 16, at least 1 unless the picture is 0 wide, at most INT32_MAX; the same
  // for the height.
  int32_t ZoomedWidth() const;
  int32_t ZoomedHeight() const;

  // Lays out bars, wallpaper and visible window for the current client size; keeps each scroll
  // position inside its new range.
  void FrameResize();

  // Layout results, in frame coordinates (BasePanel and Picture in visible-window coordinates).
  bool Enabled() const { return enabled_; }
  const TRect& TopBar() const { return topBar_; }
  const TRect& BottomBar() const { return bottomBar_; }
  const TRect& LeftBar() const { return leftBar_; }
  const TRect& RightBar() const { return rightBar_; }
  const TRect& OptionButton() const { return optionButton_; }
  const TRect& Tile() const { return tile_; }
  // The visible window, narrowed at the far end on the last page of a picture that is not a whole
  // number of steps.
  const TRect& ScrollPanel() const { return scrollPanel_; }
  // The part of the zoomed picture in view: it fills the visible window.
  TRect BasePanel() const;
  // The whole zoomed picture, moved by the scroll positions.
  TRect Picture() const;
  // The zoomed-picture pixel at the visible window's top-left: the positions times the step.
  TPoint ContentOrigin() const;
  int32_t ScrollClientWidth() const { return TRectWidth(scrollPanel_); }
  int32_t ScrollClientHeight() const { return TRectHeight(scrollPanel_); }
  // Shown by view type: bars in 0 (all four) and 2 (bottom and right), buttons in 1.
  bool TopAndLeftBarsVisible() const { return viewType_ == 0; }
  bool BottomAndRightBarsVisible() const { return viewType_ == 0 || viewType_ == 2; }
  bool ButtonsVisible() const { return viewType_ == 1; }

  // The twin bars (top with bottom, left with right) share one state.
  const TQonScrollBarState& Bar(TQonScrollAxis axis) const;
  // Clamps, moves BasePanel, narrows the visible window, then calls OnScroll.
  void ScrollTo(TQonScrollAxis axis, int32_t position);
  // The arrow buttons' step.
  void ScrollBy(TQonScrollAxis axis, int32_t delta) { ScrollTo(axis, Bar(axis).Position + delta); }

  // The inclusive cell range covered by a clip rectangle of the zoomed picture.
  TRect GetClipCells(const TRect& clip) const;
  // The zoomed-picture rectangle to repaint for an inclusive cell range given by any two corners.
  TRect InvalidateCells(const TRect& cells) const;

  // Paint-box mouse events in zoomed-picture pixels, passed on in picture pixels.
  void MouseDown(TQonMouseButton button, TQonShiftState shift, int32_t x, int32_t y);
  void MouseMove(TQonShiftState shift, int32_t x, int32_t y);
  void MouseUp(TQonMouseButton button, TQonShiftState shift, int32_t x, int32_t y);
  // Wallpaper points as zoomed-picture points: relative to the visible window, plus the scroll
  // offset so that they name the picture pixel under the pointer.
  TPoint TileToPaintBox(int32_t x, int32_t y) const;
  // Pressed on the paint box and not yet released; False for values other than 0, 1, 2.
  bool IsButtonDown(int32_t button) const;

  std::function<void()> OnScroll;
  TQonMouseEvent OnMouseDown;
  TQonMouseMoveEvent OnMouseMove;
  TQonMouseEvent OnMouseUp;
  // Called after every layout, so a widget can follow.
  std::function<void()> OnLayout;

 private:
  int32_t zoomed(int32_t size) const;
  TQonScrollBarState& bar(TQonScrollAxis axis) { return axis == TQonScrollAxis::Horizontal ? horizontal_ : vertical_; }
  // Sets the bar's range from the visible and zoomed sizes of its axis.
  void layoutBar(TQonScrollBarState& bar, int32_t visible, int32_t zoomedSize) const;
  // BasePanel offset and narrowed visible size for the current positions.
  void applyScroll();
  void resetPositions() { horizontal_.Position = vertical_.Position = 0; }
  int32_t toPicture(int32_t zoomedPixel) const;

  int32_t power_ = 16, barSize_ = 16, viewType_ = 0, viewWidth_ = 0, viewHeight_ = 0;
  int32_t bitmapWidth_ = 0, bitmapHeight_ = 0, chipSize_ = 0, hSpace_ = 0, vSpace_ = 0;
  int32_t clientWidth_ = 0, clientHeight_ = 0;

  bool enabled_ = false;
  TRect topBar_, bottomBar_, leftBar_, rightBar_, optionButton_, tile_, scrollPanel_;
  int32_t laidOutWidth_ = 0, laidOutHeight_ = 0;  // the visible window before narrowing
  TQonScrollBarState horizontal_, vertical_;
  bool held_[3] = {false, false, false};
};

}  // namespace zelvo
