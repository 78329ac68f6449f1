#include "model/ZelvoCharaModelList.h"

#include "model/ZelvoCharaModel.h"
#include "model/ZelvoDatabaseList.h"

namespace zelvo {

void TZelvoCharaModelList::Add(std::shared_ptr<IZelvoCharaModel> chara) {
  if (chara) items_.add(std::move(chara));
}

void TZelvoCharaModelList::Insert(int32_t index, std::shared_ptr<IZelvoCharaModel> chara) {
  if (chara) items_.insertInside(index, std::move(chara));
}

std::shared_ptr<IZelvoCharaModel> TZelvoCharaModelList::GetByID(int32_t id) const { return items_.firstWithID(id); }

void TZelvoCharaModelList::SaveToStream(IZStream& stream) { items_.save(stream); }

void TZelvoCharaModelList::LoadFromStream(IZStream& stream) {
  BinaryReader r(stream);
  int32_t n = ReadRecordCount(r, TZelvoCharaModel::kMinRecordBytes);
  std::vector<std::shared_ptr<IZelvoCharaModel>> read;
  read.reserve(static_cast<size_t>(n));
  for (int32_t i = 0; i < n; ++i) {
    auto chara = std::make_shared<TZelvoCharaModel>(-1, std::make_shared<TZelvoCapabilityModel>(-1));
    chara->LoadFromStream(stream);
    read.push_back(std::move(chara));
  }
  items_.items() = std::move(read);
}

void TZelvoCharaModelList::ResolveAll(IZMLZelvoAPI& api) {
  for (const auto& chara : items_.items()) chara->ResolveRefs(&api);
}

}  // namespace zelvo
