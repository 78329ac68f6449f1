#pragma once
// The game's ID counter, kept in "IDDoc.rid" as one int32: the next ID to give out.

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
};

class TZelvoModelIDManager final : public IZelvoModelIDManager {
 public:
  int32_t NewID() override { return next_++; }
  void SaveToStream(IZStream& stream) override;
  void LoadFromStream(IZStream& stream) override;
  int32_t PeekID() const override { return next_; }

 private:
  int32_t next_ = 1;
};

}  // namespace zelvo
