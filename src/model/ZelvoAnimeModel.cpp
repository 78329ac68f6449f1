#include "model/ZelvoAnimeModel.h"

#include "model/ZelvoDatabaseList.h"
#include "model/ZelvoStyleModel.h"
#include "platform/core/BinaryReader.h"
#include "platform/core/Errors.h"

namespace zelvo {

namespace {

// The one version the image list and the animation records understand.
constexpr int32_t kRecordVersion = 0;

// Where an insert at index goes: -1 (when allowed) and count append; anything else outside
// 0..count is an index error.
size_t insertPosition(int32_t index, size_t count, bool minusOneAppends, const char* what) {
  if (minusOneAppends && index == -1) return count;
  if (index < 0 || static_cast<size_t>(index) > count) throw EIndexError(what, index, static_cast<int64_t>(count));
  return static_cast<size_t>(index);
}

void checkIndex(int32_t index, size_t count, const char* what) {
  if (index < 0 || static_cast<size_t>(index) >= count) throw EIndexError(what, index, static_cast<int64_t>(count));
}

}  // namespace

// --- frames ---

void TZelvoAnimeFrameModel::SaveToStream(IZStream& stream) {
  TZelvoModel::SaveToStream(stream);
  BinaryWriter w(stream);
  for (int32_t v : {source_.Left, source_.Top, source_.Right, source_.Bottom, offset_.X, offset_.Y, displayTime_,
                    imageIndex_})
    w.writeInt32(v);
  w.writeByte(flag_);
}

void TZelvoAnimeFrameModel::LoadFromStream(IZStream& stream) {
  TBaseRecord base = ReadBaseRecord(stream);
  BinaryReader r(stream);
  r.requireAvailable(kMinRecordBytes - kMinBaseRecordBytes, "frame");
  ZelvoCommonTypes::TRect source;
  source.Left = r.readInt32();
  source.Top = r.readInt32();
  source.Right = r.readInt32();
  source.Bottom = r.readInt32();
  ZelvoCommonTypes::TPoint offset;
  offset.X = r.readInt32();
  offset.Y = r.readInt32();
  int32_t displayTime = r.readInt32();
  int32_t imageIndex = r.readInt32();
  uint8_t flag = r.readByte();
  CommitBase(std::move(base));
  source_ = source;
  offset_ = offset;
  displayTime_ = displayTime;
  imageIndex_ = imageIndex;
  flag_ = flag;
}

// --- image list ---

void TZelvoImageList::Add(std::shared_ptr<IZelvoMaterialModel> picture) {
  if (picture) items_.push_back(std::move(picture));
}

void TZelvoImageList::Insert(int32_t index, std::shared_ptr<IZelvoMaterialModel> picture) {
  size_t at = insertPosition(index, items_.size(), true, "image list");
  if (picture) items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), std::move(picture));
}

void TZelvoImageList::Delete(int32_t index) {
  checkIndex(index, items_.size(), "image list");
  items_.erase(items_.begin() + index);
}

void TZelvoImageList::Exchange(int32_t index1, int32_t index2) {
  checkIndex(index1, items_.size(), "image list");
  checkIndex(index2, items_.size(), "image list");
  std::swap(items_[static_cast<size_t>(index1)], items_[static_cast<size_t>(index2)]);
}

std::string TZelvoImageList::GetFileName(int32_t index) const {
  checkIndex(index, items_.size(), "image list");
  return items_[static_cast<size_t>(index)]->GetPath();
}

std::shared_ptr<IZelvoMaterialModel> TZelvoImageList::GetItem(int32_t index) const {
  if (index < 0) throw EIndexError("image list", index, GetCount());
  return static_cast<size_t>(index) < items_.size() ? items_[static_cast<size_t>(index)] : nullptr;
}

void TZelvoImageList::SaveToStream(IZStream& stream) {
  BinaryWriter w(stream);
  w.writeInt32(kRecordVersion);
  w.writeInt32(GetCount());
  for (const auto& picture : items_) picture->SaveToStream(stream);
}

void TZelvoImageList::LoadFromStream(IZStream& stream) {
  BinaryReader r(stream);
  if (r.readInt32() != kRecordVersion) return;
  int32_t n = ReadRecordCount(r, TZelvoStyleModel::kMinRecordBytes);
  std::vector<std::shared_ptr<IZelvoMaterialModel>> read;
  read.reserve(static_cast<size_t>(n));
  for (int32_t i = 0; i < n; ++i) {
    auto picture = std::make_shared<TZelvoStyleModel>(-1, MaterialKind::Picture);
    picture->LoadFromStream(stream);
    read.push_back(std::move(picture));
  }
  items_ = std::move(read);
}

// --- animations ---

TZelvoAnimeModel::TZelvoAnimeModel(int32_t id)
    : TZelvoModel(id),
      images_(std::make_shared<TZelvoImageList>()),
      style_(std::make_shared<TZelvoStyleModel>(-1, MaterialKind::Movie)) {}

void TZelvoAnimeModel::AddFrame(std::shared_ptr<IZelvoAnimeFrameModel> frame) {
  if (frame) frames_.add(std::move(frame));
}

