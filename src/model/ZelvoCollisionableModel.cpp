#include "model/ZelvoCollisionableModel.h"

#include "model/ZMLZelvoAPI.h"
#include "model/ZelvoCollisionModelList.h"
#include "model/ZelvoDAnimationModelList.h"
#include "model/ZelvoStylePackage.h"
#include "platform/core/BinaryReader.h"

namespace zelvo {

TZelvoCollisionableModel::TZelvoCollisionableModel(int32_t id) : TZelvoModel(id) {}

namespace {
template <class Model>
int32_t idOf(const std::shared_ptr<Model>& model) {
  return model ? model->GetID() : -1;
}
}  // namespace

void TZelvoCollisionableModel::SaveToStream(IZStream& stream) {
  TZelvoModel::SaveToStream(stream);
  ids_ = {idOf(collision_), idOf(dAnimation_), idOf(material_)};
  BinaryWriter w(stream);
  w.writeInt32(ids_.collision);
  w.writeInt32(ids_.dAnimation);
  w.writeInt32(ids_.material);
}

TZelvoCollisionableModel::Record TZelvoCollisionableModel::ReadRecord(IZStream& stream) {
  BinaryReader r(stream);
  Record record{ReadBaseRecord(r), {}};
  record.ids.collision = r.readInt32();
  record.ids.dAnimation = r.readInt32();
  record.ids.material = r.readInt32();
  return record;
}

void TZelvoCollisionableModel::CommitRecord(Record record) {
  CommitBase(std::move(record.base));
  ids_ = record.ids;
}

void TZelvoCollisionableModel::LoadFromStream(IZStream& stream) { CommitRecord(ReadRecord(stream)); }

void TZelvoCollisionableModel::ResolveRefs(IZMLZelvoAPI* api) {
  std::shared_ptr<IZelvoCollisionModelList> collisions = api ? api->GetCollisionList() : nullptr;
  std::shared_ptr<IZelvoDAnimationModelList> dAnimations = api ? api->GetDAnimationList() : nullptr;
  std::shared_ptr<IZelvoMaterialPackage> materials = api ? api->GetMaterialRoot() : nullptr;
  // -1 names no model, even in a list that holds one not yet read (made with ID -1).
  collision_ = collisions && ids_.collision != -1 ? collisions->FindByID(ids_.collision) : nullptr;
  dAnimation_ = dAnimations && ids_.dAnimation != -1 ? dAnimations->FindByID(ids_.dAnimation) : nullptr;
  material_ = materials && ids_.material != -1 ? materials->FindByID(ids_.material) : nullptr;
}

}  // namespace zelvo
