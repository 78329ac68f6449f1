#pragma once
// One map: its size in cells, its edge loop mode, its floors in drawing order, the chip sets it
// uses, the events placed on it, the shared event packages it uses and its own local package.

#include <cstdint>
#include <memory>

#include "model/ModelItems.h"
#include "model/ZelvoMapFloorModel.h"
#include "model/ZelvoModel.h"

namespace zelvo {

class IZMLZelvoAPI;
class IZelvoMapTreeControl;
class IZelvoMapChipSetIDListControl;
class IZelvoEventPositionList;
class IZelvoEventPackageIDList;
class IZelvoEventPackageModel;

class IZelvoMapModel : public virtual IZelvoModel {
 public:
  enum LoopMode : int32_t { NoLoop = 0, LoopBoth = 3 };

  // Stores the size and resizes every floor.
  virtual void SetSize(int32_t width, int32_t height) = 0;
  // 0-3; anything else is ignored.
  virtual void SetLoopMode(int32_t mode) = 0;
  // A back reference; binds the chip-set IDs, the package IDs and the local package to it.
  virtual void SetMapTree(IZelvoMapTreeControl* mapTree) = 0;
  virtual int32_t GetWidth() const = 0;
  virtual int32_t GetHeight() const = 0;
  virtual int32_t GetLoopMode() const = 0;
  virtual std::shared_ptr<IZelvoEventPackageModel> GetLocalEventPackage() = 0;
  virtual std::shared_ptr<IZelvoEventPackageIDList> GetEventPackageIDList() = 0;
  virtual std::shared_ptr<IZelvoMapChipSetIDListControl> GetChipSetIDList() = 0;
  virtual std::shared_ptr<IZelvoEventPositionList> GetEventPositionList() = 0;
  virtual IZelvoMapTreeControl* GetMapTree() const = 0;
  virtual void AddFloor(std::shared_ptr<IZelvoMapFloorModel> floor) = 0;
  // EIndexError unless 0 <= index <= count.
  virtual void InsertFloor(int32_t index, std::shared_ptr<IZelvoMapFloorModel> floor) = 0;
  // Ignored at or past the count; EIndexError when negative.
  virtual void DeleteFloor(int32_t index) = 0;
  virtual void ExchangeFloors(int32_t i, int32_t j) = 0;
  virtual int32_t GetFloorCount() const = 0;
  // nullptr outside 0..count-1.
  virtual std::shared_ptr<IZelvoMapFloorModel> GetFloor(int32_t index) const = 0;
  // The last floor with that ID.
  virtual std::shared_ptr<IZelvoMapFloorModel> FindFloor(int32_t id) const = 0;
  // Cell bytes of all floors.
  virtual int32_t GetDataSize() const = 0;
  // Reads a whole map record but keeps none of its floors.
  virtual void LoadSkippingFloors(IZStream& stream) = 0;
  virtual int32_t GetReserved() const = 0;
  virtual void SetReserved(int32_t value) = 0;
};

class TZelvoMapModel : public TZelvoModel, public virtual IZelvoMapModel {
 public:
  // 32 x 32 with one floor (ID 0) and a local package named "ローカルイベント".
  TZelvoMapModel(int32_t id, IZMLZelvoAPI* api);
  ~TZelvoMapModel() override;

  void SetSize(int32_t width, int32_t height) override;
  void SetLoopMode(int32_t mode) override;
  void SetMapTree(IZelvoMapTreeControl* mapTree) override;
  int32_t GetWidth() const override { return width_; }
  int32_t GetHeight() const override { return height_; }
  int32_t GetLoopMode() const override { return loopMode_; }
  std::shared_ptr<IZelvoEventPackageModel> GetLocalEventPackage() override { return localPackage_; }
  std::shared_ptr<IZelvoEventPackageIDList> GetEventPackageIDList() override { return packageIDs_; }
  std::shared_ptr<IZelvoMapChipSetIDListControl> GetChipSetIDList() override { return chipSetIDs_; }
  std::shared_ptr<IZelvoEventPositionList> GetEventPositionList() override { return positions_; }
  IZelvoMapTreeControl* GetMapTree() const override { return mapTree_; }
  void AddFloor(std::shared_ptr<IZelvoMapFloorModel> floor) override;
  void InsertFloor(int32_t index, std::shared_ptr<IZelvoMapFloorModel> floor) override;
  void DeleteFloor(int32_t index) override;
  void ExchangeFloors(int32_t i, int32_t j) override;
  int32_t GetFloorCount() const override { return floors_.count(); }
  std::shared_ptr<IZelvoMapFloorModel> GetFloor(int32_t index) const override { return floors_.at(index); }
  std::shared_ptr<IZelvoMapFloorModel> FindFloor(int32_t id) const override { return floors_.lastWithID(id); }
  int32_t GetDataSize() const override;
  void LoadSkippingFloors(IZStream& stream) override;
  int32_t GetReserved() const override { return reserved_; }
  void SetReserved(int32_t value) override { reserved_ = value; }

  void SaveToStream(IZStream& stream) override;
  void LoadFromStream(IZStream& stream) override;

  static constexpr int32_t kVersion = 2;

 private:
  void Load(IZStream& stream, bool keepFloors);

  int32_t width_ = 0;
  int32_t height_ = 0;
  int32_t loopMode_ = 0;
  int32_t reserved_ = 0;
  ModelItems<IZelvoMapFloorModel> floors_;
  std::shared_ptr<IZelvoMapChipSetIDListControl> chipSetIDs_;
  IZelvoMapTreeControl* mapTree_ = nullptr;
  std::shared_ptr<IZelvoEventPositionList> positions_;
  std::shared_ptr<IZelvoEventPackageIDList> packageIDs_;
  std::shared_ptr<IZelvoEventPackageModel> localPackage_;
  IZMLZelvoAPI* api_ = nullptr;
};

}  // namespace zelvo
