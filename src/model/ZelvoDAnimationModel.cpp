#include "model/ZelvoDAnimationModel.h"

#include "platform/core/BinaryReader.h"

namespace zelvo {

TZelvoDAnimationModel::TZelvoDAnimationModel(int32_t id) : TZelvoModel(id) { SetFourDirections(); }

void TZelvoDAnimationModel::setFlags(std::initializer_list<int> on, std::initializer_list<int> off) {
  for (int i : on) flags_[static_cast<size_t>(i)] = 1;
  for (int i : off) flags_[static_cast<size_t>(i)] = 0;
}

void TZelvoDAnimationModel::SetDirectionEnabled(int32_t index, bool value) {
  if (index >= 0 && index < kDirectionCount) flags_[static_cast<size_t>(index)] = value ? 1 : 0;
}

bool TZelvoDAnimationModel::GetDirectionEnabled(int32_t index) const {
  return index >= 0 && index < kDirectionCount && flags_[static_cast<size_t>(index)] != 0;
}

void TZelvoDAnimationModel::SetFourDirections() { setFlags({0, 2, 4, 6}, {1, 3, 5, 7, 8, 9}); }
void TZelvoDAnimationModel::SetEightDirections() { setFlags({0, 1, 2, 3, 4, 5, 6, 7, 9}, {8}); }
void TZelvoDAnimationModel::SetFourDirectionsSpecial() { setFlags({0, 2, 4, 6, 8}, {1, 3, 5, 7, 9}); }

int32_t TZelvoDAnimationModel::GetDirectionIndex(int32_t index) const {
  if (!GetDirectionEnabled(index)) return -1;
  int32_t row = 0;
  for (int32_t i = 0; i < index; ++i)
    if (GetDirectionEnabled(i)) ++row;
  return row;
}

void TZelvoDAnimationModel::SaveToStream(IZStream& stream) {
  TZelvoModel::SaveToStream(stream);
  BinaryWriter w(stream);
  w.writeBytes(flags_.data(), kFlagBytes);
  w.writeInt32(patternCount_);
  w.writeInt32(width_);
  w.writeInt32(height_);
  w.writeInt32(framesPerStep_);
}

void TZelvoDAnimationModel::LoadFromStream(IZStream& stream) {
  TZelvoDAnimationModel read(-1);
  TBaseRecord base = ReadBaseRecord(stream);
  BinaryReader r(stream);
  r.readBytes(read.flags_.data(), kFlagBytes);
  read.patternCount_ = r.readInt32();
  read.width_ = r.readInt32();
  read.height_ = r.readInt32();
  read.framesPerStep_ = r.readInt32();
  *this = read;
  CommitBase(std::move(base));
}

}  // namespace zelvo
