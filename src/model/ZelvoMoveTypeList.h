#pragma once
// The game's move types ("MoveType.Dat"): an int32 header, the count, then per move type its ID
// and its record. Lookups by ID return the last match; index errors are EIndexError.

#include <cstdint>
#include <memory>

#include "model/ModelItems.h"
#include "model/ZelvoModel.h"
#include "model/ZelvoMoveTypeModel.h"

namespace zelvo {

class IZelvoMoveTypeList : public virtual IZelvoModel {
 public:
  virtual void SetHeader(int32_t value) = 0;
  virtual int32_t GetHeader() const = 0;
  // nullptr is ignored, here and by Insert.
  virtual void Add(std::shared_ptr<IZelvoMoveTypeModel> moveType) = 0;
  // 0 <= Index <= count; EIndexError otherwise.
  virtual void Insert(int32_t index, std::shared_ptr<IZelvoMoveTypeModel> moveType) = 0;
  // EIndexError outside 0..count-1 (also for Exchange and GetItem).
  virtual void Delete(int32_t index) = 0;
  virtual void Exchange(int32_t i, int32_t j) = 0;
  virtual int32_t GetCount() const = 0;
  virtual std::shared_ptr<IZelvoMoveTypeModel> GetItem(int32_t index) const = 0;
  // The last move type with that ID; nullptr when none.
  virtual std::shared_ptr<IZelvoMoveTypeModel> GetByID(int32_t id) const = 0;
};

class TZelvoMoveTypeList : public TZelvoModel, public virtual IZelvoMoveTypeList {
 public:
  explicit TZelvoMoveTypeList(int32_t id = -1) : TZelvoModel(id) {}

  void SetHeader(int32_t value) override { header_ = value; }
  int32_t GetHeader() const override { return header_; }
  void Add(std::shared_ptr<IZelvoMoveTypeModel> moveType) override {
    if (moveType) items_.add(std::move(moveType));
  }
  void Insert(int32_t index, std::shared_ptr<IZelvoMoveTypeModel> moveType) override;
  void Delete(int32_t index) override;
  void Exchange(int32_t i, int32_t j) override { items_.exchange(i, j, "move type"); }
  int32_t GetCount() const override { return items_.count(); }
  std::shared_ptr<IZelvoMoveTypeModel> GetItem(int32_t index) const override {
    return items_.checkedAt(index, "move type");
  }
  std::shared_ptr<IZelvoMoveTypeModel> GetByID(int32_t id) const override { return items_.lastWithID(id); }

  // The list's record has no base record of its own.
  void SaveToStream(IZStream& stream) override;
  // A short or corrupt file throws EFormatError and leaves the list as it was.
  void LoadFromStream(IZStream& stream) override;

 private:
  int32_t header_ = 0;
  ModelItems<IZelvoMoveTypeModel> items_;
};

}  // namespace zelvo
