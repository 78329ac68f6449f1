#pragma once
// The shared event packages a map uses, held by ID and resolved through the game's event
// package list. Record: int32 count, then the IDs (no base record).

#include <cstdint>
#include <vector>

#include "model/ZelvoEventPackageList.h"

namespace zelvo {

class IZMLZelvoAPI;

class IZelvoEventPackageIDList : public virtual IZelvoEventPackageList {
 public:
  // EIndexError outside 0..count-1.
  virtual int32_t GetID(int32_t index) const = 0;
  // Removes every entry with that ID.
  virtual void RemoveID(int32_t id) = 0;
  virtual void SetAPI(IZMLZelvoAPI* api) = 0;
};

class TZelvoEventPackageIDList : public TZelvoModel, public virtual IZelvoEventPackageIDList {
 public:
  TZelvoEventPackageIDList(int32_t id, IZMLZelvoAPI* api);

  void SaveToStream(IZStream& stream) override;
  // A short or corrupt record throws EFormatError and leaves the list as it was.
  void LoadFromStream(IZStream& stream) override;

  void Clear() override { ids_.clear(); }
  int32_t GetCount() const override { return static_cast<int32_t>(ids_.size()); }
  // nullptr adds nothing.
  void Add(IZelvoEventPackageModelPtr package) override;
  // Appends when Index < 0 or Index >= count.
  void Insert(int32_t index, IZelvoEventPackageModelPtr package) override;
  // Nothing outside 0..count-1.
  void Delete(int32_t index) override;
  // nullptr outside the list or without an API.
  IZelvoEventPackageModelPtr GetItem(int32_t index) const override;
  // nullptr unless the ID is in the list.
  IZelvoEventPackageModelPtr GetByID(int32_t id) const override;
  int32_t GetID(int32_t index) const override;
  void RemoveID(int32_t id) override;
  void SetAPI(IZMLZelvoAPI* api) override { api_ = api; }

 private:
  IZelvoEventPackageModelPtr Resolve(int32_t id) const;

  std::vector<int32_t> ids_;
  IZMLZelvoAPI* api_ = nullptr;
};

}  // namespace zelvo
