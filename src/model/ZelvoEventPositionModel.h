#pragma once
// Places one event on a map: a position in map pixels on a floor, the event (a package ID and an
// event ID) and the direction it faces. The event is looked up when asked for, in the game's
// shared packages or in the map's local package.

#include <cstdint>
#include <memory>

#include "model/ZelvoEventPackageModel.h"

namespace zelvo {

class IZMLZelvoAPI;

class IZelvoEventPositionModel : public virtual IZelvoModel {
 public:
  virtual int32_t GetX() const = 0;
  virtual int32_t GetY() const = 0;
  virtual int32_t GetFloorID() const = 0;
  virtual int32_t GetPackageID() const = 0;
  virtual int32_t GetEventID() const = 0;
  virtual int32_t GetDirection() const = 0;
  // The event with EventID of the shared package with PackageID when that package exists,
  // otherwise of the local package; nullptr if none.
  virtual IZelvoEventModelPtr GetEvent() const = 0;
  // The first action's direction-animation size, 32 without one.
  virtual int32_t GetGraphicWidth() const = 0;
  virtual int32_t GetGraphicHeight() const = 0;
  virtual void SetPosition(int32_t x, int32_t y, int32_t floorID) = 0;
  virtual void SetPackageID(int32_t value) = 0;
  virtual void SetEventID(int32_t value) = 0;
  virtual void SetDirection(int32_t value) = 0;
  // Neither is owned.
  virtual void SetAPI(IZMLZelvoAPI* api) = 0;
  virtual void SetLocalPackage(IZelvoEventPackageModel* package) = 0;
};

using IZelvoEventPositionModelPtr = std::shared_ptr<IZelvoEventPositionModel>;

class TZelvoEventPositionModel : public TZelvoModel, public virtual IZelvoEventPositionModel {
 public:
  // PackageID and EventID -1, everything else 0 or none.
  explicit TZelvoEventPositionModel(int32_t id);

  // The base record, version 1, a reserved 0, X, Y, FloorID, PackageID, EventID, Direction.
  void SaveToStream(IZStream& stream) override;
  // Version 0 has no Direction (it becomes 0); any other version but 1 ends after the reserved
  // field and keeps the other fields. A short record throws EFormatError and leaves the
  // position as it was.
  void LoadFromStream(IZStream& stream) override;

  int32_t GetX() const override { return f_.x; }
  int32_t GetY() const override { return f_.y; }
  int32_t GetFloorID() const override { return f_.floorID; }
  int32_t GetPackageID() const override { return f_.packageID; }
  int32_t GetEventID() const override { return f_.eventID; }
  int32_t GetDirection() const override { return f_.direction; }
  IZelvoEventModelPtr GetEvent() const override;
  int32_t GetGraphicWidth() const override;
  int32_t GetGraphicHeight() const override;
  void SetPosition(int32_t x, int32_t y, int32_t floorID) override;
  void SetPackageID(int32_t value) override { f_.packageID = value; }
  void SetEventID(int32_t value) override { f_.eventID = value; }
  void SetDirection(int32_t value) override { f_.direction = value; }
  void SetAPI(IZMLZelvoAPI* api) override { api_ = api; }
  void SetLocalPackage(IZelvoEventPackageModel* package) override { localPackage_ = package; }

  static constexpr int32_t kVersion = 1;
  static constexpr int32_t kDefaultGraphicSize = 32;
  // The base record, the version and the reserved field.
  static constexpr int64_t kMinRecordBytes = kMinBaseRecordBytes + 8;

 private:
  struct Fields {
    int32_t x = 0, y = 0, floorID = 0, packageID = -1, eventID = -1, direction = 0;
  };
  template <class Size>
  int32_t graphicSize(Size size) const;

  Fields f_;
  IZMLZelvoAPI* api_ = nullptr;
  IZelvoEventPackageModel* localPackage_ = nullptr;
};

}  // namespace zelvo
