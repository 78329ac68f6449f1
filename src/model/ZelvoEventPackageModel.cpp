#include "model/ZelvoEventPackageModel.h"

namespace zelvo {

TZelvoEventPackageModel::TZelvoEventPackageModel(int32_t id, IZMLZelvoAPI* api) : TZelvoModel(id), api_(api) {
  SetName(("EventPackage" + std::to_string(id)).c_str());
}

void TZelvoEventPackageModel::SaveToStream(IZStream& stream) {
  TZelvoModel::SaveToStream(stream);
  events_.save(stream);
}

void TZelvoEventPackageModel::LoadFromStream(IZStream& stream) {
  const int32_t oldID = GetID();
  const std::string oldName = GetNameBytes();
  try {
    TZelvoModel::LoadFromStream(stream);
    events_.load(stream, [this] { return std::make_shared<TZelvoEventModel>(-1, api_); },
                 TZelvoEventModel::kMinRecordBytes);
  } catch (...) {
    SetID(oldID);
    SetNameBytes(oldName);
    throw;
  }
}

}  // namespace zelvo
