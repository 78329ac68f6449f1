#include "model/ZelvoEventPackageIDList.h"

#include <algorithm>

#include "model/ZMLZelvoAPI.h"
#include "platform/core/BinaryReader.h"
#include "platform/core/Errors.h"

namespace zelvo {

TZelvoEventPackageIDList::TZelvoEventPackageIDList(int32_t id, IZMLZelvoAPI* api) : TZelvoModel(id), api_(api) {}

void TZelvoEventPackageIDList::SaveToStream(IZStream& stream) {
  BinaryWriter w(stream);
  w.writeInt32(GetCount());
  for (int32_t id : ids_) w.writeInt32(id);
}

void TZelvoEventPackageIDList::LoadFromStream(IZStream& stream) {
  BinaryReader r(stream);
  int32_t n = r.readCount(4);
  std::vector<int32_t> ids(static_cast<size_t>(n));
  for (auto& id : ids) id = r.readInt32();
  ids_ = std::move(ids);
}

void TZelvoEventPackageIDList::Add(IZelvoEventPackageModelPtr package) {
  if (package) ids_.push_back(package->GetID());
}

void TZelvoEventPackageIDList::Insert(int32_t index, IZelvoEventPackageModelPtr package) {
  if (!package) return;
  if (index < 0 || index >= GetCount())
    ids_.push_back(package->GetID());
  else
    ids_.insert(ids_.begin() + index, package->GetID());
}

void TZelvoEventPackageIDList::Delete(int32_t index) {
  if (index >= 0 && index < GetCount()) ids_.erase(ids_.begin() + index);
}

IZelvoEventPackageModelPtr TZelvoEventPackageIDList::Resolve(int32_t id) const {
  auto list = api_ ? api_->GetEventPackageList() : nullptr;
  return list ? list->GetByID(id) : nullptr;
}

IZelvoEventPackageModelPtr TZelvoEventPackageIDList::GetItem(int32_t index) const {
  if (index < 0 || index >= GetCount()) return nullptr;
  return Resolve(ids_[size_t(index)]);
}

IZelvoEventPackageModelPtr TZelvoEventPackageIDList::GetByID(int32_t id) const {
  if (std::find(ids_.begin(), ids_.end(), id) == ids_.end()) return nullptr;
  return Resolve(id);
}

int32_t TZelvoEventPackageIDList::GetID(int32_t index) const {
  if (index < 0 || index >= GetCount()) throw EIndexError("event package ID", index, GetCount());
  return ids_[size_t(index)];
}

void TZelvoEventPackageIDList::RemoveID(int32_t id) { std::erase(ids_, id); }

}  // namespace zelvo
