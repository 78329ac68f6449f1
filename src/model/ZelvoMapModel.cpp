#include "model/ZelvoMapModel.h"

#include <algorithm>
#include <climits>

#include "model/ZMLZelvoAPI.h"
#include "model/ZelvoEventPackageIDList.h"
#include "model/ZelvoEventPackageModel.h"
#include "model/ZelvoEventPositionList.h"
#include "model/ZelvoMapChipSetIDListControl.h"
#include "model/ZelvoMapTreeControl.h"
#include "model/ZelvoOrderModel.h"
#include "platform/core/BinaryReader.h"
#include "platform/core/Errors.h"

namespace zelvo {
namespace {

// "ローカルイベント" in CP932.
constexpr const char* kLocalPackageName = "\x83\x8D\x81\x5B\x83\x4A\x83\x8B\x83\x43\x83\x78\x83\x93\x83\x67";

}  // namespace

TZelvoMapModel::TZelvoMapModel(int32_t id, IZMLZelvoAPI* api)
    : TZelvoModel(id),
      chipSetIDs_(std::make_shared<TZelvoMapChipSetIDListControl>(0)),
      positions_(std::make_shared<TZelvoEventPositionList>()),
      packageIDs_(std::make_shared<TZelvoEventPackageIDList>(-1, api)),
      localPackage_(std::make_shared<TZelvoEventPackageModel>(-1, api)),
      api_(api) {
  localPackage_->SetName(kLocalPackageName);
  positions_->SetAPI(api);
  positions_->SetLocalPackage(localPackage_);
  AddFloor(std::make_shared<TZelvoMapFloorModel>(0, api));
  SetSize(32, 32);
}

TZelvoMapModel::~TZelvoMapModel() {
  for (auto& floor : floors_.items())
    if (floor && floor->GetMap() == this) floor->SetMap(nullptr);
}

void TZelvoMapModel::SetSize(int32_t width, int32_t height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (int64_t(width) * height > kMaxFloorCells)
    throw EIndexError("map size (cells)", int64_t(width) * height, kMaxFloorCells);
  width_ = width;
  height_ = height;
  for (auto& floor : floors_.items()) floor->SetSize(width, height);
}

void TZelvoMapModel::SetLoopMode(int32_t mode) {
  if (mode >= 0 && mode <= 3) loopMode_ = mode;
}

void TZelvoMapModel::SetMapTree(IZelvoMapTreeControl* mapTree) {
  mapTree_ = mapTree;
  chipSetIDs_->SetMapTree(mapTree);
  IZMLZelvoAPI* api = mapTree ? mapTree->GetAPI() : api_;
  packageIDs_->SetAPI(api);
  localPackage_->SetAPI(api);
}

void TZelvoMapModel::AddFloor(std::shared_ptr<IZelvoMapFloorModel> floor) {
  if (!floor) return;
  floor->SetMap(this);
  floors_.add(std::move(floor));
}

void TZelvoMapModel::InsertFloor(int32_t index, std::shared_ptr<IZelvoMapFloorModel> floor) {
  if (!floor) return;
  if (index < 0 || index > floors_.count()) throw EIndexError("floor", index, floors_.count());
  floor->SetMap(this);
  floors_.insertUpToCount(index, std::move(floor));
}

void TZelvoMapModel::DeleteFloor(int32_t index) {
  if (index < 0) throw EIndexError("floor", index, floors_.count());
  if (index >= floors_.count()) return;
  auto floor = floors_.at(index);
  floors_.erase(index);
  if (floor->GetMap() == this && floors_.indexOf(floor.get()) < 0) floor->SetMap(nullptr);
}

void TZelvoMapModel::ExchangeFloors(int32_t i, int32_t j) {
  if (i >= floors_.count() || j >= floors_.count()) return;
  floors_.exchange(i, j, "floor");
}

int32_t TZelvoMapModel::GetDataSize() const {
  int64_t sum = 0;
  for (const auto& floor : floors_.items()) sum += floor->GetDataSize();
  return sum > INT32_MAX ? INT32_MAX : static_cast<int32_t>(sum);
}

void TZelvoMapModel::SaveToStream(IZStream& stream) {
  TZelvoModel::SaveToStream(stream);
  BinaryWriter w(stream);
  w.writeInt32(-1);
  w.writeInt32(kVersion);
  w.writeInt32(0);
  w.writeInt32(width_);
  w.writeInt32(height_);
  w.writeInt32(loopMode_);
  w.writeInt32(reserved_);
  w.writeInt32(floors_.count());
  chipSetIDs_->SaveToStream(stream);
  for (auto& floor : floors_.items()) floor->SaveToStream(stream);
  positions_->SaveToStream(stream);
  packageIDs_->SaveToStream(stream);
  localPackage_->SaveToStream(stream);
}

void TZelvoMapModel::LoadFromStream(IZStream& stream) { Load(stream, true); }
void TZelvoMapModel::LoadSkippingFloors(IZStream& stream) { Load(stream, false); }

// Everything is read into fresh parts first; the map changes only once the record read whole.
void TZelvoMapModel::Load(IZStream& stream, bool keepFloors) {
  TBaseRecord base = ReadBaseRecord(stream);
  BinaryReader r(stream);
  int32_t version = 0;
  int32_t width = r.readInt32();
  if (width == -1) {
    version = r.readInt32();
    r.readInt32();
    width = r.readInt32();
  }
  int32_t height = r.readInt32();
  int32_t loopMode = r.readInt32();
  int32_t reserved = r.readInt32();
  if (width < 0 || height < 0) r.fail("negative map size");
  const int64_t cells = int64_t(width) * height;
  // Every floor holds at least its old-form cells: a size the file cannot back is refused
  // before any grid is made.
  int32_t floorCount = r.readCount(cells > kMaxFloorCells ? INT64_MAX / 4
                                                          : 2 * kMinBaseRecordBytes + 20 + cells * kOldMapCellBytes);
  if (floorCount > 0 && cells > kMaxFloorCells) r.fail("map size out of range");
  auto chipSetIDs = std::make_shared<TZelvoMapChipSetIDListControl>(0);
  chipSetIDs->LoadFromStream(stream);
  std::vector<std::shared_ptr<IZelvoMapFloorModel>> floors;
  for (int32_t i = 0; i < floorCount; ++i) {
    if (!keepFloors) {
      TZelvoMapFloorModel::SkipRecord(stream, width, height);
      continue;
    }
    auto floor = std::make_shared<TZelvoMapFloorModel>(0, api_);
    floor->SetMap(this);
    floor->LoadSized(stream, width, height);
    floors.push_back(std::move(floor));
  }
  IZMLZelvoAPI* packageAPI = mapTree_ ? mapTree_->GetAPI() : api_;
  auto positions = std::make_shared<TZelvoEventPositionList>();
  auto packageIDs = std::make_shared<TZelvoEventPackageIDList>(-1, packageAPI);
  auto local = std::make_shared<TZelvoEventPackageModel>(-1, packageAPI);
  local->SetName(kLocalPackageName);
  if (version >= 1 && version <= 3) positions->LoadFromStream(stream);
  if (version == 2 || version == 3) {
    packageIDs->LoadFromStream(stream);
    if (version == 3) std::make_shared<TZelvoOrderModel>(-1)->LoadFromStream(stream);  // an older form kept an order here
    local->LoadFromStream(stream);
  }
  CommitBase(std::move(base));
  width_ = width;
  height_ = height;
  loopMode_ = loopMode;
  reserved_ = reserved;
  for (auto& floor : floors_.items())
    if (floor->GetMap() == this) floor->SetMap(nullptr);
  floors_.items() = std::move(floors);
  chipSetIDs->SetMapTree(mapTree_);
  chipSetIDs_ = std::move(chipSetIDs);
  positions->SetAPI(api_);
  localPackage_ = std::move(local);
  // Every form gives the positions the map's own package: one left without it could not find
  // its local event.
  positions->SetLocalPackage(localPackage_);
  positions_ = std::move(positions);
  packageIDs_ = std::move(packageIDs);
}

}  // namespace zelvo
