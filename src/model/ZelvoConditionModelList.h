#pragma once
// The game's shared conditions, stored in "Data\Condition.Dat" as an int32 count and the
// conditions' records. A condition's record holds only its lines, no ID and no name, so every
// condition read back has the ID its constructor gives a record about to be read.

#include <cstdint>
#include <memory>

#include "model/ZelvoDatabaseList.h"

namespace zelvo {

class IZelvoConditionModel;

class IZelvoConditionModelList {
 public:
  virtual ~IZelvoConditionModelList() = default;
  virtual void Clear() = 0;
  virtual int32_t GetCount() const = 0;
  // nullptr is ignored.
  virtual void Add(std::shared_ptr<IZelvoConditionModel> condition) = 0;
  // Before index when 0 <= index < count; any other index (count included) is ignored.
  virtual void Insert(int32_t index, std::shared_ptr<IZelvoConditionModel> condition) = 0;
  // Outside 0..count-1 is ignored.
  virtual void Delete(int32_t index) = 0;
  // nullptr outside 0..count-1.
  virtual std::shared_ptr<IZelvoConditionModel> GetItem(int32_t index) const = 0;
  // The first condition with that ID, from index 0 up; nullptr if none.
  virtual std::shared_ptr<IZelvoConditionModel> FindByID(int32_t id) const = 0;
  virtual void SaveToStream(IZStream& stream) = 0;
  // Replaces the list with the stored one; a short or corrupt file throws EFormatError and
  // leaves the list as it was.
  virtual void LoadFromStream(IZStream& stream) = 0;
};

using IZelvoConditionModelListPtr = std::shared_ptr<IZelvoConditionModelList>;

extern template class TZelvoDatabaseList<IZelvoConditionModelList, IZelvoConditionModel>;

class TZelvoConditionModelList final : public TZelvoDatabaseList<IZelvoConditionModelList, IZelvoConditionModel> {
 protected:
  std::shared_ptr<IZelvoConditionModel> NewRecord() const override;
  // A condition with no lines: its item count.
  int64_t MinRecordBytes() const override { return 4; }
};

}  // namespace zelvo
