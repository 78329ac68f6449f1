#pragma once
// The game's animations ("アニメ"): frames cut from a list of pictures, played at a base speed in
// ticks per second; the list of them is stored in "Data\Anime.Dat".

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/ModelItems.h"
#include "model/ZelvoCommonTypes.h"
#include "model/ZelvoModel.h"

namespace zelvo {

class IZelvoMaterialModel;

class IZelvoAnimeFrameModel : public virtual IZelvoModel {
 public:
  virtual void SetSourceRect(const ZelvoCommonTypes::TRect& rect) = 0;
  virtual void SetOffset(int32_t x, int32_t y) = 0;
  virtual void SetDisplayTime(int32_t ticks) = 0;
  virtual void SetImageIndex(int32_t index) = 0;
  virtual void SetFlag(uint8_t flag) = 0;
  virtual ZelvoCommonTypes::TRect GetSourceRect() const = 0;
  virtual ZelvoCommonTypes::TPoint GetOffset() const = 0;
  virtual int32_t GetDisplayTime() const = 0;
  virtual int32_t GetImageIndex() const = 0;
  virtual uint8_t GetFlag() const = 0;
};

using IZelvoAnimeFrameModelPtr = std::shared_ptr<IZelvoAnimeFrameModel>;

// Record: the base record, the source rectangle, the offset, the display time, the image
// index (int32 each), the flag byte. No setter checks its value.
class TZelvoAnimeFrameModel : public TZelvoModel, public virtual IZelvoAnimeFrameModel {
 public:
  static constexpr int64_t kMinRecordBytes = kMinBaseRecordBytes + 8 * 4 + 1;

  explicit TZelvoAnimeFrameModel(int32_t id) : TZelvoModel(id) {}

  void SetSourceRect(const ZelvoCommonTypes::TRect& rect) override { source_ = rect; }
  void SetOffset(int32_t x, int32_t y) override { offset_ = {x, y}; }
  void SetDisplayTime(int32_t ticks) override { displayTime_ = ticks; }
  void SetImageIndex(int32_t index) override { imageIndex_ = index; }
  void SetFlag(uint8_t flag) override { flag_ = flag; }
  ZelvoCommonTypes::TRect GetSourceRect() const override { return source_; }
  ZelvoCommonTypes::TPoint GetOffset() const override { return offset_; }
  int32_t GetDisplayTime() const override { return displayTime_; }
  int32_t GetImageIndex() const override { return imageIndex_; }
  uint8_t GetFlag() const override { return flag_; }

  void SaveToStream(IZStream& stream) override;
  void LoadFromStream(IZStream& stream) override;

 private:
  ZelvoCommonTypes::TRect source_;
  ZelvoCommonTypes::TPoint offset_;
  int32_t displayTime_ = 0;
  int32_t imageIndex_ = 0;
  uint8_t flag_ = 0;
};

// The pictures an animation's frames refer to by index. Its record (version 0, count, each
// picture material's full record) makes a list read back hold pictures of its own.
class IZelvoImageList {
 public:
  virtual ~IZelvoImageList() = default;
  // nullptr is ignored.
  virtual void Add(std::shared_ptr<IZelvoMaterialModel> picture) = 0;
  // -1 appends, otherwise before index in 0..count (count appends); anything else throws
  // EIndexError.
  virtual void Insert(int32_t index, std::shared_ptr<IZelvoMaterialModel> picture) = 0;
  // EIndexError outside 0..count-1 (both for Exchange).
  virtual void Delete(int32_t index) = 0;
  virtual void Exchange(int32_t index1, int32_t index2) = 0;
  virtual int32_t GetCount() const = 0;
  // The picture's path; EIndexError outside 0..count-1.
  virtual std::string GetFileName(int32_t index) const = 0;
  // nullptr at or past the end; EIndexError for a negative index.
  virtual std::shared_ptr<IZelvoMaterialModel> GetItem(int32_t index) const = 0;
  virtual void SaveToStream(IZStream& stream) = 0;
  // A version other than 0 reads nothing more and keeps the list; a short or corrupt record
  // throws EFormatError and keeps it too.
  virtual void LoadFromStream(IZStream& stream) = 0;
};

using IZelvoImageListPtr = std::shared_ptr<IZelvoImageList>;

class TZelvoImageList final : public IZelvoImageList {
 public:
  // Version and count.
  static constexpr int64_t kMinRecordBytes = 8;

  void Add(std::shared_ptr<IZelvoMaterialModel> picture) override;
  void Insert(int32_t index, std::shared_ptr<IZelvoMaterialModel> picture) override;
  void Delete(int32_t index) override;
  void Exchange(int32_t index1, int32_t index2) override;
  int32_t GetCount() const override { return static_cast<int32_t>(items_.size()); }
  std::string GetFileName(int32_t index) const override;
  std::shared_ptr<IZelvoMaterialModel> GetItem(int32_t index) const override;
  void SaveToStream(IZStream& stream) override;
  void LoadFromStream(IZStream& stream) override;

