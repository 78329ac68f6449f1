#include "model/ZelvoEventModel.h"

namespace zelvo {

TZelvoEventModel::TZelvoEventModel(int32_t id, IZMLZelvoAPI* api) : TZelvoModel(id), api_(api) {}

void TZelvoEventModel::SaveToStream(IZStream& stream) {
  TZelvoModel::SaveToStream(stream);
  actions_.save(stream);
}

void TZelvoEventModel::LoadFromStream(IZStream& stream) {
  const int32_t oldID = GetID();
  const std::string oldName = GetNameBytes();
  try {
    TZelvoModel::LoadFromStream(stream);
    actions_.load(stream, [this] { return std::make_shared<TZelvoActionModel>(-1, api_); },
                  TZelvoActionModel::kMinRecordBytes);
  } catch (...) {
    SetID(oldID);
    SetNameBytes(oldName);
    throw;
  }
}

}  // namespace zelvo
