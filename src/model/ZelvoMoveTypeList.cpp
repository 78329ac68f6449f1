#include "model/ZelvoMoveTypeList.h"

#include "platform/core/BinaryReader.h"
#include "platform/core/Errors.h"

namespace zelvo {

void TZelvoMoveTypeList::Insert(int32_t index, std::shared_ptr<IZelvoMoveTypeModel> moveType) {
  if (index < 0 || index > items_.count()) throw EIndexError("move type", index, items_.count());
  if (moveType) items_.insertUpToCount(index, std::move(moveType));
}

void TZelvoMoveTypeList::Delete(int32_t index) {
  items_.checkedAt(index, "move type");
  items_.erase(index);
}

void TZelvoMoveTypeList::SaveToStream(IZStream& stream) {
  BinaryWriter w(stream);
  w.writeInt32(header_);
  w.writeInt32(items_.count());
  for (const auto& moveType : items_.items()) {
    w.writeInt32(moveType->GetID());
    moveType->SaveToStream(stream);
  }
}

void TZelvoMoveTypeList::LoadFromStream(IZStream& stream) {
  BinaryReader r(stream);
  int32_t header = r.readInt32();
  int32_t n = r.readCount(4 + kMinBaseRecordBytes + TZelvoMoveTypeModel::kOwnBytes);
  std::vector<std::shared_ptr<IZelvoMoveTypeModel>> read;
  read.reserve(static_cast<size_t>(n));
  for (int32_t i = 0; i < n; ++i) {
    auto moveType = std::make_shared<TZelvoMoveTypeModel>(r.readInt32());
    moveType->LoadFromStream(stream);
    read.push_back(std::move(moveType));
  }
  header_ = header;
  items_.items() = std::move(read);
}

}  // namespace zelvo
