#pragma once
// A character's capability record: 16 base values and 16 growth values (level, HP, MP and so
// on, as the editor labels them; the model gives the indexes no meaning).

#include <array>
#include <cstdint>
#include <memory>

#include "model/ZelvoModel.h"

namespace zelvo {

class IZelvoCapabilityModel : public virtual IZelvoModel {
 public:
  // -1 outside 0..15.
  virtual int32_t GetValue(int32_t index) const = 0;
  virtual int32_t GetGrowth(int32_t index) const = 0;
  // Outside 0..15 is ignored.
  virtual void SetValue(int32_t index, int32_t value) = 0;
  virtual void SetGrowth(int32_t index, int32_t value) = 0;
};

using IZelvoCapabilityModelPtr = std::shared_ptr<IZelvoCapabilityModel>;

// Record: the base record, the 16 base values, the 16 growth values (int32 each).
class TZelvoCapabilityModel : public TZelvoModel, public virtual IZelvoCapabilityModel {
 public:
  static constexpr int32_t kValueCount = 16;
  static constexpr int64_t kMinRecordBytes = kMinBaseRecordBytes + 2 * kValueCount * 4;

  explicit TZelvoCapabilityModel(int32_t id);

  int32_t GetValue(int32_t index) const override;
  int32_t GetGrowth(int32_t index) const override;
  void SetValue(int32_t index, int32_t value) override;
  void SetGrowth(int32_t index, int32_t value) override;

  void SaveToStream(IZStream& stream) override;
  void LoadFromStream(IZStream& stream) override;

 private:
  using Values = std::array<int32_t, kValueCount>;
  static bool inRange(int32_t index) { return index >= 0 && index < kValueCount; }

  Values values_;
  Values growth_;
};

}  // namespace zelvo
