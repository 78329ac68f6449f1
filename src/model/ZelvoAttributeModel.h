#pragma once
// Attribute types ("属性タイプ"): 32 entries of a flag byte, an attack and a defence value, and
// the game's list of them, stored in "Data\Attribute.Dat".

#include <array>
#include <cstdint>
#include <memory>

#include "model/ZelvoDatabaseList.h"
#include "model/ZelvoModel.h"

namespace zelvo {

class IZelvoAttributeModel : public virtual IZelvoModel {
 public:
  // -1 outside 0..31.
  virtual int32_t GetAttack(int32_t index) const = 0;
  virtual int32_t GetDefence(int32_t index) const = 0;
  // 255 outside 0..31.
  virtual uint8_t GetFlag(int32_t index) const = 0;
  // Outside 0..31 is ignored.
  virtual void SetAttack(int32_t index, int32_t value) = 0;
  virtual void SetDefence(int32_t index, int32_t value) = 0;
  virtual void SetFlag(int32_t index, uint8_t value) = 0;
};

using IZelvoAttributeModelPtr = std::shared_ptr<IZelvoAttributeModel>;

// Record: the base record, the 32 flag bytes, the 32 attack values, the 32 defence values.
class TZelvoAttributeModel : public TZelvoModel, public virtual IZelvoAttributeModel {
 public:
  static constexpr int32_t kEntryCount = 32;
  static constexpr int64_t kMinRecordBytes = kMinBaseRecordBytes + kEntryCount * 9;

  // Every entry: flag 1, attack 100, defence 100.
  explicit TZelvoAttributeModel(int32_t id);

  int32_t GetAttack(int32_t index) const override;
  int32_t GetDefence(int32_t index) const override;
  uint8_t GetFlag(int32_t index) const override;
  void SetAttack(int32_t index, int32_t value) override;
  void SetDefence(int32_t index, int32_t value) override;
  void SetFlag(int32_t index, uint8_t value) override;

  void SaveToStream(IZStream& stream) override;
  void LoadFromStream(IZStream& stream) override;

 private:
  static bool inRange(int32_t index) { return index >= 0 && index < kEntryCount; }

  std::array<uint8_t, kEntryCount> flags_;
  std::array<int32_t, kEntryCount> attack_;
  std::array<int32_t, kEntryCount> defence_;
};

class IZelvoAttributeModelList {
 public:
  virtual ~IZelvoAttributeModelList() = default;
  virtual void Clear() = 0;
  virtual int32_t GetCount() const = 0;
  // nullptr is ignored.
  virtual void Add(std::shared_ptr<IZelvoAttributeModel> record) = 0;
  // Before index when 0 <= index < count; any other index (count included) is ignored.
  virtual void Insert(int32_t index, std::shared_ptr<IZelvoAttributeModel> record) = 0;
  // Outside 0..count-1 is ignored.
  virtual void Delete(int32_t index) = 0;
  // nullptr outside 0..count-1.
  virtual std::shared_ptr<IZelvoAttributeModel> GetItem(int32_t index) const = 0;
  // The first record with that ID, from index 0 up; nullptr if none.
  virtual std::shared_ptr<IZelvoAttributeModel> FindByID(int32_t id) const = 0;
  virtual void SaveToStream(IZStream& stream) = 0;
  // Replaces the list with the stored one; a short or corrupt file throws EFormatError and
  // leaves the list as it was.
  virtual void LoadFromStream(IZStream& stream) = 0;
};

using IZelvoAttributeModelListPtr = std::shared_ptr<IZelvoAttributeModelList>;

extern template class TZelvoDatabaseList<IZelvoAttributeModelList, IZelvoAttributeModel>;

class TZelvoAttributeModelList final : public TZelvoDatabaseList<IZelvoAttributeModelList, IZelvoAttributeModel> {
 protected:
  std::shared_ptr<IZelvoAttributeModel> NewRecord() const override;
  int64_t MinRecordBytes() const override { return TZelvoAttributeModel::kMinRecordBytes; }
};

}  // namespace zelvo
