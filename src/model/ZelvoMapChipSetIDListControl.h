#pragma once
// A map's chip sets, named by ID and resolved against the game's chip-set list, which the map
// tree holds. Record: the base record, an int32 count and that many chip-set IDs.

#include <cstdint>
#include <memory>
#include <vector>

#include "model/ZelvoMapChipSetListControl.h"
#include "model/ZelvoModel.h"

namespace zelvo {

// What a chip-set ID list resolves against: the map tree implements it (its GetChipSetList).
class IZelvoMapChipSetListSource {
 public:
  virtual ~IZelvoMapChipSetListSource() = default;
  virtual std::shared_ptr<IZelvoMapChipSetListControl> GetChipSetList() = 0;
};

// One entry: the chip-set ID and its position in the chip-set list (-1 when unresolved).
struct TMapchipsetID {
  int32_t ID = 0;
  int32_t Position = -1;
};

class IZelvoMapChipSetIDListControl : public virtual IZelvoModel {
 public:
  // Not owned; nullptr leaves every entry unresolved.
  virtual void SetMapTree(IZelvoMapChipSetListSource* mapTree) = 0;
  virtual IZelvoMapChipSetListSource* GetMapTree() const = 0;
  // Returns the new entry's index.
  virtual int32_t AddID(int32_t id) = 0;
  // 0 <= Index <= count; EIndexError otherwise.
  virtual void InsertID(int32_t index, int32_t id) = 0;
  // EIndexError outside 0..count-1 (also for Move and GetID).
  virtual void Delete(int32_t index) = 0;
  virtual void Move(int32_t curIndex, int32_t newIndex) = 0;
  virtual int32_t GetCount() const = 0;
  virtual int32_t GetID(int32_t index) const = 0;
  // Resolves every entry first; nullptr when Index >= count or the entry is unresolved;
  // EIndexError for a negative Index.
  virtual std::shared_ptr<IZelvoMapChipSetModel> GetChipSet(int32_t index) = 0;
  // True when some entry resolves to a chip set with that ID (resolves first).
  virtual bool ContainsID(int32_t id) = 0;
  // The list taken at the last resolution.
  virtual std::shared_ptr<IZelvoMapChipSetListControl> GetChipSetList() const = 0;
};

class TZelvoMapChipSetIDListControl : public TZelvoModel, public virtual IZelvoMapChipSetIDListControl {
 public:
  explicit TZelvoMapChipSetIDListControl(int32_t id) : TZelvoModel(id) {}

  void SetMapTree(IZelvoMapChipSetListSource* mapTree) override { mapTree_ = mapTree; }
  IZelvoMapChipSetListSource* GetMapTree() const override { return mapTree_; }
  int32_t AddID(int32_t id) override;
  void InsertID(int32_t index, int32_t id) override;
  void Delete(int32_t index) override;
  void Move(int32_t curIndex, int32_t newIndex) override;
  int32_t GetCount() const override { return static_cast<int32_t>(entries_.size()); }
  int32_t GetID(int32_t index) const override;
  std::shared_ptr<IZelvoMapChipSetModel> GetChipSet(int32_t index) override;
  bool ContainsID(int32_t id) override;
  std::shared_ptr<IZelvoMapChipSetListControl> GetChipSetList() const override { return chipSets_; }

  void SaveToStream(IZStream& stream) override;
  // A short or corrupt record throws EFormatError and leaves the list as it was.
  void LoadFromStream(IZStream& stream) override;

 private:
  void resolve();
  void check(int32_t index, const char* what) const;

  std::vector<TMapchipsetID> entries_;
  IZelvoMapChipSetListSource* mapTree_ = nullptr;
  std::shared_ptr<IZelvoMapChipSetListControl> chipSets_;
};

}  // namespace zelvo
