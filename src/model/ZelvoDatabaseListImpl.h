#pragma once
// The members of TZelvoDatabaseList; included only by the source file that instantiates a list.

#include <vector>

#include "model/ZelvoDatabaseList.h"

namespace zelvo {

template <class IList, class Item>
void TZelvoDatabaseList<IList, Item>::Clear() {
  items_.clear();
}

template <class IList, class Item>
int32_t TZelvoDatabaseList<IList, Item>::GetCount() const {
  return items_.count();
}

template <class IList, class Item>
void TZelvoDatabaseList<IList, Item>::Add(std::shared_ptr<Item> item) {
  if (item) items_.add(std::move(item));
}

template <class IList, class Item>
void TZelvoDatabaseList<IList, Item>::Insert(int32_t index, std::shared_ptr<Item> item) {
  if (item) items_.insertInside(index, std::move(item));
}

template <class IList, class Item>
void TZelvoDatabaseList<IList, Item>::Delete(int32_t index) {
  items_.erase(index);
}

template <class IList, class Item>
std::shared_ptr<Item> TZelvoDatabaseList<IList, Item>::GetItem(int32_t index) const {
  return items_.at(index);
}

template <class IList, class Item>
std::shared_ptr<Item> TZelvoDatabaseList<IList, Item>::FindByID(int32_t id) const {
  return items_.firstWithID(id);
}

template <class IList, class Item>
void TZelvoDatabaseList<IList, Item>::SaveToStream(IZStream& stream) {
  items_.save(stream);
}

template <class IList, class Item>
void TZelvoDatabaseList<IList, Item>::LoadFromStream(IZStream& stream) {
  BinaryReader reader(stream);
  int32_t n = ReadRecordCount(reader, MinRecordBytes());
  std::vector<std::shared_ptr<Item>> read;
  read.reserve(static_cast<size_t>(n));
  for (int32_t i = 0; i < n; ++i) {
    std::shared_ptr<Item> record = NewRecord();
    record->LoadFromStream(stream);
    read.push_back(std::move(record));
  }
  items_.items() = std::move(read);
}

}  // namespace zelvo
