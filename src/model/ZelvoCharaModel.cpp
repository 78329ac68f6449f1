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

// The capability reads whole or not at all, so the chara keeps its own part only after it.
void TZelvoCharaModel::LoadFromStream(IZStream& stream) {
  Record record = ReadRecord(stream);
  capability_->LoadFromStream(stream);
  CommitRecord(std::move(record));
}

}  // namespace zelvo
