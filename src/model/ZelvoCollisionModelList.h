#pragma once
// The collision list ("Collision.Dat") and the template it shares with the direction-animation
// list: int32 count, then each item's record. Insert outside 0..count-1 appends; lookups by ID
// return the first match.

#include <cstdint>
#include <memory>

#include "model/ModelItems.h"
#include "model/ZStream.h"
#include "model/ZelvoCollisionModel.h"

namespace zelvo {

class IZelvoCollisionModelList {
 public:
  using Item = IZelvoCollisionModel;
  virtual ~IZelvoCollisionModelList() = default;
  virtual void Clear() = 0;
  virtual int32_t GetCount() const = 0;
  // nullptr is ignored, here and by Insert.
  virtual void Add(std::shared_ptr<IZelvoCollisionModel> item) = 0;
  // Before the item at Index when 0 <= Index < count; any other Index appends.
  virtual void Insert(int32_t index, std::shared_ptr<IZelvoCollisionModel> item) = 0;
  // Nothing outside 0..count-1.
  virtual void Delete(int32_t index) = 0;
  // nullptr outside 0..count-1.
  virtual std::shared_ptr<IZelvoCollisionModel> GetItem(int32_t index) const = 0;
  virtual std::shared_ptr<IZelvoCollisionModel> FindByID(int32_t id) const = 0;
  virtual int32_t IndexOfID(int32_t id) const = 0;
  virtual void SaveToStream(IZStream& stream) = 0;
  // A short or corrupt file throws EFormatError and leaves the list as it was.
  virtual void LoadFromStream(IZStream& stream) = 0;
};

// Interface names the list's interface, Concrete the item class a read creates (with ID -1).
template <class Interface, class Concrete>
class TZelvoPlainModelList : public Interface {
 public:
  using Item = typename Interface::Item;
  using ItemPtr = std::shared_ptr<Item>;

  void Clear() override { items_.clear(); }
  int32_t GetCount() const override { return items_.count(); }
  void Add(ItemPtr item) override {
    if (item) items_.add(std::move(item));
  }
  void Insert(int32_t index, ItemPtr item) override {
    if (item) items_.insertOrAppend(index, std::move(item));
  }
  void Delete(int32_t index) override { items_.erase(index); }
  ItemPtr GetItem(int32_t index) const override { return items_.at(index); }
  ItemPtr FindByID(int32_t id) const override { return items_.firstWithID(id); }
  int32_t IndexOfID(int32_t id) const override { return items_.indexOfID(id); }
  void SaveToStream(IZStream& stream) override { items_.save(stream); }
  void LoadFromStream(IZStream& stream) override {
    items_.load(stream, [] { return std::make_shared<Concrete>(-1); }, kMinBaseRecordBytes + Concrete::kOwnBytes);
  }

 private:
  ModelItems<Item> items_;
};

class TZelvoCollisionModelList final : public TZelvoPlainModelList<IZelvoCollisionModelList, TZelvoCollisionModel> {};

}  // namespace zelvo
