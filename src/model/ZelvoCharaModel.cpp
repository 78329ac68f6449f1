#include "model/ZelvoCharaModel.h"

namespace zelvo {

TZelvoCharaModel::TZelvoCharaModel(int32_t id, std::shared_ptr<IZelvoCapabilityModel> capability)
    : TZelvoCollisionableModel(id),
      capability_(capability ? std::move(capability) : std::make_shared<TZelvoCapabilityModel>(-1)) {
  SetName(kNewName);
}

void TZelvoCharaModel::SaveToStream(IZStream& stream) {
  TZelvoCollisionableModel::SaveToStream(stream);
  capability_->SaveToStream(stream);
}

void TZelvoCharaModel::LoadFromStream(IZStream& stream) {
  RecordState before = SaveRecordState();
  TZelvoCollisionableModel::LoadFromStream(stream);
  try {
    capability_->LoadFromStream(stream);
  } catch (...) {
    RestoreRecordState(std::move(before));
    throw;
  }
}

}  // namespace zelvo
