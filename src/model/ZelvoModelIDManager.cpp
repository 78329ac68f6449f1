#include "model/ZelvoModelIDManager.h"

#include "platform/core/BinaryReader.h"

namespace zelvo {

void TZelvoModelIDManager::SaveToStream(IZStream& stream) { BinaryWriter(stream).writeInt32(next_); }

void TZelvoModelIDManager::LoadFromStream(IZStream& stream) { next_ = BinaryReader(stream).readInt32(); }

}  // namespace zelvo
