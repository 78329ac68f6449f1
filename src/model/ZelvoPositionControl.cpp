#include "model/ZelvoPositionControl.h"

#include <algorithm>

#include "model/ZelvoMapFloorModel.h"
#include "model/ZelvoMapModel.h"
#include "platform/core/GameGeometry.h"

namespace zelvo {
namespace {

// ex and ey beyond this would reach past offset 10.
constexpr int32_t kMaxSpan = IZelvoMapPositionControl::kReach + 1;

int32_t chipsCovered(int32_t position, int32_t size) {
  int32_t s = position % kChip + size;
  return s / kChip + (s % kChip > 0 ? 1 : 0);
}

}  // namespace

TZelvoMapPositionControl::TZelvoMapPositionControl() {
  for (auto& column : grid_) std::fill(std::begin(column), std::end(column), kUnset);
}

void TZelvoMapPositionControl::SetPosition(int32_t x, int32_t y, int32_t floorIndex) {
  x_ = x;
  y_ = y;
  startFloor_ = floorIndex;
  if (map_) Recompute();
}

void TZelvoMapPositionControl::SetSize(int32_t width, int32_t height) {
  width_ = width;
  height_ = height;
  if (!map_) return;
  // A map of width or height 0 leaves that coordinate as it is rather than divide by zero.
  int64_t spanX = int64_t(map_->GetWidth()) * kChip;
  int64_t spanY = int64_t(map_->GetHeight()) * kChip;
  if (spanX > 0) x_ = static_cast<int32_t>(x_ % spanX);
  if (spanY > 0) y_ = static_cast<int32_t>(y_ % spanY);
  Recompute();
}

ZelvoCommonTypes::TPoint TZelvoMapPositionControl::GetChipExtent() const {
  return {chipsCovered(x_, width_), chipsCovered(y_, height_)};
}

int32_t TZelvoMapPositionControl::GetGridValue(int32_t dx, int32_t dy) const {
  if (dx < -kReach || dx > kReach || dy < -kReach || dy > kReach) return kUnset;
  return grid_[dx + kReach][dy + kReach];
}

void TZelvoMapPositionControl::Put(int32_t dx, int32_t dy, int32_t value) {
  if (dx < -kReach || dx > kReach || dy < -kReach || dy > kReach) return;
  grid_[dx + kReach][dy + kReach] = value;
}

int32_t TZelvoMapPositionControl::StepFrom(int32_t fromDX, int32_t fromDY, int32_t cx, int32_t cy,
                                           int32_t direction) const {
  int32_t floorIndex = GetGridValue(fromDX, fromDY);
  if (floorIndex == -1 || floorIndex == kUnset) return -1;
  auto floor = map_->GetFloor(floorIndex);
  if (!floor) return -1;
  return floor->GetStepFloor(cx + fromDX, cy + fromDY, direction);
}

void TZelvoMapPositionControl::Recompute() {
  using D = IZelvoMapFloorModel::Direction;
  const ZelvoCommonTypes::TPoint extent = GetChipExtent();
  const int32_t ex = std::min(extent.X + 2, kMaxSpan);
  const int32_t ey = std::min(extent.Y + 2, kMaxSpan);
  const int32_t cx = x_ / kChip;
  const int32_t cy = y_ / kChip;
  for (int32_t dx = -2; dx <= 9; ++dx)
    for (int32_t dy = -2; dy <= 9; ++dy) Put(dx, dy, kUnset);
  for (int32_t dy = 0; dy < ey; ++dy)
    for (int32_t dx = 0; dx < ex; ++dx) {
      if (dx == 0 && dy == 0)
        Put(0, 0, startFloor_);
      else if (dy > 0)
        Put(dx, dy, StepFrom(dx, dy - 1, cx, cy, D::Down));
      else
        Put(dx, 0, StepFrom(dx - 1, 0, cx, cy, D::Right));
    }
  for (int32_t dy = -1; dy >= -2; --dy)
    for (int32_t dx = 0; dx < ex; ++dx) Put(dx, dy, StepFrom(dx, dy + 1, cx, cy, D::Up));
  for (int32_t dx = -1; dx >= -2; --dx)
    for (int32_t dy = -2; dy < ey; ++dy) Put(dx, dy, StepFrom(dx + 1, dy, cx, cy, D::Left));
  allReachable_ = true;
  for (int32_t dx = 0; dx < std::min(extent.X, kMaxSpan - 2); ++dx)
    for (int32_t dy = 0; dy < std::min(extent.Y, kMaxSpan - 2); ++dy)
      if (GetGridValue(dx, dy) == -1) allReachable_ = false;
}

int32_t TZelvoMapPositionControl::GetMaxInRect(int32_t left, int32_t top, int32_t right, int32_t bottom) const {
  const int64_t fx = x_ % kChip;
  const int64_t fy = y_ % kChip;
  const int64_t origin = int64_t(kReach) * kChip;
  auto index = [](int64_t pixel) { return std::clamp<int64_t>(pixel / kChip, 0, kSide - 1); };
  const int64_t fromX = fx - left + origin, toX = fx + width_ + right + origin;
  const int64_t fromY = fy - top + origin, toY = fy + height_ + bottom + origin;
  int32_t best = -1;
  bool any = false;
  for (int64_t ax = index(fromX); ax <= index(toX); ++ax)
    for (int64_t ay = index(fromY); ay <= index(toY); ++ay) {
      int32_t v = grid_[ax][ay];
      if (v == kUnset) continue;
      if (!any || v > best) best = v;
      any = true;
    }
  return any ? best : -1;
}

}  // namespace zelvo
