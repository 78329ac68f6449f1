#include "model/ZelvoEventModel.h"

namespace zelvo {

TZelvoEventModel::TZelvoEventModel(int32_t id, IZMLZelvoAPI* api) : TZelvoModel(id), api_(api) {}

void TZelvoEventModel::SaveToStream(IZStream& stream) {
  TZelvoModel::SaveToStream(stream);
  actions_.save(stream);
}

void TZelvoEventModel::LoadFromStream(IZStream& stream) {
  TBaseRecord base = ReadBaseRecord(stream);
  actions_.load(stream, [this] { return std::make_shared<TZelvoActionModel>(-1, api_); },
                TZelvoActionModel::kMinRecordBytes);
  CommitBase(std::move(base));
}

}  // namespace zelvo
