#pragma once
// The game's ID counter, kept in "IDDoc.rid" as one int32: the next ID to give out.

#include <climits>
#include <cstdint>
#include <memory>

#include "model/ZStream.h"

namespace zelvo {

class IZelvoModelIDManager {
 public:
  virtual ~IZelvoModelIDManager() = default;
  // Returns the counter, then adds 1.
  virtual int32_t NewID() = 0;
  virtual void SaveToStream(IZStream& stream) = 0;
  // Fewer than 4 bytes is a format error and leaves the counter as it was.
  virtual void LoadFromStream(IZStream& stream) = 0;
  // The next ID NewID will give, without drawing it.
  virtual int32_t PeekID() const = 0;
  // Moves the counter past usedID when it is not already; IDs the counter could never have
  // given (0 or less, or too close to the int32 limit) are left out.
  virtual void KeepAbove(int32_t usedID) = 0;
};

// A stored counter this close to the int32 limit would overflow as IDs are drawn.
inline constexpr int32_t kMaxModelIDCounter = INT32_MAX - (1 << 24);

class TZelvoModelIDManager final : public IZelvoModelIDManager {
 public:
  int32_t NewID() override { return next_++; }
  void SaveToStream(IZStream& stream) override;
  void LoadFromStream(IZStream& stream) override;
  int32_t PeekID() const override { return next_; }
  void KeepAbove(int32_t usedID) override {
    if (usedID > 0 && usedID < kMaxModelIDCounter && next_ <= usedID) next_ = usedID + 1;
  }

 private:
  int32_t next_ = 1;
};

}  // namespace zelvo
