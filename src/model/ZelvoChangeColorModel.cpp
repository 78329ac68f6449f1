#include "model/ZelvoChangeColorModel.h"

#include "platform/core/BinaryReader.h"

namespace zelvo {

void TZelvoChangeColorModel::SaveToStream(IZStream& stream) {
  TZelvoModel::SaveToStream(stream);
  BinaryWriter w(stream);
  w.writeInt32(0);
  w.writeInt32(source_);
  w.writeInt32(target_);
  const uint8_t useTopLeft = useTopLeft_ ? 1 : 0;
  const uint8_t blocks[8] = {uint8_t(ignoreSourceAlpha_ ? 1 : 0), useTopLeft, 0, 0,
                             useTopLeft, 0, 0, uint8_t(static_cast<uint32_t>(source_) & 0xFF)};
  w.writeBytes(blocks, sizeof blocks);
}

void TZelvoChangeColorModel::LoadFromStream(IZStream& stream) {
  TZelvoChangeColorModel read(-1);
  TBaseRecord base = ReadBaseRecord(stream);
  BinaryReader r(stream);
  r.readInt32();  // reserved
  uint32_t source = static_cast<uint32_t>(r.readInt32());
  read.target_ = r.readInt32();
  uint8_t blocks[8];
  r.readBytes(blocks, sizeof blocks);
  read.ignoreSourceAlpha_ = blocks[0] != 0;
  read.useTopLeft_ = blocks[4] != 0;
  read.source_ = static_cast<int32_t>((source & 0xFFFFFF00u) | blocks[7]);
  *this = read;
  CommitBase(std::move(base));
}

}  // namespace zelvo
