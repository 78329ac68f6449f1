#include "editor/core/QonScrollBoxGeometry.h"

#include <algorithm>

namespace zelvo {

namespace {

int32_t ceilDiv(int64_t a, int64_t b) { return int32_t((a + b - 1) / b); }

int32_t clamped(int64_t v) { return int32_t(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); }

}  // namespace

int32_t TQonScrollBoxGeometry::Step() const {
  if (chipSize_ == 0) return 1;
  return std::clamp<int64_t>(int64_t(chipSize_) * power_ / 16, 1, INT32_MAX);
}

int32_t TQonScrollBoxGeometry::zoomed(int32_t size) const {
  if (size == 0) return 0;
  return std::clamp<int64_t>(int64_t(size) * power_ / 16, 1, INT32_MAX);
}

int32_t TQonScrollBoxGeometry::toPicture(int32_t zoomedPixel) const { return clamped(int64_t(zoomedPixel) * 16 / power_); }

int32_t TQonScrollBoxGeometry::ZoomedWidth() const { return zoomed(bitmapWidth_); }
int32_t TQonScrollBoxGeometry::ZoomedHeight() const { return zoomed(bitmapHeight_); }

void TQonScrollBoxGeometry::SetPower(int32_t power) {
  if (power < 1) return;
  const int32_t oldStep = Step();
  const auto centre = [&](const TQonScrollBarState& b, int32_t visible) {
    return b.Enabled ? int32_t((int64_t(oldStep) * b.Position + visible / 2) / oldStep) : (visible / 2) / oldStep;
  };
  const int32_t centreX = centre(horizontal_, laidOutWidth_), centreY = centre(vertical_, laidOutHeight_);
  power_ = power;
  resetPositions();
  FrameResize();
  const int32_t step = Step();
  if (horizontal_.Enabled) ScrollTo(TQonScrollAxis::Horizontal, centreX - (laidOutWidth_ / 2) / step);
  if (vertical_.Enabled) ScrollTo(TQonScrollAxis::Vertical, centreY - (laidOutHeight_ / 2) / step);
}

void TQonScrollBoxGeometry::SetBarSize(int32_t size) {
  barSize_ = std::max(size, 0);
  FrameResize();
}

void TQonScrollBoxGeometry::SetViewType(int32_t type) {
  viewType_ = type;
  FrameResize();
}

void TQonScrollBoxGeometry::SetViewWidth(int32_t width) {
  viewWidth_ = std::max(width, 0);
  FrameResize();
}

void TQonScrollBoxGeometry::SetViewHeight(int32_t height) {
  viewHeight_ = std::max(height, 0);
  FrameResize();
}

void TQonScrollBoxGeometry::SetBitmapWidth(int32_t width) {
  if (width < 0) return;
  resetPositions();
  bitmapWidth_ = width;
  FrameResize();
}

void TQonScrollBoxGeometry::SetBitmapHeight(int32_t height) {
  if (height < 0) return;
  resetPositions();
  bitmapHeight_ = height;
  FrameResize();
}

void TQonScrollBoxGeometry::SetChipSize(int32_t size) {
  chipSize_ = std::max(size, 0);
  FrameResize();
}

void TQonScrollBoxGeometry::SetHSpace(int32_t space) {
  hSpace_ = std::max(space, 0);
  FrameResize();
}

void TQonScrollBoxGeometry::SetVSpace(int32_t space) {
  vSpace_ = std::max(space, 0);
  FrameResize();
}

void TQonScrollBoxGeometry::SetClientSize(int32_t width, int32_t height) {
  clientWidth_ = std::max(width, 0);
  clientHeight_ = std::max(height, 0);
  FrameResize();
}

void TQonScrollBoxGeometry::layoutBar(TQonScrollBarState& b, int32_t visible, int32_t zoomedSize) const {
  const int32_t step = Step();
  if (visible < zoomedSize) {
    b.Enabled = true;
    b.Max = ceilDiv(zoomedSize, step) - 1;
    b.PageSize = ceilDiv(visible, step);
  } else {
    b = TQonScrollBarState{};
  }
}

void TQonScrollBoxGeometry::FrameResize() {
  const int32_t b = barSize_, room = viewType_ == 2 ? b : 2 * b, offset = viewType_ == 2 ? 0 : b;
  const int32_t cw = clientWidth_, ch = clientHeight_;
  const int32_t across = cw - room, down = ch - room;
  topBar_ = {offset, 0, offset + across, b};
  bottomBar_ = {offset, ch - b, offset + across, ch};
  leftBar_ = {0, offset, b, offset + down};
  rightBar_ = {cw - b, offset, cw, offset + down};
  optionButton_ = {cw - b, ch - b, cw, ch};
  tile_ = {room - b, room - b, room - b + across, room - b + down};

  enabled_ = across >= hSpace_ + chipSize_ && down >= vSpace_ + chipSize_;
  if (enabled_) {
    const int32_t step = Step();
    const auto visible = [step](int32_t zoomedSize, int32_t room, int32_t cap) {
      int32_t v = std::min(zoomedSize, std::max(room, 0));
      if (cap != 0) v = std::min(v, cap);
      if (v % step != 0 && v >= step && v < zoomedSize) v = v / step * step;
      return v;
    };
    laidOutWidth_ = visible(ZoomedWidth(), across - 2 * hSpace_, viewWidth_);
    laidOutHeight_ = visible(ZoomedHeight(), down - 2 * vSpace_, viewHeight_);
    layoutBar(horizontal_, laidOutWidth_, ZoomedWidth());
    layoutBar(vertical_, laidOutHeight_, ZoomedHeight());
    const int32_t left = offset + (across - laidOutWidth_) / 2, top = offset + (down - laidOutHeight_) / 2;
    scrollPanel_ = {left, top, left + laidOutWidth_, top + laidOutHeight_};
    const int32_t oldX = horizontal_.Position, oldY = vertical_.Position;
    applyScroll();
    if ((oldX != horizontal_.Position || oldY != vertical_.Position) && OnScroll) OnScroll();
  }
  if (OnLayout) OnLayout();
}

const TQonScrollBarState& TQonScrollBoxGeometry::Bar(TQonScrollAxis axis) const {
  return axis == TQonScrollAxis::Horizontal ? horizontal_ : vertical_;
}

void TQonScrollBoxGeometry::applyScroll() {
  const int32_t step = Step();
  const auto settle = [step](TQonScrollBarState& b, int32_t laidOut, int32_t zoomedSize) {
    b.Position = b.Enabled ? std::clamp(b.Position, 0, b.LastPosition()) : 0;
    const bool lastPartial = b.Enabled && zoomedSize % step != 0 && b.Position + b.PageSize > b.Max;
    return lastPartial ? laidOut - step + zoomedSize % step : laidOut;
  };
  scrollPanel_.Right = scrollPanel_.Left + settle(horizontal_, laidOutWidth_, ZoomedWidth());
  scrollPanel_.Bottom = scrollPanel_.Top + settle(vertical_, laidOutHeight_, ZoomedHeight());
}

TRect TQonScrollBoxGeometry::BasePanel() const { return {0, 0, ScrollClientWidth(), ScrollClientHeight()}; }

// A position never passes the last page, so its offset lies inside the zoomed picture.
TPoint TQonScrollBoxGeometry::ContentOrigin() const {
  const int64_t step = Step();
  return {clamped(step * horizontal_.Position), clamped(step * vertical_.Position)};
}

TRect TQonScrollBoxGeometry::Picture() const {
  const TPoint origin = ContentOrigin();
  return {-origin.X, -origin.Y, clamped(int64_t(ZoomedWidth()) - origin.X), clamped(int64_t(ZoomedHeight()) - origin.Y)};
}

void TQonScrollBoxGeometry::ScrollTo(TQonScrollAxis axis, int32_t position) {
  bar(axis).Position = position;
  applyScroll();
  if (OnLayout) OnLayout();
  if (OnScroll) OnScroll();
}

TRect TQonScrollBoxGeometry::GetClipCells(const TRect& clip) const {
  const int32_t step = Step();
  const auto last = [step](int32_t edge) { return (edge % step == 0 ? edge - 1 : edge) / step; };
  return {clip.Left / step, clip.Top / step, last(clip.Right), last(clip.Bottom)};
}

TRect TQonScrollBoxGeometry::InvalidateCells(const TRect& cells) const {
  const TRect n = TRectNormalize(cells);
  const int64_t step = Step();
  return {clamped(n.Left * step), clamped(n.Top * step), clamped(n.Right * step + step), clamped(n.Bottom * step + step)};
}

void TQonScrollBoxGeometry::MouseDown(TQonMouseButton button, TQonShiftState shift, int32_t x, int32_t y) {
  if (button >= mbLeft && button <= mbMiddle) held_[button] = true;
  if (OnMouseDown) OnMouseDown(button, shift, toPicture(x), toPicture(y));
}

void TQonScrollBoxGeometry::MouseMove(TQonShiftState shift, int32_t x, int32_t y) {
  if (OnMouseMove) OnMouseMove(shift, toPicture(x), toPicture(y));
}

void TQonScrollBoxGeometry::MouseUp(TQonMouseButton button, TQonShiftState shift, int32_t x, int32_t y) {
  if (OnMouseUp) OnMouseUp(button, shift, toPicture(x), toPicture(y));
  if (button >= mbLeft && button <= mbMiddle) held_[button] = false;
}

TPoint TQonScrollBoxGeometry::TileToPaintBox(int32_t x, int32_t y) const {
  const TPoint origin = ContentOrigin();
  return {clamped(int64_t(x) + tile_.Left - scrollPanel_.Left + origin.X),
          clamped(int64_t(y) + tile_.Top - scrollPanel_.Top + origin.Y)};
}

bool TQonScrollBoxGeometry::IsButtonDown(int32_t button) const {
  return button >= mbLeft && button <= mbMiddle && held_[button];
}

}  // namespace zelvo
