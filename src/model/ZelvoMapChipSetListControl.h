#pragma once
// All chip sets of a game: "Maps\MapChip.dat", an int32 count and that many chip-set records.
// Lookups by ID return the last match; index errors are EIndexError.

#include <cstdint>
#include <memory>

#include "model/ModelItems.h"
#include "model/ZStream.h"
#include "model/ZelvoMapChipSetModel.h"

namespace zelvo {

class IZelvoMapChipSetListControl {
 public:
  virtual ~IZelvoMapChipSetListControl() = default;
  // nullptr is ignored, here and by Insert.
  virtual void Add(std::shared_ptr<IZelvoMapChipSetModel> chipSet) = 0;
  // 0 <= Index <= count; EIndexError otherwise.
  virtual void Insert(int32_t index, std::shared_ptr<IZelvoMapChipSetModel> chipSet) = 0;
  // EIndexError outside 0..count-1.
  virtual void Delete(int32_t index) = 0;
  virtual void Exchange(int32_t i, int32_t j) = 0;
  virtual void Clear() = 0;
  virtual int32_t GetCount() const = 0;
  // EIndexError outside 0..count-1.
  virtual std::shared_ptr<IZelvoMapChipSetModel> GetItem(int32_t index) const = 0;
  // The last chip set with that ID; nullptr when none.
  virtual std::shared_ptr<IZelvoMapChipSetModel> FindByID(int32_t id) const = 0;
  // A short or corrupt file throws EFormatError and leaves the list as it was. The chip sets'
  // pictures are only IDs until each is given ResolveImage.
  virtual void LoadFromStream(IZStream& stream) = 0;
  // Drops every chip set flagged deleted from the list first, then writes the rest.
  virtual void SaveToStream(IZStream& stream) = 0;
};

class TZelvoMapChipSetListControl : public IZelvoMapChipSetListControl {
 public:
  void Add(std::shared_ptr<IZelvoMapChipSetModel> chipSet) override {
    if (chipSet) items_.add(std::move(chipSet));
  }
  void Insert(int32_t index, std::shared_ptr<IZelvoMapChipSetModel> chipSet) override;
  void Delete(int32_t index) override;
  void Exchange(int32_t i, int32_t j) override { items_.exchange(i, j, "chip set"); }
  void Clear() override { items_.clear(); }
  int32_t GetCount() const override { return items_.count(); }
  std::shared_ptr<IZelvoMapChipSetModel> GetItem(int32_t index) const override {
    return items_.checkedAt(index, "chip set");
  }
  std::shared_ptr<IZelvoMapChipSetModel> FindByID(int32_t id) const override { return items_.lastWithID(id); }
  void LoadFromStream(IZStream& stream) override;
  void SaveToStream(IZStream& stream) override;

 private:
  ModelItems<IZelvoMapChipSetModel> items_;
};

}  // namespace zelvo
