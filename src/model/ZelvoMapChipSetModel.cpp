#include "model/ZelvoMapChipSetModel.h"

#include <algorithm>

#include "model/ZMLFactory.h"
#include "model/ZMLZelvoAPI.h"
#include "model/ZelvoStylePackage.h"
#include "platform/core/BinaryReader.h"
#include "platform/core/Errors.h"
#include "platform/core/LittleEndian.h"

namespace zelvo {

namespace {

void writeChip(BinaryWriter& w, const TZelvoChipAttributes& c) {
  const uint16_t halves[4] = {uint16_t(c.Height), uint16_t(c.GroundKind), uint16_t(c.Passability),
                              uint16_t(c.EncounterRate)};
  uint8_t b[8];
  for (int i = 0; i < 4; ++i) LittleEndian::storeU16(b + 2 * i, halves[i]);
  w.writeBytes(b, sizeof b);
  w.writeInt32(c.Reserved);
  w.writeInt32(c.EventID);
}

TZelvoChipAttributes readChip(BinaryReader& r) {
  uint8_t b[8];
  r.readBytes(b, sizeof b);
  auto half = [&](int i) { return static_cast<int16_t>(LittleEndian::loadU16(b + 2 * i)); };
  TZelvoChipAttributes c;
  c.Height = half(0);
  c.GroundKind = half(1);
  c.Passability = half(2);
  c.EncounterRate = half(3);
  c.Reserved = r.readInt32();
  c.EventID = r.readInt32();
  return c;
}

}  // namespace

TZelvoMapChipSetModel::TZelvoMapChipSetModel(int32_t id)
    : TZelvoModel(id),
      chips_(static_cast<size_t>(columns_ * rows_)),
      image_(std::make_shared<TZelvoStyleModel>(-1, MaterialKind::Picture)) {}

std::string TZelvoMapChipSetModel::GetImagePath() const { return image_ ? image_->GetPath() : std::string(); }

bool TZelvoMapChipSetModel::HasChip(int32_t x, int32_t y) const {
  return x >= 0 && y >= 0 && x < columns_ && y < rows_;
}

size_t TZelvoMapChipSetModel::chipIndex(int32_t x, int32_t y, const char* what) const {
  if (x < 0 || x >= columns_) throw EIndexError(std::string(what) + " column", x, columns_);
  if (y < 0 || y >= rows_) throw EIndexError(std::string(what) + " row", y, rows_);
  return static_cast<size_t>(x) + static_cast<size_t>(y) * static_cast<size_t>(columns_);
}

TZelvoChipAttributes TZelvoMapChipSetModel::GetChip(int32_t x, int32_t y) const {
  return chips_[chipIndex(x, y, "chip")];
}

void TZelvoMapChipSetModel::SetChip(int32_t x, int32_t y, const TZelvoChipAttributes& chip) {
  chips_[chipIndex(x, y, "chip")] = chip;
}

void TZelvoMapChipSetModel::SetSize(int32_t columns, int32_t rows) {
  columns = std::max(columns, 0);
  rows = std::max(rows, 0);
  std::vector<TZelvoChipAttributes> chips(static_cast<size_t>(columns) * static_cast<size_t>(rows));
  for (int32_t y = 0; y < std::min(rows, rows_); ++y)
    for (int32_t x = 0; x < std::min(columns, columns_); ++x)
      chips[static_cast<size_t>(x) + static_cast<size_t>(y) * static_cast<size_t>(columns)] = GetChip(x, y);
  chips_ = std::move(chips);
  columns_ = columns;
  rows_ = rows;
}

void TZelvoMapChipSetModel::SetImage(std::shared_ptr<IZelvoMaterialModel> material) {
  if (!material) return;
  imageID_ = material->GetID();
  image_ = std::move(material);
  ownPicture_ = false;
  pendingID_ = false;
}

void TZelvoMapChipSetModel::ResolveImage(IZMLZelvoAPI* api) {
  pendingID_ = false;
  std::shared_ptr<IZelvoMaterialPackage> images = api ? api->GetImageMaterials() : nullptr;
  if (std::shared_ptr<IZelvoMaterialModel> found = images ? images->FindByID(imageID_) : nullptr) {
    image_ = std::move(found);
    ownPicture_ = false;
    return;
  }
  if (!ownPicture_ || !image_) {
    image_ = nullptr;
    return;
  }
  // The record held the picture itself: keep it among the image materials, under an ID of
  // the game's, so the newest record (which names only the ID) finds it again.
  std::shared_ptr<IZelvoMaterialModel> kept = image_;
  std::shared_ptr<IZMLFactory> factory = api ? api->GetFactory() : nullptr;
  if (factory && kept->GetKind() != MaterialKind::Folder) {
    if (std::shared_ptr<IZelvoMaterialModel> fresh = factory->CreateStyleModel(kept->GetKind())) {
      AssignModelKeepID(*fresh, *kept);
      kept = std::move(fresh);
    }
  }
  if (images && kept->GetKind() != MaterialKind::Folder) images->Add(kept);
  SetImage(std::move(kept));
}

void TZelvoMapChipSetModel::SaveToStream(IZStream& stream) {
  TZelvoModel::SaveToStream(stream);
  BinaryWriter w(stream);
  w.writeInt32(kMarker);
  w.writeInt32(columns_);
  w.writeInt32(rows_);
  w.writeInt32(edgeFlag_);
  w.writeInt32(param_);
  w.writeInt32(kVersion);
  w.writeInt32(0);
  w.writeInt32(0);
  w.writeInt32(pendingID_ ? imageID_ : image_ ? image_->GetID() : -1);
  for (const TZelvoChipAttributes& chip : chips_) writeChip(w, chip);
}

void TZelvoMapChipSetModel::LoadFromStream(IZStream& stream) {
  TZelvoMapChipSetModel read(-1);
  TBaseRecord base = ReadBaseRecord(stream);
  BinaryReader r(stream);
  auto readPath = [&] {
    int32_t n = r.readLength();
    if (n == 0) return;  // an empty path leaves the material's path as it is
    std::string path = r.readString(n);
    read.image_->SetPath(path.c_str());
    read.image_->SetName(path.c_str());
    read.ownPicture_ = true;
  };

  int32_t columns = r.readInt32();
  int32_t rows;
  if (columns == kMarker) {
    columns = r.readInt32();
    rows = r.readInt32();
    read.edgeFlag_ = r.readInt32();
    read.param_ = r.readInt32();
    int32_t version = r.readInt32();
    r.readInt32();
    r.readInt32();
    if (version == 1) {
      read.image_->LoadFromStream(stream);
      read.imageID_ = read.image_->GetID();
      read.ownPicture_ = true;
    } else if (version == kVersion) {
      read.imageID_ = r.readInt32();
      read.image_ = nullptr;
      read.pendingID_ = true;
    } else {
      readPath();
    }
  } else {
    rows = r.readInt32();
    readPath();
  }

  if (columns < 0 || rows < 0) r.fail("negative chip-set size");
  const int64_t chips = int64_t(columns) * int64_t(rows);
  if (chips > r.remaining() / kChipAttributesBytes) r.fail("chips run past the end");
  read.columns_ = columns;
  read.rows_ = rows;
  read.chips_.clear();
  read.chips_.reserve(static_cast<size_t>(chips));
  for (int64_t i = 0; i < chips; ++i) read.chips_.push_back(readChip(r));
  read.deleted_ = deleted_;
  *this = read;
  CommitBase(std::move(base));
}

}  // namespace zelvo