 private:
  std::vector<std::shared_ptr<IZelvoMaterialModel>> items_;
};

class IZelvoAnimeModel : public virtual IZelvoModel {
 public:
  // nullptr is ignored (also by InsertFrame).
  virtual void AddFrame(std::shared_ptr<IZelvoAnimeFrameModel> frame) = 0;
  // -1 appends, otherwise before index in 0..count; anything else throws EIndexError.
  virtual void InsertFrame(int32_t index, std::shared_ptr<IZelvoAnimeFrameModel> frame) = 0;
  // EIndexError outside 0..count-1 (for GetFrame and both indexes of ExchangeFrames too).
  virtual void DeleteFrame(int32_t index) = 0;
  virtual void ExchangeFrames(int32_t index1, int32_t index2) = 0;
  virtual int32_t GetFrameCount() const = 0;
  virtual std::shared_ptr<IZelvoAnimeFrameModel> GetFrame(int32_t index) const = 0;
  // Ticks per second; not checked.
  virtual void SetBaseSpeed(int32_t ticksPerSecond) = 0;
  virtual void SetFlag(uint8_t flag) = 0;
  virtual std::shared_ptr<IZelvoImageList> GetImageList() const = 0;
  virtual int32_t GetBaseSpeed() const = 0;
  virtual uint8_t GetFlag() const = 0;
  // The owned movie material (kind 4001).
  virtual std::shared_ptr<IZelvoMaterialModel> GetStyle() const = 0;
};

using IZelvoAnimeModelPtr = std::shared_ptr<IZelvoAnimeModel>;

// Record: the base record, version 0, the movie material's record, the base speed, the frame
// count and the frames' records, the image list's record. The flag is not stored. A version
// other than 0 reads nothing after it and keeps frames, speed, material and pictures.
class TZelvoAnimeModel : public TZelvoModel, public virtual IZelvoAnimeModel {
 public:
  static constexpr int64_t kMinRecordBytes = kMinBaseRecordBytes + 4;
  static constexpr int32_t kDefaultBaseSpeed = 60;

  // Base speed 60, no frames, an empty image list and a movie material with ID -1.
  explicit TZelvoAnimeModel(int32_t id);

  void AddFrame(std::shared_ptr<IZelvoAnimeFrameModel> frame) override;
  void InsertFrame(int32_t index, std::shared_ptr<IZelvoAnimeFrameModel> frame) override;
  void DeleteFrame(int32_t index) override;
  void ExchangeFrames(int32_t index1, int32_t index2) override;
  int32_t GetFrameCount() const override { return frames_.count(); }
  std::shared_ptr<IZelvoAnimeFrameModel> GetFrame(int32_t index) const override;
  void SetBaseSpeed(int32_t ticksPerSecond) override { baseSpeed_ = ticksPerSecond; }
  void SetFlag(uint8_t flag) override { flag_ = flag; }
  std::shared_ptr<IZelvoImageList> GetImageList() const override { return images_; }
  int32_t GetBaseSpeed() const override { return baseSpeed_; }
  uint8_t GetFlag() const override { return flag_; }
  std::shared_ptr<IZelvoMaterialModel> GetStyle() const override { return style_; }

  void SaveToStream(IZStream& stream) override;
  void LoadFromStream(IZStream& stream) override;

 private:
  ModelItems<IZelvoAnimeFrameModel> frames_;
  std::shared_ptr<IZelvoImageList> images_;
  std::shared_ptr<IZelvoMaterialModel> style_;
  int32_t baseSpeed_ = kDefaultBaseSpeed;
  uint8_t flag_ = 0;
};

// The game's animations: "Data\Anime.Dat" is an int32 count and the animations' records.
class IZelvoAnimeModelList {
 public:
  virtual ~IZelvoAnimeModelList() = default;
  // nullptr is ignored (also by Insert).
  virtual void Add(std::shared_ptr<IZelvoAnimeModel> anime) = 0;
  // Before index in 0..count (count appends); anything else throws EIndexError.
  virtual void Insert(int32_t index, std::shared_ptr<IZelvoAnimeModel> anime) = 0;
  // EIndexError outside 0..count-1 (for GetItem and both indexes of Exchange too).
  virtual void Delete(int32_t index) = 0;
  virtual void Exchange(int32_t index1, int32_t index2) = 0;
  virtual int32_t GetCount() const = 0;
  virtual std::shared_ptr<IZelvoAnimeModel> GetItem(int32_t index) const = 0;
  virtual void SaveToStream(IZStream& stream) = 0;
  // Replaces the list with the stored one; a short or corrupt file throws EFormatError and
  // leaves the list as it was.
  virtual void LoadFromStream(IZStream& stream) = 0;
};

using IZelvoAnimeModelListPtr = std::shared_ptr<IZelvoAnimeModelList>;

class TZelvoAnimeModelList final : public IZelvoAnimeModelList {
 public:
  void Add(std::shared_ptr<IZelvoAnimeModel> anime) override;
  void Insert(int32_t index, std::shared_ptr<IZelvoAnimeModel> anime) override;
  void Delete(int32_t index) override;
  void Exchange(int32_t index1, int32_t index2) override;
  int32_t GetCount() const override { return items_.count(); }
  std::shared_ptr<IZelvoAnimeModel> GetItem(int32_t index) const override;
  void SaveToStream(IZStream& stream) override;
  void LoadFromStream(IZStream& stream) override;

 private:
  ModelItems<IZelvoAnimeModel> items_;
};

// How the editor's preview times an animation: a frame stays displayTime * 1000 / baseSpeed
// milliseconds, and frames whose display time is 0 are drawn together with those that follow,
// up to and including the next frame that has a time.
struct AnimeStep {
  int32_t firstFrame = 0;  // the frames firstFrame..lastFrame are drawn together
  int32_t lastFrame = 0;
  int64_t milliseconds = 0;
  friend bool operator==(const AnimeStep&, const AnimeStep&) = default;
};

// 0 for a base speed of 0 or less, which has no duration to give.
int64_t AnimeFrameMilliseconds(int32_t displayTime, int32_t baseSpeed);
// The steps in playing order; trailing frames without a time make a last step of 0 ms.
std::vector<AnimeStep> AnimeSteps(const IZelvoAnimeModel& anime);

}  // namespace zelvo
