#pragma once
// The direction-animation list ("DAnimation.Dat"): the same list as the collision list, for
// direction animations. Insert outside 0..count-1 appends; lookups by ID return the first match.

#include <cstdint>
#include <memory>

#include "model/ZelvoCollisionModelList.h"
#include "model/ZelvoDAnimationModel.h"

namespace zelvo {

class IZelvoDAnimationModelList {
 public:
  using Item = IZelvoDAnimationModel;
  virtual ~IZelvoDAnimationModelList() = default;
  virtual void Clear() = 0;
  virtual int32_t GetCount() const = 0;
  // nullptr is ignored, here and by Insert.
  virtual void Add(std::shared_ptr<IZelvoDAnimationModel> item) = 0;
  // Before the item at Index when 0 <= Index < count; any other Index appends.
  virtual void Insert(int32_t index, std::shared_ptr<IZelvoDAnimationModel> item) = 0;
  // Nothing outside 0..count-1.
  virtual void Delete(int32_t index) = 0;
  // nullptr outside 0..count-1.
  virtual std::shared_ptr<IZelvoDAnimationModel> GetItem(int32_t index) const = 0;
  virtual std::shared_ptr<IZelvoDAnimationModel> FindByID(int32_t id) const = 0;
  virtual int32_t IndexOfID(int32_t id) const = 0;
  virtual void SaveToStream(IZStream& stream) = 0;
  // A short or corrupt file throws EFormatError and leaves the list as it was.
  virtual void LoadFromStream(IZStream& stream) = 0;
};

class TZelvoDAnimationModelList final
    : public TZelvoPlainModelList<IZelvoDAnimationModelList, TZelvoDAnimationModel> {};

}  // namespace zelvo
