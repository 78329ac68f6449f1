#pragma once
// The party: member characters taken from the game's character list, where the party stands
// (map and floor) and two more stored values. Stored in "Data\Party.Dat": map ID, floor ID, the
// third and fourth values, int32 count, the members' IDs.

#include <cstdint>
#include <memory>

#include "model/ZelvoCharaModelList.h"

namespace zelvo {

class IZelvoPartyModel : public virtual IZelvoCharaModelList {
 public:
  virtual void SetParam3(int32_t value) = 0;
  virtual void SetParam4(int32_t value) = 0;
  virtual void SetMapID(int32_t id) = 0;
  virtual void SetFloorID(int32_t id) = 0;
  virtual int32_t GetParam3() const = 0;
  virtual int32_t GetParam4() const = 0;
  virtual int32_t GetMapID() const = 0;
  virtual int32_t GetFloorID() const = 0;
  // The party record. SaveToStream and LoadFromStream of the list are these two.
  virtual void SavePartyToStream(IZStream& stream) = 0;
  // Replaces the members by the stored IDs that the game's character list knows (unknown IDs
  // are dropped); a short or corrupt record throws EFormatError and leaves the party as it was.
  virtual void LoadPartyFromStream(IZStream& stream) = 0;
};

using IZelvoPartyModelPtr = std::shared_ptr<IZelvoPartyModel>;

class TZelvoPartyModel final : public TZelvoCharaModelList, public virtual IZelvoPartyModel {
 public:
  // charas is the game's character list, where stored member IDs are looked up; may be null.
  explicit TZelvoPartyModel(std::shared_ptr<IZelvoCharaModelList> charas);

  void SetParam3(int32_t value) override { param3_ = value; }
  void SetParam4(int32_t value) override { param4_ = value; }
  void SetMapID(int32_t id) override { mapID_ = id; }
  void SetFloorID(int32_t id) override { floorID_ = id; }
  int32_t GetParam3() const override { return param3_; }
  int32_t GetParam4() const override { return param4_; }
  int32_t GetMapID() const override { return mapID_; }
  int32_t GetFloorID() const override { return floorID_; }
  void SavePartyToStream(IZStream& stream) override;
  void LoadPartyFromStream(IZStream& stream) override;

  void SaveToStream(IZStream& stream) override { SavePartyToStream(stream); }
  void LoadFromStream(IZStream& stream) override { LoadPartyFromStream(stream); }

 private:
  std::shared_ptr<IZelvoCharaModelList> charas_;
  int32_t mapID_ = 0;
  int32_t floorID_ = 0;
  int32_t param3_ = 0;
  int32_t param4_ = 0;
};

}  // namespace zelvo
