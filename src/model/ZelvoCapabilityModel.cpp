#include "model/ZelvoCapabilityModel.h"

#include "platform/core/BinaryReader.h"

namespace zelvo {

TZelvoCapabilityModel::TZelvoCapabilityModel(int32_t id)
    : TZelvoModel(id),
      values_{1, 100, 10, 30, 20, 25, 15, 25, 50},
      growth_{1, 15, 8, 10, 7, 9, 8, 12, 9} {}

int32_t TZelvoCapabilityModel::GetValue(int32_t index) const {
  return inRange(index) ? values_[static_cast<size_t>(index)] : -1;
}

int32_t TZelvoCapabilityModel::GetGrowth(int32_t index) const {
  return inRange(index) ? growth_[static_cast<size_t>(index)] : -1;
}

void TZelvoCapabilityModel::SetValue(int32_t index, int32_t value) {
  if (inRange(index)) values_[static_cast<size_t>(index)] = value;
}

void TZelvoCapabilityModel::SetGrowth(int32_t index, int32_t value) {
  if (inRange(index)) growth_[static_cast<size_t>(index)] = value;
}

void TZelvoCapabilityModel::SaveToStream(IZStream& stream) {
  TZelvoModel::SaveToStream(stream);
  BinaryWriter w(stream);
  for (int32_t v : values_) w.writeInt32(v);
  for (int32_t v : growth_) w.writeInt32(v);
}

void TZelvoCapabilityModel::LoadFromStream(IZStream& stream) {
  TBaseRecord base = ReadBaseRecord(stream);
  BinaryReader r(stream);
  r.requireAvailable(2 * kValueCount * 4, "capability values");
  Values values, growth;
  for (int32_t& v : values) v = r.readInt32();
  for (int32_t& v : growth) v = r.readInt32();
  CommitBase(std::move(base));
  values_ = values;
  growth_ = growth;
}

}  // namespace zelvo
