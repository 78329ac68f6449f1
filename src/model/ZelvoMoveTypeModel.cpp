#include "model/ZelvoMoveTypeModel.h"

#include "platform/core/BinaryReader.h"

namespace zelvo {

namespace {
uint32_t bitOf(int32_t kind) { return 1u << (static_cast<uint32_t>(kind) & 31u); }
}  // namespace

void TZelvoMoveTypeModel::SetKindAllowed(int32_t kind, bool value) {
  kinds_ &= ~bitOf(kind);
  if (value) kinds_ |= bitOf(kind);
}

bool TZelvoMoveTypeModel::IsKindAllowed(int32_t kind) const { return (kinds_ & bitOf(kind)) != 0; }

void TZelvoMoveTypeModel::SaveToStream(IZStream& stream) {
  TZelvoModel::SaveToStream(stream);
  BinaryWriter w(stream);
  w.writeInt32(maxStep_);
  w.writeInt32(static_cast<int32_t>(kinds_));
}

void TZelvoMoveTypeModel::LoadFromStream(IZStream& stream) {
  TZelvoMoveTypeModel read(-1);
  TBaseRecord base = ReadBaseRecord(stream);
  BinaryReader r(stream);
  read.maxStep_ = r.readInt32();
  read.kinds_ = static_cast<uint32_t>(r.readInt32());
  *this = read;
  CommitBase(std::move(base));
}

}  // namespace zelvo
