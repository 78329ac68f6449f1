#pragma once
// How a walker may move over a map: the largest height difference of one step and the ground
// kinds (bit n = kind n) it may stand on. Record after the base: max step, allowed kinds.

#include <cstdint>
#include <memory>

#include "model/ZelvoModel.h"

namespace zelvo {

class IZelvoMoveTypeModel : public virtual IZelvoModel {
 public:
  virtual void SetMaxStep(int32_t value) = 0;
  // Bit (Kind mod 32), as the low five bits of Kind pick it.
  virtual void SetKindAllowed(int32_t kind, bool value) = 0;
  virtual void SetKinds(int32_t bits) = 0;
  virtual int32_t GetMaxStep() const = 0;
  virtual bool IsKindAllowed(int32_t kind) const = 0;
  virtual int32_t GetKinds() const = 0;
};

class TZelvoMoveTypeModel : public TZelvoModel, public virtual IZelvoMoveTypeModel {
 public:
  static constexpr int64_t kOwnBytes = 8;

  // Step limit 0, nothing allowed.
  explicit TZelvoMoveTypeModel(int32_t id) : TZelvoModel(id) {}

  void SetMaxStep(int32_t value) override { maxStep_ = value; }
  void SetKindAllowed(int32_t kind, bool value) override;
  void SetKinds(int32_t bits) override { kinds_ = static_cast<uint32_t>(bits); }
  int32_t GetMaxStep() const override { return maxStep_; }
  bool IsKindAllowed(int32_t kind) const override;
  int32_t GetKinds() const override { return static_cast<int32_t>(kinds_); }

  void SaveToStream(IZStream& stream) override;
  void LoadFromStream(IZStream& stream) override;

 private:
  int32_t maxStep_ = 0;
  uint32_t kinds_ = 0;
};

}  // namespace zelvo
