#pragma once
// The game's shared event packages ("Data\Events.Dat"): int32 count, then each package's
// record. The list itself stores no base record.

#include <cstdint>
#include <memory>

#include "model/ModelItems.h"
#include "model/ZelvoEventPackageModel.h"

namespace zelvo {

class IZMLZelvoAPI;

class IZelvoEventPackageList : public virtual IZelvoModel {
 public:
  virtual void Clear() = 0;
  virtual int32_t GetCount() const = 0;
  virtual void Add(IZelvoEventPackageModelPtr package) = 0;
  // Before Index when 0 <= Index < count; any other Index appends.
  virtual void Insert(int32_t index, IZelvoEventPackageModelPtr package) = 0;
  // Nothing outside 0..count-1.
  virtual void Delete(int32_t index) = 0;
  // nullptr outside 0..count-1.
  virtual IZelvoEventPackageModelPtr GetItem(int32_t index) const = 0;
  // The first package, from index 0 up, with that ID; nullptr if none.
  virtual IZelvoEventPackageModelPtr GetByID(int32_t id) const = 0;
};

using IZelvoEventPackageListPtr = std::shared_ptr<IZelvoEventPackageList>;

class TZelvoEventPackageList : public TZelvoModel, public virtual IZelvoEventPackageList {
 public:
  // api is handed to every package the list reads; it is not owned.
  TZelvoEventPackageList(int32_t id, IZMLZelvoAPI* api);

  void SaveToStream(IZStream& stream) override;
  // Replaces the packages with the stored ones (fresh packages with ID -1, nothing drawn from
  // the game's counter); a count of 0 or less gives an empty list. A short or corrupt file
  // throws EFormatError and leaves the list as it was.
  void LoadFromStream(IZStream& stream) override;

  void Clear() override { packages_.clear(); }
  int32_t GetCount() const override { return packages_.count(); }
  void Add(IZelvoEventPackageModelPtr package) override { packages_.add(std::move(package)); }
  void Insert(int32_t index, IZelvoEventPackageModelPtr package) override {
    packages_.insertOrAppend(index, std::move(package));
  }
  void Delete(int32_t index) override { packages_.erase(index); }
  IZelvoEventPackageModelPtr GetItem(int32_t index) const override { return packages_.at(index); }
  IZelvoEventPackageModelPtr GetByID(int32_t id) const override { return packages_.firstWithID(id); }

 private:
  ModelItems<IZelvoEventPackageModel> packages_;
  IZMLZelvoAPI* api_;
};

}  // namespace zelvo
