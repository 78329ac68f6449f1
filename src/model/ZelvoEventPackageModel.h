#pragma once
// An event package: an ordered list of events. The game's shared packages live in
// "Events.Dat"; each map holds one local package of its own.

#include <cstdint>
#include <memory>

#include "model/ModelItems.h"
#include "model/ZelvoEventModel.h"

namespace zelvo {

class IZMLZelvoAPI;

class IZelvoEventPackageModel : public virtual IZelvoModel {
 public:
  virtual void Clear() = 0;
  virtual int32_t GetCount() const = 0;
  virtual void Add(IZelvoEventModelPtr event) = 0;
  // Before the event at Index when 0 <= Index < count; any other Index appends.
  virtual void Insert(int32_t index, IZelvoEventModelPtr event) = 0;
  // Nothing outside 0..count-1.
  virtual void Delete(int32_t index) = 0;
  // nullptr outside 0..count-1.
  virtual IZelvoEventModelPtr GetItem(int32_t index) const = 0;
  // The first event with that ID; nullptr if none.
  virtual IZelvoEventModelPtr GetByID(int32_t id) const = 0;
  // The data set handed to the events read from now on; not owned.
  virtual void SetAPI(IZMLZelvoAPI* api) = 0;
};

using IZelvoEventPackageModelPtr = std::shared_ptr<IZelvoEventPackageModel>;

class TZelvoEventPackageModel : public TZelvoModel, public virtual IZelvoEventPackageModel {
 public:
  // Named "EventPackage" + the ID.
  TZelvoEventPackageModel(int32_t id, IZMLZelvoAPI* api);

  // The base record, the event count, each event's record.
  void SaveToStream(IZStream& stream) override;
  // Reads into fresh events (ID -1) and keeps them only when every one read; a short or
  // corrupt record throws EFormatError and leaves the package as it was.
  void LoadFromStream(IZStream& stream) override;

  void Clear() override { events_.clear(); }
  int32_t GetCount() const override { return events_.count(); }
  void Add(IZelvoEventModelPtr event) override { events_.add(std::move(event)); }
  void Insert(int32_t index, IZelvoEventModelPtr event) override { events_.insertOrAppend(index, std::move(event)); }
  void Delete(int32_t index) override { events_.erase(index); }
  IZelvoEventModelPtr GetItem(int32_t index) const override { return events_.at(index); }
  IZelvoEventModelPtr GetByID(int32_t id) const override { return events_.firstWithID(id); }
  void SetAPI(IZMLZelvoAPI* api) override { api_ = api; }

  IZMLZelvoAPI* GetAPI() const { return api_; }

  static constexpr int64_t kMinRecordBytes = kMinBaseRecordBytes + 4;

 private:
  ModelItems<IZelvoEventModel> events_;
  IZMLZelvoAPI* api_;
};

}  // namespace zelvo
