#include "model/ZelvoCollisionModel.h"

#include "platform/core/BinaryReader.h"

namespace zelvo {

void TZelvoCollisionModel::SetRect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  rect_ = ZelvoCommonTypes::MakeRect(left, top, right, bottom);
}

void TZelvoCollisionModel::SaveToStream(IZStream& stream) {
  TZelvoModel::SaveToStream(stream);
  BinaryWriter w(stream);
  w.writeInt32(kind_);
  w.writeInt32(rect_.Left);
  w.writeInt32(rect_.Top);
  w.writeInt32(rect_.Right);
  w.writeInt32(rect_.Bottom);
  w.writeInt32(reserved_);
}

void TZelvoCollisionModel::LoadFromStream(IZStream& stream) {
  TZelvoCollisionModel read(-1);
  TBaseRecord base = ReadBaseRecord(stream);
  BinaryReader r(stream);
  read.kind_ = r.readInt32();
  read.rect_.Left = r.readInt32();
  read.rect_.Top = r.readInt32();
  read.rect_.Right = r.readInt32();
  read.rect_.Bottom = r.readInt32();
  read.reserved_ = r.readInt32();
  *this = read;
  CommitBase(std::move(base));
}

}  // namespace zelvo
