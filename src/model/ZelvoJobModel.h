#pragma once
// Jobs ("職業"): two linked models kept by ID and a table of effects, and the game's list of
// them, stored in "Data\Job.Dat".

#include <cstdint>
#include <memory>

#include "model/ZelvoDatabaseList.h"
#include "model/ZelvoModel.h"

namespace zelvo {

class IZMLIntParamsList;

class IZelvoJobModel : public virtual IZelvoModel {
 public:
  virtual std::shared_ptr<IZelvoModel> GetLinkedModel1() const = 0;
  // Stores the model and its ID; nullptr changes nothing.
  virtual void SetLinkedModel1(std::shared_ptr<IZelvoModel> model) = 0;
  virtual int32_t GetLinkedID1() const = 0;
  // Sets the ID only; the reference stays.
  virtual void SetLinkedID1(int32_t id) = 0;
  virtual int32_t GetLinkedID2() const = 0;
  virtual void SetLinkedID2(int32_t id) = 0;
  // The owned effects table, one effect (target and value) per row.
  virtual std::shared_ptr<IZMLIntParamsList> GetEffects() const = 0;
  virtual std::shared_ptr<IZelvoModel> GetLinkedModel2() const = 0;
  virtual void SetLinkedModel2(std::shared_ptr<IZelvoModel> model) = 0;
};

using IZelvoJobModelPtr = std::shared_ptr<IZelvoJobModel>;

// Record: the base record, the first ID, the second ID, the effects table's record. The
// references are not stored; reading a record leaves both empty, the IDs being what remains.
class TZelvoJobModel : public TZelvoModel, public virtual IZelvoJobModel {
 public:
  static constexpr int64_t kMinRecordBytes = kMinBaseRecordBytes + 8 + 4;

  // No links, both IDs 0, an empty effects table.
  explicit TZelvoJobModel(int32_t id);

  std::shared_ptr<IZelvoModel> GetLinkedModel1() const override { return linked1_; }
  void SetLinkedModel1(std::shared_ptr<IZelvoModel> model) override;
  int32_t GetLinkedID1() const override { return linkedID1_; }
  void SetLinkedID1(int32_t id) override { linkedID1_ = id; }
  int32_t GetLinkedID2() const override { return linkedID2_; }
  void SetLinkedID2(int32_t id) override { linkedID2_ = id; }
  std::shared_ptr<IZMLIntParamsList> GetEffects() const override { return effects_; }
  std::shared_ptr<IZelvoModel> GetLinkedModel2() const override { return linked2_; }
  void SetLinkedModel2(std::shared_ptr<IZelvoModel> model) override;

  void SaveToStream(IZStream& stream) override;
  void LoadFromStream(IZStream& stream) override;

 private:
  std::shared_ptr<IZelvoModel> linked1_;
  std::shared_ptr<IZelvoModel> linked2_;
  int32_t linkedID1_ = 0;
  int32_t linkedID2_ = 0;
  std::shared_ptr<IZMLIntParamsList> effects_;
};

class IZelvoJobModelList {
 public:
  virtual ~IZelvoJobModelList() = default;
  virtual void Clear() = 0;
  virtual int32_t GetCount() const = 0;
  // nullptr is ignored.
  virtual void Add(std::shared_ptr<IZelvoJobModel> record) = 0;
  // Before index when 0 <= index < count; any other index (count included) is ignored.
  virtual void Insert(int32_t index, std::shared_ptr<IZelvoJobModel> record) = 0;
  // Outside 0..count-1 is ignored.
  virtual void Delete(int32_t index) = 0;
  // nullptr outside 0..count-1.
  virtual std::shared_ptr<IZelvoJobModel> GetItem(int32_t index) const = 0;
  // The first record with that ID, from index 0 up; nullptr if none.
  virtual std::shared_ptr<IZelvoJobModel> FindByID(int32_t id) const = 0;
  virtual void SaveToStream(IZStream& stream) = 0;
  // Replaces the list with the stored one; a short or corrupt file throws EFormatError and
  // leaves the list as it was.
  virtual void LoadFromStream(IZStream& stream) = 0;
};

using IZelvoJobModelListPtr = std::shared_ptr<IZelvoJobModelList>;

extern template class TZelvoDatabaseList<IZelvoJobModelList, IZelvoJobModel>;

class TZelvoJobModelList final : public TZelvoDatabaseList<IZelvoJobModelList, IZelvoJobModel> {
 protected:
  std::shared_ptr<IZelvoJobModel> NewRecord() const override;
  int64_t MinRecordBytes() const override { return TZelvoJobModel::kMinRecordBytes; }
};

}  // namespace zelvo
