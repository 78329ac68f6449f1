#pragma once
// A reference-counted cache of pictures keyed by file name (and by size and resize type, or by an
// ID). The cache owns every picture it hands out; callers never free them.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "editor/core/Bitmap32.h"

namespace zelvo {

class TEtcBitmapContainer {
 public:
  static constexpr int32_t kNoID = -1;

  std::unique_ptr<TBitmap32> Bitmap = std::make_unique<TBitmap32>();
  std::string FileName;
  int32_t RefCount = 0;
  int32_t Width = 0;
  int32_t Height = 0;
  int32_t ResizeType = 0;
  // Only pictures loaded with an ID have one, so FindByID never answers with another picture.
  int32_t ID = kNoID;
};

class TEtcBitmapList {
 public:
  // File names are program paths (CP932). A missing file gives nullptr and caches nothing; a
  // picture that cannot be read throws (EFormatError) and caches nothing.

  // The picture on its first load; nullptr when the name is already cached (its count still goes
  // up: fetch the shared picture with FindByName).
  TBitmap32* Load(const std::string& fileName);
  // Always a new picture of its own, resized to (width, height, type), count 1.
  TBitmap32* LoadSized(const std::string& fileName, int32_t width, int32_t height, int32_t type, int32_t id);
  // As Load, matching name, width, height and type together.
  TBitmap32* LoadSizedShared(const std::string& fileName, int32_t width, int32_t height, int32_t type);

  // Exact, case-sensitive names; the latest match in the list wins.
  TBitmap32* FindByName(const std::string& fileName) const;
  TBitmap32* FindByID(int32_t id) const;
  TBitmap32* Find(const std::string& fileName, int32_t width, int32_t height, int32_t type) const;

  // One reference less; freed at 0. An unknown name is ignored.
  void Release(const std::string& fileName);
  void Clear();

  int32_t Count() const { return static_cast<int32_t>(containers_.size()); }
  // nullptr outside 0..Count-1.
  const TEtcBitmapContainer* GetContainer(int32_t index) const;
  // The count of the latest container of that name; 0 when none.
  int32_t RefCountOf(const std::string& fileName) const;

 private:
  template <typename Match>
  TEtcBitmapContainer* findLast(Match match) const;
  std::unique_ptr<TEtcBitmapContainer> loadNew(const std::string& fileName) const;
  std::unique_ptr<TEtcBitmapContainer> loadNewSized(const std::string& fileName, int32_t width, int32_t height,
                                                    int32_t type) const;
  TBitmap32* append(std::unique_ptr<TEtcBitmapContainer> container);

  std::vector<std::unique_ptr<TEtcBitmapContainer>> containers_;
};

}  // namespace zelvo
