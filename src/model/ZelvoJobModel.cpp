#include "model/ZelvoJobModel.h"

#include "model/ZelvoDatabaseListImpl.h"
#include "model/ZelvoIntParamsList.h"
#include "platform/core/BinaryReader.h"

namespace zelvo {

TZelvoJobModel::TZelvoJobModel(int32_t id) : TZelvoModel(id), effects_(std::make_shared<TZMLIntParamsList>()) {}

void TZelvoJobModel::SetLinkedModel1(std::shared_ptr<IZelvoModel> model) {
  if (!model) return;
  linkedID1_ = model->GetID();
  linked1_ = std::move(model);
}

void TZelvoJobModel::SetLinkedModel2(std::shared_ptr<IZelvoModel> model) {
  if (!model) return;
  linkedID2_ = model->GetID();
  linked2_ = std::move(model);
}

void TZelvoJobModel::SaveToStream(IZStream& stream) {
  TZelvoModel::SaveToStream(stream);
  BinaryWriter w(stream);
  w.writeInt32(linkedID1_);
  w.writeInt32(linkedID2_);
  effects_->SaveToStream(stream);
}

void TZelvoJobModel::LoadFromStream(IZStream& stream) {
  TBaseRecord base = ReadBaseRecord(stream);
  BinaryReader r(stream);
  int32_t id1 = r.readInt32();
  int32_t id2 = r.readInt32();
  auto effects = std::make_shared<TZMLIntParamsList>();
  effects->LoadFromStream(stream);
  CommitBase(std::move(base));
  linkedID1_ = id1;
  linkedID2_ = id2;
  // A reference kept from before would no longer match the IDs just read.
  linked1_.reset();
  linked2_.reset();
  // The table stays the same object: copy what was read into it (this cannot fail).
  TZStream copy("", TZStream::Memory);
  effects->SaveToStream(copy);
  copy.Seek(0);
  effects_->LoadFromStream(copy);
}

template class TZelvoDatabaseList<IZelvoJobModelList, IZelvoJobModel>;

std::shared_ptr<IZelvoJobModel> TZelvoJobModelList::NewRecord() const { return std::make_shared<TZelvoJobModel>(-1); }

}  // namespace zelvo
