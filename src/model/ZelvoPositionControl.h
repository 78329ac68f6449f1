#pragma once
// For an object standing at a pixel position with a size: on which floor each chip around it is
// reached by walking from the object's own chip, and whether every chip it covers is reachable.
// The grid spans 21 x 21 chips around the object's chip; an object larger than 9 x 9 chips is
// clipped to it, and nothing outside the grid is ever read or written.

#include <cstdint>
#include <memory>

#include "model/ZelvoCommonTypes.h"

namespace zelvo {

class IZelvoMapModel;

class IZelvoMapPositionControl {
 public:
  static constexpr int32_t kUnset = 0x7FFFFFFF;
  static constexpr int32_t kReach = 10;  // offsets run -10..10

  virtual ~IZelvoMapPositionControl() = default;
  // Stored only.
  virtual void SetOwner(std::shared_ptr<void> owner) = 0;
  // A back reference: the map must outlive the control.
  virtual void SetMap(IZelvoMapModel* map) = 0;
  virtual void SetPosition(int32_t x, int32_t y, int32_t floorIndex) = 0;
  virtual void SetSize(int32_t width, int32_t height) = 0;
  virtual ZelvoCommonTypes::TPoint GetChipExtent() const = 0;
  // kUnset outside -10..10.
  virtual int32_t GetGridValue(int32_t dx, int32_t dy) const = 0;
  virtual bool IsAllReachable() const = 0;
  // The largest floor index over the chips of a pixel rectangle given as margins around the
  // object; -1 when none.
  virtual int32_t GetMaxInRect(int32_t left, int32_t top, int32_t right, int32_t bottom) const = 0;
};

class TZelvoMapPositionControl final : public IZelvoMapPositionControl {
 public:
  TZelvoMapPositionControl();

  void SetOwner(std::shared_ptr<void> owner) override { owner_ = std::move(owner); }
  void SetMap(IZelvoMapModel* map) override { map_ = map; }
  void SetPosition(int32_t x, int32_t y, int32_t floorIndex) override;
  void SetSize(int32_t width, int32_t height) override;
  ZelvoCommonTypes::TPoint GetChipExtent() const override;
  int32_t GetGridValue(int32_t dx, int32_t dy) const override;
  bool IsAllReachable() const override { return allReachable_; }
  int32_t GetMaxInRect(int32_t left, int32_t top, int32_t right, int32_t bottom) const override;

 private:
  static constexpr int32_t kSide = 2 * kReach + 1;
  void Recompute();
  void Put(int32_t dx, int32_t dy, int32_t value);
  int32_t StepFrom(int32_t fromDX, int32_t fromDY, int32_t cx, int32_t cy, int32_t direction) const;

  int32_t grid_[kSide][kSide];  // [dx + 10][dy + 10]
  int32_t x_ = 0;
  int32_t y_ = 0;
  int32_t startFloor_ = 0;
  int32_t width_ = 0;
  int32_t height_ = 0;
  bool allReachable_ = false;
  IZelvoMapModel* map_ = nullptr;
  std::shared_ptr<void> owner_;
};

}  // namespace zelvo