void TZelvoAnimeModel::InsertFrame(int32_t index, std::shared_ptr<IZelvoAnimeFrameModel> frame) {
  size_t at = insertPosition(index, frames_.items().size(), true, "frame");
  if (frame) frames_.items().insert(frames_.items().begin() + static_cast<std::ptrdiff_t>(at), std::move(frame));
}

void TZelvoAnimeModel::DeleteFrame(int32_t index) {
  checkIndex(index, frames_.items().size(), "frame");
  frames_.erase(index);
}

void TZelvoAnimeModel::ExchangeFrames(int32_t index1, int32_t index2) { frames_.exchange(index1, index2, "frame"); }

std::shared_ptr<IZelvoAnimeFrameModel> TZelvoAnimeModel::GetFrame(int32_t index) const {
  return frames_.checkedAt(index, "frame");
}

void TZelvoAnimeModel::SaveToStream(IZStream& stream) {
  TZelvoModel::SaveToStream(stream);
  BinaryWriter w(stream);
  w.writeInt32(kRecordVersion);
  style_->SaveToStream(stream);
  w.writeInt32(baseSpeed_);
  frames_.save(stream);
  images_->SaveToStream(stream);
}

void TZelvoAnimeModel::LoadFromStream(IZStream& stream) {
  TBaseRecord base = ReadBaseRecord(stream);
  BinaryReader r(stream);
  int32_t version = r.readInt32();
  if (version == kRecordVersion) {
    auto style = std::make_shared<TZelvoStyleModel>(-1, MaterialKind::Movie);
    style->LoadFromStream(stream);
    int32_t baseSpeed = r.readInt32();
    int32_t n = ReadRecordCount(r, TZelvoAnimeFrameModel::kMinRecordBytes);
    std::vector<std::shared_ptr<IZelvoAnimeFrameModel>> frames;
    frames.reserve(static_cast<size_t>(n));
    for (int32_t i = 0; i < n; ++i) {
      auto frame = std::make_shared<TZelvoAnimeFrameModel>(0);
      frame->LoadFromStream(stream);
      frames.push_back(std::move(frame));
    }
    // Last in the record and whole or not at all, so nothing above is kept when it fails.
    images_->LoadFromStream(stream);
    style_ = std::move(style);
    baseSpeed_ = baseSpeed;
    frames_.items() = std::move(frames);
  }
  CommitBase(std::move(base));
}

// --- the list ---

void TZelvoAnimeModelList::Add(std::shared_ptr<IZelvoAnimeModel> anime) {
  if (anime) items_.add(std::move(anime));
}

void TZelvoAnimeModelList::Insert(int32_t index, std::shared_ptr<IZelvoAnimeModel> anime) {
  size_t at = insertPosition(index, items_.items().size(), false, "animation");
  if (anime) items_.items().insert(items_.items().begin() + static_cast<std::ptrdiff_t>(at), std::move(anime));
}

void TZelvoAnimeModelList::Delete(int32_t index) {
  checkIndex(index, items_.items().size(), "animation");
  items_.erase(index);
}

void TZelvoAnimeModelList::Exchange(int32_t index1, int32_t index2) { items_.exchange(index1, index2, "animation"); }

std::shared_ptr<IZelvoAnimeModel> TZelvoAnimeModelList::GetItem(int32_t index) const {
  return items_.checkedAt(index, "animation");
}

void TZelvoAnimeModelList::SaveToStream(IZStream& stream) { items_.save(stream); }

void TZelvoAnimeModelList::LoadFromStream(IZStream& stream) {
  BinaryReader r(stream);
  int32_t n = ReadRecordCount(r, TZelvoAnimeModel::kMinRecordBytes);
  std::vector<std::shared_ptr<IZelvoAnimeModel>> read;
  read.reserve(static_cast<size_t>(n));
  for (int32_t i = 0; i < n; ++i) {
    auto anime = std::make_shared<TZelvoAnimeModel>(0);
    anime->LoadFromStream(stream);
    read.push_back(std::move(anime));
  }
  items_.items() = std::move(read);
}

// --- preview timing ---

int64_t AnimeFrameMilliseconds(int32_t displayTime, int32_t baseSpeed) {
  if (baseSpeed <= 0 || displayTime <= 0) return 0;
  return static_cast<int64_t>(displayTime) * 1000 / baseSpeed;
}

std::vector<AnimeStep> AnimeSteps(const IZelvoAnimeModel& anime) {
  std::vector<AnimeStep> steps;
  int32_t count = anime.GetFrameCount();
  int32_t first = 0;
  for (int32_t i = 0; i < count; ++i) {
    int32_t ticks = anime.GetFrame(i)->GetDisplayTime();
    if (ticks <= 0) continue;
    steps.push_back({first, i, AnimeFrameMilliseconds(ticks, anime.GetBaseSpeed())});
    first = i + 1;
  }
  if (first < count) steps.push_back({first, count - 1, 0});
  return steps;
}

}  // namespace zelvo
