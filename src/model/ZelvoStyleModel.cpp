#include "model/ZelvoStyleModel.h"

#include <cstring>

#include "platform/core/BinaryReader.h"

namespace zelvo {

namespace {
constexpr int32_t kMarker = -1;
constexpr int32_t kVersion = 1;
}  // namespace

TZelvoStyleModel::TZelvoStyleModel(int32_t id, int32_t kind) : TZelvoModel(id), kind_(kind) {
  SetPath("");
  if (kind == MaterialKind::Picture) {
    auto change = AddColorChange();
    change->SetUseTopLeftColor(true);
    change->SetIgnoreSourceAlpha(false);
  }
}

void TZelvoStyleModel::SetPath(const char* path) {
  if (!path) return;
  path_.assign(path, std::strlen(path));
  pathBytes_ = path_;
  pathBytes_.push_back('\0');
}

std::shared_ptr<IZelvoChangeColorModel> TZelvoStyleModel::GetColorChange(int32_t index) const {
  return changes_.checkedAt(index, "colour change");
}

std::shared_ptr<IZelvoChangeColorModel> TZelvoStyleModel::AddColorChange() {
  auto change = std::make_shared<TZelvoChangeColorModel>(-1);
  changes_.add(change);
  return change;
}

void TZelvoStyleModel::DeleteColorChange(int32_t index) {
  changes_.checkedAt(index, "colour change");
  changes_.erase(index);
}

void TZelvoStyleModel::ExchangeColorChanges(int32_t index1, int32_t index2) {
  changes_.exchange(index1, index2, "colour change");
}

void TZelvoStyleModel::SaveToStream(IZStream& stream) {
  TZelvoModel::SaveToStream(stream);
  BinaryWriter w(stream);
  w.writeInt32(kMarker);
  w.writeInt32(kVersion);
  w.writeInt32(kind_);
  w.writeInt32(static_cast<int32_t>(pathBytes_.size()));
  w.writeString(pathBytes_);
  changes_.save(stream);
}

void TZelvoStyleModel::LoadFromStream(IZStream& stream) {
  TZelvoStyleModel read(-1, 0);
  TBaseRecord base = ReadBaseRecord(stream);
  BinaryReader r(stream);
  int32_t version = 0;
  int32_t kind = r.readInt32();
  if (kind == kMarker) {
    version = r.readInt32();
    kind = r.readInt32();
  }
  read.kind_ = kind;
  read.pathBytes_ = r.readString(r.readLength());
  read.path_ = std::string(read.pathBytes_.c_str());
  if (version == 0) {
    read.AddColorChange();
  } else if (version == kVersion) {
    read.changes_.load(stream, [] { return std::make_shared<TZelvoChangeColorModel>(-1); },
                       kMinBaseRecordBytes + TZelvoChangeColorModel::kOwnBytes);
  }
  // The flags belong to synchronising with the disk, not to the record.
  read.missing_ = missing_;
  read.new_ = new_;
  if (int32_t fixed = fixedKind()) read.kind_ = fixed;
  *this = read;
  CommitBase(std::move(base));
}

}  // namespace zelvo
