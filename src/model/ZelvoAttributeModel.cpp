#include "model/ZelvoAttributeModel.h"

#include "model/ZelvoDatabaseListImpl.h"
#include "platform/core/BinaryReader.h"

namespace zelvo {

TZelvoAttributeModel::TZelvoAttributeModel(int32_t id) : TZelvoModel(id) {
  flags_.fill(1);
  attack_.fill(100);
  defence_.fill(100);
}

int32_t TZelvoAttributeModel::GetAttack(int32_t index) const {
  return inRange(index) ? attack_[static_cast<size_t>(index)] : -1;
}

int32_t TZelvoAttributeModel::GetDefence(int32_t index) const {
  return inRange(index) ? defence_[static_cast<size_t>(index)] : -1;
}

uint8_t TZelvoAttributeModel::GetFlag(int32_t index) const {
  return inRange(index) ? flags_[static_cast<size_t>(index)] : 255;
}

void TZelvoAttributeModel::SetAttack(int32_t index, int32_t value) {
  if (inRange(index)) attack_[static_cast<size_t>(index)] = value;
}

void TZelvoAttributeModel::SetDefence(int32_t index, int32_t value) {
  if (inRange(index)) defence_[static_cast<size_t>(index)] = value;
}

void TZelvoAttributeModel::SetFlag(int32_t index, uint8_t value) {
  if (inRange(index)) flags_[static_cast<size_t>(index)] = value;
}

void TZelvoAttributeModel::SaveToStream(IZStream& stream) {
  TZelvoModel::SaveToStream(stream);
  BinaryWriter w(stream);
  w.writeBytes(flags_.data(), kEntryCount);
  for (int32_t v : attack_) w.writeInt32(v);
  for (int32_t v : defence_) w.writeInt32(v);
}

void TZelvoAttributeModel::LoadFromStream(IZStream& stream) {
  TBaseRecord base = ReadBaseRecord(stream);
  BinaryReader r(stream);
  r.requireAvailable(kEntryCount * 9, "attribute entries");
  decltype(flags_) flags;
  decltype(attack_) attack;
  decltype(defence_) defence;
  r.readBytes(flags.data(), kEntryCount);
  for (int32_t& v : attack) v = r.readInt32();
  for (int32_t& v : defence) v = r.readInt32();
  CommitBase(std::move(base));
  flags_ = flags;
  attack_ = attack;
  defence_ = defence;
}

template class TZelvoDatabaseList<IZelvoAttributeModelList, IZelvoAttributeModel>;

std::shared_ptr<IZelvoAttributeModel> TZelvoAttributeModelList::NewRecord() const {
  return std::make_shared<TZelvoAttributeModel>(-1);
}

}  // namespace zelvo
