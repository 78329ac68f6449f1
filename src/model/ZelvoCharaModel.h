#pragma once
// A character ("キャラ"): a figure with collision, direction animation and picture, owning a
// capability record.

#include <cstdint>
#include <memory>

#include "model/ZelvoCapabilityModel.h"
#include "model/ZelvoCollisionableModel.h"

namespace zelvo {

class IZelvoCharaModel : public virtual IZelvoCollisionableModel {
 public:
  // The owned record, the same object each time.
  virtual std::shared_ptr<IZelvoCapabilityModel> GetCapability() = 0;
};

using IZelvoCharaModelPtr = std::shared_ptr<IZelvoCharaModel>;

// Record: the collisionable record, then the capability's record.
class TZelvoCharaModel : public TZelvoCollisionableModel, public virtual IZelvoCharaModel {
 public:
  static constexpr int64_t kMinRecordBytes = kMinBaseRecordBytes + 12 + TZelvoCapabilityModel::kMinRecordBytes;

  // Named "新規キャラ". Without a capability record it makes its own with ID -1.
  TZelvoCharaModel(int32_t id, std::shared_ptr<IZelvoCapabilityModel> capability);

  std::shared_ptr<IZelvoCapabilityModel> GetCapability() override { return capability_; }

  void SaveToStream(IZStream& stream) override;
  void LoadFromStream(IZStream& stream) override;

  // "新規キャラ" in CP932.
  static constexpr const char* kNewName = "\x90\x56\x8B\x4B\x83\x4C\x83\x83\x83\x89";

 private:
  std::shared_ptr<IZelvoCapabilityModel> capability_;
};

}  // namespace zelvo
