#pragma once
// An event: an ordered list of actions (its pages).

#include <cstdint>
#include <memory>

#include "model/ModelItems.h"
#include "model/ZelvoActionModel.h"

namespace zelvo {

class IZMLZelvoAPI;

class IZelvoEventModel : public virtual IZelvoModel {
 public:
  virtual void Clear() = 0;
  virtual int32_t GetCount() const = 0;
  virtual void Add(IZelvoActionModelPtr action) = 0;
  // Before the action at Index when 0 <= Index < count; any other Index appends.
  virtual void Insert(int32_t index, IZelvoActionModelPtr action) = 0;
  // Nothing outside 0..count-1.
  virtual void Delete(int32_t index) = 0;
  // nullptr outside 0..count-1.
  virtual IZelvoActionModelPtr GetItem(int32_t index) const = 0;
  // The first action with that ID; nullptr if none.
  virtual IZelvoActionModelPtr GetByID(int32_t id) const = 0;
  // A copy of Source through its record, ID included.
  virtual void Assign(IZelvoModel& source) = 0;
};

using IZelvoEventModelPtr = std::shared_ptr<IZelvoEventModel>;

class TZelvoEventModel : public TZelvoModel, public virtual IZelvoEventModel {
 public:
  // api is handed to every action the event reads; it is not owned.
  TZelvoEventModel(int32_t id, IZMLZelvoAPI* api);

  // The base record, the action count, each action's record.
  void SaveToStream(IZStream& stream) override;
  // Reads into fresh actions (ID -1) and keeps them only when every one read; a short or
  // corrupt record throws EFormatError and leaves the event as it was.
  void LoadFromStream(IZStream& stream) override;

  void Clear() override { actions_.clear(); }
  int32_t GetCount() const override { return actions_.count(); }
  void Add(IZelvoActionModelPtr action) override { actions_.add(std::move(action)); }
  void Insert(int32_t index, IZelvoActionModelPtr action) override { actions_.insertOrAppend(index, std::move(action)); }
  void Delete(int32_t index) override { actions_.erase(index); }
  IZelvoActionModelPtr GetItem(int32_t index) const override { return actions_.at(index); }
  IZelvoActionModelPtr GetByID(int32_t id) const override { return actions_.firstWithID(id); }
  void Assign(IZelvoModel& source) override { AssignModel(*this, source); }

  IZMLZelvoAPI* GetAPI() const { return api_; }

  static constexpr int64_t kMinRecordBytes = kMinBaseRecordBytes + 4;

 private:
  ModelItems<IZelvoActionModel> actions_;
  IZMLZelvoAPI* api_;
};

}  // namespace zelvo
