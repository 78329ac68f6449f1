#include "model/ZelvoMapFloorModel.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <type_traits>
#include <cstdlib>

#include "model/ZelvoMapModel.h"
#include "model/ZelvoMapPicture.h"
#include "model/ZelvoMapFloorChips.h"
#include "model/ZelvoPositionControl.h"
#include "platform/core/BinaryReader.h"
#include "platform/core/Errors.h"
#include "platform/core/TrueModulo.h"

namespace zelvo {

namespace {
constexpr bool kCellsStoredAsInFile =
    std::endian::native == std::endian::little && sizeof(TZelvoMapCell) == kMapCellBytes &&
    std::is_trivially_copyable_v<TZelvoMapCell> && offsetof(TZelvoMapCell, Column) == 4 &&
    offsetof(TZelvoMapCell, Row) == 6 && offsetof(TZelvoMapCell, Flags) == 8 &&
    offsetof(TZelvoMapCell, Height) == 12 && offsetof(TZelvoMapCell, GroundKind) == 14 &&
    offsetof(TZelvoMapCell, Passability) == 16 && offsetof(TZelvoMapCell, Encounter) == 18 &&
    offsetof(TZelvoMapCell, Param) == 20 && offsetof(TZelvoMapCell, EventID) == 24;
}  // namespace
TZelvoMapFloorModel::TZelvoMapFloorModel(int32_t id, IZMLZelvoAPI* api)
    : TZelvoModel(id), picture_(std::make_shared<TZelvoMapPictureModel>(0)), api_(api) {}

TZelvoMapCell TZelvoMapFloorModel::GetCell(int32_t x, int32_t y) const {
  if (inside(x, y)) return cells_[size_t(x) + size_t(y) * size_t(width_)];
  // Only mode 3 wraps. A map of width or height 0 has no cell to wrap onto, and a floor whose
  // grid differs from its map's size must still never be read outside its grid.
  if (map_ && map_->GetLoopMode() == IZelvoMapModel::LoopBoth && map_->GetWidth() > 0 && map_->GetHeight() > 0) {
    const auto wx = static_cast<int32_t>(TrueModulo(x, map_->GetWidth()));
    const auto wy = static_cast<int32_t>(TrueModulo(y, map_->GetHeight()));
    if (inside(wx, wy)) return cells_[size_t(wx) + size_t(wy) * size_t(width_)];
  }
  return TZelvoMapCell::Outside();
}

void TZelvoMapFloorModel::SetCell(int32_t x, int32_t y, const TZelvoMapCell& cell) {
  if (inside(x, y)) cells_[size_t(x) + size_t(y) * size_t(width_)] = cell;
}

void TZelvoMapFloorModel::SetPicture(std::shared_ptr<IZelvoMapPictureModel> picture) {
  if (picture) picture_ = std::move(picture);
}

void TZelvoMapFloorModel::SetGameOpacity(int32_t value) {
  if (value >= 0) gameOpacity_ = value;
}

void TZelvoMapFloorModel::SetLayerType(int32_t value) {
  if (value >= Normal && value <= Impassable) layerType_ = value;
}

void TZelvoMapFloorModel::SetSize(int32_t width, int32_t height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (int64_t(width) * height > kMaxFloorCells)
    throw EIndexError("floor size (cells)", int64_t(width) * height, kMaxFloorCells);
  std::vector<TZelvoMapCell> grown(size_t(width) * size_t(height));
  int32_t keepW = std::min(width, width_);
  int32_t keepH = std::min(height, height_);
  for (int32_t y = 0; y < keepH; ++y)
    std::copy_n(cells_.begin() + std::ptrdiff_t(y) * width_, keepW, grown.begin() + std::ptrdiff_t(y) * width);
  cells_ = std::move(grown);
  width_ = width;
  height_ = height;
}

int32_t TZelvoMapFloorModel::GetDataSize() const { return width_ * height_ * kMapCellBytes; }

int32_t TZelvoMapFloorModel::GetFloorIndex() const {
  if (!map_) return 0;
  for (int32_t i = map_->GetFloorCount(); i-- > 0;) {
    auto floor = map_->GetFloor(i);
    if (floor && floor->GetID() == GetID()) return i;
  }
  return 0;
}

TZelvoMapCell TZelvoMapFloorModel::ResolveCell(const TZelvoMapCell& cell) const {
  MapChipOverrides chip = LookUpChip(map_, cell);
  TZelvoMapCell r = cell;
  if (r.Height == TZelvoMapCell::kChipHeight) r.Height = chip.Height;
  if (r.Encounter == TZelvoMapCell::kChipValue) r.Encounter = chip.Encounter;
  if (r.GroundKind == TZelvoMapCell::kChipValue) r.GroundKind = chip.GroundKind;
  if (r.Passability == TZelvoMapCell::kChipValue) r.Passability = chip.Passability;
  return r;
}

int32_t TZelvoMapFloorModel::GetStepFloor(int32_t x, int32_t y, int32_t direction) {
  int32_t source = GetFloorIndex();
  TZelvoMapCell cell = ResolveCell(GetCell(x, y));
  switch (direction) {
    case Up: return CheckStep(x, y - 1, 1, 2, cell, source, true);
    case Down: return CheckStep(x, y + 1, 2, 1, cell, source, true);
    case Left: return CheckStep(x - 1, y, 4, 8, cell, source, true);
    default: return CheckStep(x + 1, y, 8, 4, cell, source, true);
  }
}

int32_t TZelvoMapFloorModel::GetPassMask(int32_t x, int32_t y) {
  int32_t mask = 0;
  if (GetStepFloor(x, y, Up) != -1) mask |= 1;
  if (GetStepFloor(x, y, Down) != -1) mask |= 2;
  if (GetStepFloor(x, y, Left) != -1) mask |= 4;
  if (GetStepFloor(x, y, Right) != -1) mask |= 8;
  return mask;
}

// The move rule is fixed here: every ground kind allowed, a step limit of 0.
int32_t TZelvoMapFloorModel::CheckStep(int32_t x, int32_t y, int32_t leaveBit, int32_t enterBit,
                                       const TZelvoMapCell& source, int32_t sourceIndex, bool firstStep) const {
  if (!map_) return -1;
  if (x < 0 || y < 0 || x >= map_->GetWidth() || y >= map_->GetHeight()) return -1;
  auto sourceFloor = map_->GetFloor(sourceIndex);
  if (!sourceFloor) return -1;
  const int64_t sourceLevel = int64_t(sourceFloor->GetBaseHeight()) + source.Height;
  int32_t found = -1;
  int32_t count = 0;
  bool sourceQualifies = false;
  for (int32_t i = 0; i < map_->GetFloorCount(); ++i) {
    auto floor = map_->GetFloor(i);
    if (!floor || floor->GetLayerType() != Normal) continue;
    TZelvoMapCell target = floor->ResolveCell(floor->GetCell(x, y));
    if (!(source.Passability & leaveBit) || !(target.Passability & enterBit)) continue;
    if (std::llabs(sourceLevel - (int64_t(floor->GetBaseHeight()) + target.Height)) > 0) continue;
    ++count;
    found = i;
    if (i == sourceIndex) sourceQualifies = true;
  }
  int32_t result = sourceQualifies ? sourceIndex : (count == 1 ? found : -1);
  if (!firstStep || result == -1) return result;
  auto reached = map_->GetFloor(result);
  TZelvoMapCell back = reached->ResolveCell(reached->GetCell(x, y));
  int32_t fromX = x, fromY = y;
  // The cell the walker came from lies opposite the entered side.
  if (enterBit == 2) ++fromY;
  else if (enterBit == 1) --fromY;
  else if (enterBit == 8) ++fromX;
  else --fromX;
  if (CheckStep(fromX, fromY, enterBit, leaveBit, back, result, false) != sourceIndex) return -1;
  return result;
}

std::shared_ptr<IZelvoMapPositionControl> TZelvoMapFloorModel::CreatePositionControl(int32_t x, int32_t y,
                                                                                     int32_t width, int32_t height) {
  auto control = std::make_shared<TZelvoMapPositionControl>();
  control->SetPosition(x, y, GetFloorIndex());
  control->SetMap(map_);
  control->SetSize(width, height);
  return control;
}

void TZelvoMapFloorModel::SaveToStream(IZStream& stream) {
  TZelvoModel::SaveToStream(stream);
  BinaryWriter w(stream);
  w.writeInt32(-1);
  w.writeInt32(0);
  w.writeInt32(gameOpacity_);
  w.writeInt32(editorOpacity_);
  w.writeInt32(baseHeight_);
  w.writeInt32(layerType_);
  picture_->SaveToStream(stream);
  // On a little-endian machine a cell is laid out in memory as in the file, so the floor goes
  // out as one block; elsewhere it is encoded a row at a time.
  const size_t count = size_t(width_) * size_t(height_);
  if (kCellsStoredAsInFile && cells_.size() >= count) {
    w.writeBytes(cells_.data(), int64_t(count) * kMapCellBytes);
    return;
  }
  std::vector<uint8_t> row(size_t(width_) * kMapCellBytes);
  for (int32_t y = 0; y < height_; ++y) {
    for (int32_t x = 0; x < width_; ++x)
      EncodeMapCell(cells_[size_t(x) + size_t(y) * size_t(width_)], row.data() + size_t(x) * kMapCellBytes);
    w.writeBytes(row.data(), int64_t(row.size()));
  }
}

void TZelvoMapFloorModel::LoadFromStream(IZStream& stream) { LoadSized(stream, width_, height_); }

void TZelvoMapFloorModel::LoadSized(IZStream& stream, int32_t width, int32_t height) {
  if (width < 0 || height < 0 || int64_t(width) * height > kMaxFloorCells)
    throw EIndexError("floor size (cells)", int64_t(std::max(width, 0)) * std::max(height, 0), kMaxFloorCells);
  BinaryReader r(stream);
  TBaseRecord base = ReadBaseRecord(r);
  int32_t first = r.readInt32();
  bool oldForm = first != -1;
  int32_t gameOpacity = first;
  if (!oldForm) {
    r.readInt32();  // version, not used
    gameOpacity = r.readInt32();
  }
  int32_t editorOpacity = r.readInt32();
  int32_t baseHeight = r.readInt32();
  int32_t layerType = r.readInt32();
  auto picture = std::make_shared<TZelvoMapPictureModel>(0);
  picture->LoadFromStream(stream);
  std::vector<TZelvoMapCell> cells = readCells(r, int64_t(width) * height, oldForm);
  CommitBase(std::move(base));
  gameOpacity_ = gameOpacity;
  editorOpacity_ = editorOpacity;
  baseHeight_ = baseHeight;
  layerType_ = layerType;
  picture_ = std::move(picture);
  width_ = width;
  height_ = height;
  cells_ = std::move(cells);
  LinkPictureImage();
}

// The cells are decoded in place from a buffer, or read from a file a block at a time and
// decoded from that: a large floor is neither copied whole nor made twice.
std::vector<TZelvoMapCell> TZelvoMapFloorModel::readCells(BinaryReader& r, int64_t count, bool oldForm) {
  const size_t each = oldForm ? kOldMapCellBytes : kMapCellBytes;
  r.requireAvailable(count * int64_t(each), "floor cells");
  std::vector<TZelvoMapCell> cells;
  if (const uint8_t* bytes = r.viewBytes(count * int64_t(each))) {
    cells.reserve(size_t(count));
    for (size_t i = 0; i < size_t(count); ++i) cells.push_back(DecodeMapCell(bytes + i * each, oldForm));
    return cells;
  }
  constexpr size_t kBlockCells = 4096;
  std::vector<uint8_t> block(std::min(size_t(count), kBlockCells) * each);
  cells.reserve(size_t(count));
  for (size_t left = size_t(count); left > 0;) {
    const size_t n = std::min(left, kBlockCells);
    r.readBytes(block.data(), int64_t(n * each));
    for (size_t i = 0; i < n; ++i) cells.push_back(DecodeMapCell(block.data() + i * each, oldForm));
    left -= n;
  }
  return cells;
}

void TZelvoMapFloorModel::SkipRecord(IZStream& stream, int32_t width, int32_t height) {
  BinaryReader r(stream);
  ReadBaseRecord(r);
  bool oldForm = r.readInt32() != -1;
  for (int i = 0; i < (oldForm ? 3 : 5); ++i) r.readInt32();  // the version and settings not yet read
  TZelvoMapPictureModel(0).LoadFromStream(stream);
  const int64_t bytes = int64_t(width) * height * (oldForm ? kOldMapCellBytes : kMapCellBytes);
  r.requireAvailable(bytes, "floor cells");
  stream.Seek(static_cast<int32_t>(r.position() + bytes));
}

void TZelvoMapFloorModel::LinkPictureImage() { picture_->SetImage(FindImageMaterial(api_, picture_->GetImageID())); }

}  // namespace zelvo
