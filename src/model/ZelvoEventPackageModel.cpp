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
  TBaseRecord base = ReadBaseRecord(stream);
  events_.load(stream, [this] { return std::make_shared<TZelvoEventModel>(-1, api_); },
               TZelvoEventModel::kMinRecordBytes);
  CommitBase(std::move(base));
}

}  // namespace zelvo
