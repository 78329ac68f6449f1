#pragma once
// The game's characters, stored in "Data\Chara.Dat" as an int32 count and the characters'
// records. Not a model: no ID, no name.

#include <cstdint>
#include <memory>

#include "model/ModelItems.h"
#include "model/ZStream.h"

namespace zelvo {

class IZelvoCharaModel;
class IZMLZelvoAPI;

class IZelvoCharaModelList {
 public:
  virtual ~IZelvoCharaModelList() = default;
  virtual void Clear() = 0;
  virtual int32_t GetCount() const = 0;
  // nullptr is ignored.
  virtual void Add(std::shared_ptr<IZelvoCharaModel> chara) = 0;
  // Before index when 0 <= index < count; any other index (count included) is ignored.
  virtual void Insert(int32_t index, std::shared_ptr<IZelvoCharaModel> chara) = 0;
  // Outside 0..count-1 is ignored.
  virtual void Delete(int32_t index) = 0;
  // nullptr outside 0..count-1.
  virtual std::shared_ptr<IZelvoCharaModel> GetItem(int32_t index) const = 0;
  // The first character with that ID, from index 0 up; nullptr if none.
  virtual std::shared_ptr<IZelvoCharaModel> GetByID(int32_t id) const = 0;
  virtual void SaveToStream(IZStream& stream) = 0;
  // Replaces the list with the stored one; a short or corrupt file throws EFormatError and
  // leaves the list as it was.
  virtual void LoadFromStream(IZStream& stream) = 0;
  // Every character, in order, finds its collision, direction animation and material by the
  // IDs it stores; an ID that names nothing leaves that reference empty.
  virtual void ResolveAll(IZMLZelvoAPI& api) = 0;
};

using IZelvoCharaModelListPtr = std::shared_ptr<IZelvoCharaModelList>;

class TZelvoCharaModelList : public virtual IZelvoCharaModelList {
 public:
  void Clear() override { items_.clear(); }
  int32_t GetCount() const override { return items_.count(); }
  void Add(std::shared_ptr<IZelvoCharaModel> chara) override;
  void Insert(int32_t index, std::shared_ptr<IZelvoCharaModel> chara) override;
  void Delete(int32_t index) override { items_.erase(index); }
  std::shared_ptr<IZelvoCharaModel> GetItem(int32_t index) const override { return items_.at(index); }
  std::shared_ptr<IZelvoCharaModel> GetByID(int32_t id) const override;
  void SaveToStream(IZStream& stream) override;
  void LoadFromStream(IZStream& stream) override;
  void ResolveAll(IZMLZelvoAPI& api) override;

 protected:
  ModelItems<IZelvoCharaModel> items_;
};

}  // namespace zelvo
