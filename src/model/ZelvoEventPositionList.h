#pragma once
// The events placed on one map.

#include <cstdint>
#include <memory>

#include "model/ModelItems.h"
#include "model/ZStream.h"

namespace zelvo {

class IZMLZelvoAPI;
class IZelvoEventPositionModel;
class IZelvoEventPackageModel;

class IZelvoEventPositionList {
 public:
  virtual ~IZelvoEventPositionList() = default;
  // Gives the position the list's API and local package, then appends it.
  virtual void Add(std::shared_ptr<IZelvoEventPositionModel> position) = 0;
  // The same links; EIndexError unless 0 <= index <= count.
  virtual void Insert(int32_t index, std::shared_ptr<IZelvoEventPositionModel> position) = 0;
  // EIndexError outside 0..count-1.
  virtual void Delete(int32_t index) = 0;
  // The last position with that ID; nothing when none.
  virtual void DeleteByID(int32_t id) = 0;
  virtual void Exchange(int32_t i, int32_t j) = 0;
  virtual int32_t GetCount() const = 0;
  // EIndexError outside 0..count-1.
  virtual std::shared_ptr<IZelvoEventPositionModel> GetItem(int32_t index) const = 0;
  virtual std::shared_ptr<IZelvoEventPositionModel> FindByID(int32_t id) const = 0;
  // Positions already in the list keep theirs.
  virtual void SetAPI(IZMLZelvoAPI* api) = 0;
  // Given to every position in the list.
  virtual void SetLocalPackage(std::shared_ptr<IZelvoEventPackageModel> package) = 0;
  virtual void SaveToStream(IZStream& stream) = 0;
  virtual void LoadFromStream(IZStream& stream) = 0;
};

class TZelvoEventPositionList final : public IZelvoEventPositionList {
 public:
  TZelvoEventPositionList() = default;

  void Add(std::shared_ptr<IZelvoEventPositionModel> position) override;
  void Insert(int32_t index, std::shared_ptr<IZelvoEventPositionModel> position) override;
  void Delete(int32_t index) override;
  void DeleteByID(int32_t id) override;
  void Exchange(int32_t i, int32_t j) override;
  int32_t GetCount() const override;
  std::shared_ptr<IZelvoEventPositionModel> GetItem(int32_t index) const override;
  std::shared_ptr<IZelvoEventPositionModel> FindByID(int32_t id) const override;
  void SetAPI(IZMLZelvoAPI* api) override { api_ = api; }
  void SetLocalPackage(std::shared_ptr<IZelvoEventPackageModel> package) override;
  // 0, 0, count, the position records.
  void SaveToStream(IZStream& stream) override;
  // A first int32 other than 0 ends the record after eight bytes, the list empty.
  void LoadFromStream(IZStream& stream) override;

 private:
  void Link(IZelvoEventPositionModel& position);

  ModelItems<IZelvoEventPositionModel> positions_;
  IZMLZelvoAPI* api_ = nullptr;
  std::shared_ptr<IZelvoEventPackageModel> localPackage_;
};

}  // namespace zelvo
