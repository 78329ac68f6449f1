#include "model/ZelvoMapChipSetIDListControl.h"

#include "platform/core/BinaryReader.h"
#include "platform/core/Errors.h"

namespace zelvo {

void TZelvoMapChipSetIDListControl::check(int32_t index, const char* what) const {
  if (index < 0 || index >= GetCount()) throw EIndexError(what, index, GetCount());
}

int32_t TZelvoMapChipSetIDListControl::AddID(int32_t id) {
  entries_.push_back({id, -1});
  return GetCount() - 1;
}

void TZelvoMapChipSetIDListControl::InsertID(int32_t index, int32_t id) {
  if (index < 0 || index > GetCount()) throw EIndexError("chip-set ID", index, GetCount());
  entries_.insert(entries_.begin() + index, {id, -1});
}

void TZelvoMapChipSetIDListControl::Delete(int32_t index) {
  check(index, "chip-set ID");
  entries_.erase(entries_.begin() + index);
}

void TZelvoMapChipSetIDListControl::Move(int32_t curIndex, int32_t newIndex) {
  check(curIndex, "chip-set ID");
  check(newIndex, "chip-set ID");
  TMapchipsetID entry = entries_[static_cast<size_t>(curIndex)];
  entries_.erase(entries_.begin() + curIndex);
  entries_.insert(entries_.begin() + newIndex, entry);
}

int32_t TZelvoMapChipSetIDListControl::GetID(int32_t index) const {
  check(index, "chip-set ID");
  return entries_[static_cast<size_t>(index)].ID;
}

void TZelvoMapChipSetIDListControl::resolve() {
  chipSets_ = mapTree_ ? mapTree_->GetChipSetList() : nullptr;
  const int32_t count = chipSets_ ? chipSets_->GetCount() : 0;
  for (TMapchipsetID& entry : entries_) {
    entry.Position = -1;
    for (int32_t i = count; i-- > 0;) {
      std::shared_ptr<IZelvoMapChipSetModel> set = chipSets_->GetItem(i);
      if (set && set->GetID() == entry.ID) {
        entry.Position = i;
        break;
      }
    }
  }
}

std::shared_ptr<IZelvoMapChipSetModel> TZelvoMapChipSetIDListControl::GetChipSet(int32_t index) {
  if (index < 0) throw EIndexError("chip-set ID", index, GetCount());
  resolve();
  if (index >= GetCount()) return nullptr;
  int32_t position = entries_[static_cast<size_t>(index)].Position;
  return position < 0 ? nullptr : chipSets_->GetItem(position);
}

bool TZelvoMapChipSetIDListControl::ContainsID(int32_t id) {
  resolve();
  for (const TMapchipsetID& entry : entries_)
    if (entry.Position >= 0 && chipSets_->GetItem(entry.Position)->GetID() == id) return true;
  return false;
}

void TZelvoMapChipSetIDListControl::SaveToStream(IZStream& stream) {
  TZelvoModel::SaveToStream(stream);
  BinaryWriter w(stream);
  w.writeInt32(GetCount());
  for (const TMapchipsetID& entry : entries_) w.writeInt32(entry.ID);
}

void TZelvoMapChipSetIDListControl::LoadFromStream(IZStream& stream) {
  TZelvoMapChipSetIDListControl read(-1);
  TBaseRecord base = ReadBaseRecord(stream);
  BinaryReader r(stream);
  int32_t n = r.readCount(4);
  read.entries_.reserve(static_cast<size_t>(n));
  for (int32_t i = 0; i < n; ++i) read.entries_.push_back({r.readInt32(), -1});
  read.mapTree_ = mapTree_;
  read.chipSets_ = chipSets_;
  *this = read;
  CommitBase(std::move(base));
}

}  // namespace zelvo
