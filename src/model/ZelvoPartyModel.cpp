#include "model/ZelvoPartyModel.h"

#include "model/ZelvoCharaModel.h"
#include "model/ZelvoDatabaseList.h"

namespace zelvo {

TZelvoPartyModel::TZelvoPartyModel(std::shared_ptr<IZelvoCharaModelList> charas) : charas_(std::move(charas)) {}

void TZelvoPartyModel::SavePartyToStream(IZStream& stream) {
  BinaryWriter w(stream);
  for (int32_t v : {mapID_, floorID_, param3_, param4_}) w.writeInt32(v);
  w.writeInt32(items_.count());
  for (const auto& member : items_.items()) w.writeInt32(member->GetID());
}

void TZelvoPartyModel::LoadPartyFromStream(IZStream& stream) {
  BinaryReader r(stream);
  r.requireAvailable(16, "party values");
  int32_t mapID = r.readInt32();
  int32_t floorID = r.readInt32();
  int32_t param3 = r.readInt32();
  int32_t param4 = r.readInt32();
  int32_t n = ReadRecordCount(r, 4);
  std::vector<std::shared_ptr<IZelvoCharaModel>> members;
  members.reserve(static_cast<size_t>(n));
  for (int32_t i = 0; i < n; ++i) {
    int32_t id = r.readInt32();
    // An ID the character list does not know is dropped.
    if (auto chara = charas_ ? charas_->GetByID(id) : nullptr) members.push_back(std::move(chara));
  }
  mapID_ = mapID;
  floorID_ = floorID;
  param3_ = param3;
  param4_ = param4;
  // Replaced, not appended to: loading a game again must not repeat its members.
  items_.items() = std::move(members);
}

}  // namespace zelvo
