#include "model/ZelvoConditionModel.h"

#include <cstring>

#include "platform/core/BinaryReader.h"

namespace zelvo {

void TZelvoConditionModelItem::SetName(const char* name) {
  if (name) name_.assign(name, std::strlen(name) + 1);
}

int32_t TZelvoConditionModelItem::SetNumber(int32_t value) {
  if (value >= 0 && value < kLimit) number_ = value;
  return value;
}

int32_t TZelvoConditionModelItem::SetValue(int32_t value) {
  if (value >= 0 && value < kLimit) value_ = value;
  return value;
}

void TZelvoConditionModelItem::LoadFromStream(IZStream& stream) {
  BinaryReader r(stream);
  int32_t kind = r.readInt32();
  int32_t number = r.readInt32();
  int32_t value = r.readInt32();
  int32_t selection = r.readInt32();
  std::string name = r.readString(r.readLength());
  kind_ = kind;
  number_ = number;
  value_ = value;
  selection_ = selection;
  name_ = std::move(name);
}

void TZelvoConditionModelItem::SaveToStream(IZStream& stream) {
  BinaryWriter w(stream);
  w.writeInt32(kind_);
  w.writeInt32(number_);
  w.writeInt32(value_);
  w.writeInt32(selection_);
  w.writeInt32(static_cast<int32_t>(name_.size()));
  w.writeString(name_);
}

TZelvoConditionModel::TZelvoConditionModel(int32_t) : TZelvoModel(0) { TZelvoModel::SetName(""); }

void TZelvoConditionModel::SaveToStream(IZStream& stream) {
  BinaryWriter(stream).writeInt32(GetCount());
  for (const IZelvoConditionModelItemPtr& item : items_) item->SaveToStream(stream);
}

void TZelvoConditionModel::LoadFromStream(IZStream& stream) {
  BinaryReader r(stream);
  int32_t count = r.readCount(TZelvoConditionModelItem::kMinRecordBytes);
  std::vector<IZelvoConditionModelItemPtr> read;
  read.reserve(static_cast<size_t>(count));
  for (int32_t i = 0; i < count; ++i) {
    auto item = std::make_shared<TZelvoConditionModelItem>();
    item->LoadFromStream(stream);
    read.push_back(std::move(item));
  }
  items_.insert(items_.end(), read.begin(), read.end());
}

IZelvoConditionModelItemPtr TZelvoConditionModel::GetItem(int32_t index) const {
  return index >= 0 && index < GetCount() ? items_[static_cast<size_t>(index)] : nullptr;
}

void TZelvoConditionModel::Delete(int32_t index) {
  if (index >= 0 && index < GetCount()) items_.erase(items_.begin() + index);
}

void TZelvoConditionModel::Insert(int32_t index, IZelvoConditionModelItemPtr item) {
  if (index >= 0 && index < GetCount()) items_.insert(items_.begin() + index, std::move(item));
}

}  // namespace zelvo
