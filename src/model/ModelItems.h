#pragma once
// The item vector behind every model list. Each list's own rules (insert outside the range,
// first or last match) are picked by which of these operations it calls.

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "model/ZelvoModel.h"
#include "platform/core/BinaryReader.h"
#include "platform/core/Errors.h"

namespace zelvo {

template <class Item>
class ModelItems {
 public:
  using Ptr = std::shared_ptr<Item>;

  void clear() { items_.clear(); }
  int32_t count() const { return static_cast<int32_t>(items_.size()); }
  bool valid(int32_t index) const { return index >= 0 && index < count(); }
  void add(Ptr item) { items_.push_back(std::move(item)); }

  // Before the item at index when 0 <= index < count; any other index appends.
  void insertOrAppend(int32_t index, Ptr item) {
    if (valid(index))
      items_.insert(items_.begin() + index, std::move(item));
    else
      add(std::move(item));
  }
  // Before the item at index when 0 <= index <= count (count appends); anything else is ignored.
  void insertUpToCount(int32_t index, Ptr item) {
    if (index >= 0 && index <= count()) items_.insert(items_.begin() + index, std::move(item));
  }
  // Before the item at index when 0 <= index < count; anything else is ignored.
  void insertInside(int32_t index, Ptr item) {
    if (valid(index)) items_.insert(items_.begin() + index, std::move(item));
  }

  // Nothing outside 0..count-1.
  void erase(int32_t index) {
    if (valid(index)) items_.erase(items_.begin() + index);
  }
  // nullptr outside 0..count-1.
  Ptr at(int32_t index) const { return valid(index) ? items_[static_cast<size_t>(index)] : nullptr; }
  // EIndexError outside 0..count-1.
  const Ptr& checkedAt(int32_t index, const char* what) const {
    if (!valid(index)) throw EIndexError(what, index, count());
    return items_[static_cast<size_t>(index)];
  }
  void exchange(int32_t a, int32_t b, const char* what) {
    checkedAt(a, what);
    checkedAt(b, what);
    std::swap(items_[static_cast<size_t>(a)], items_[static_cast<size_t>(b)]);
  }

  int32_t indexOfID(int32_t id) const {
    for (size_t i = 0; i < items_.size(); ++i)
      if (items_[i] && items_[i]->GetID() == id) return static_cast<int32_t>(i);
    return -1;
  }
  int32_t lastIndexOfID(int32_t id) const {
    for (size_t i = items_.size(); i-- > 0;)
      if (items_[i] && items_[i]->GetID() == id) return static_cast<int32_t>(i);
    return -1;
  }
  Ptr firstWithID(int32_t id) const { return at(indexOfID(id)); }
  Ptr lastWithID(int32_t id) const { return at(lastIndexOfID(id)); }
  int32_t indexOf(const Item* item) const {
    for (size_t i = 0; i < items_.size(); ++i)
      if (items_[i].get() == item) return static_cast<int32_t>(i);
    return -1;
  }

  // int32 count, then each item's record.
  void save(IZStream& stream) const {
    BinaryWriter(stream).writeInt32(count());
    for (const Ptr& item : items_) item->SaveToStream(stream);
  }

  // Reads a count and that many records, each into make()'s fresh item. The list changes only
  // when every record read; a short or corrupt file throws and leaves it as it was.
  template <class Make>
  void load(IZStream& stream, Make make, int64_t minRecordBytes = kMinBaseRecordBytes) {
    BinaryReader r(stream);
    int32_t n = r.readCount(minRecordBytes);
    std::vector<Ptr> read;
    read.reserve(static_cast<size_t>(n));
    for (int32_t i = 0; i < n; ++i) {
      Ptr item = make();
      item->LoadFromStream(stream);
      read.push_back(std::move(item));
    }
    items_ = std::move(read);
  }

  std::vector<Ptr>& items() { return items_; }
  const std::vector<Ptr>& items() const { return items_; }

 private:
  std::vector<Ptr> items_;
};

}  // namespace zelvo
