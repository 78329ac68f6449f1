#include "editor/core/EtcBitmapList.h"

#include <algorithm>
#include <filesystem>

#include "model/ZelvoPrivateTypes.h"

namespace zelvo {

namespace {

bool fileExists(const std::string& fileName) {
  return NativeFileExists(fileName);
}

}  // namespace

template <typename Match>
TEtcBitmapContainer* TEtcBitmapList::findLast(Match match) const {
  const auto found = std::find_if(containers_.rbegin(), containers_.rend(), [&](const auto& c) { return match(*c); });
  return found == containers_.rend() ? nullptr : found->get();
}

std::unique_ptr<TEtcBitmapContainer> TEtcBitmapList::loadNew(const std::string& fileName) const {
  auto container = std::make_unique<TEtcBitmapContainer>();
  container->Bitmap->LoadFromFile(fileName);
  container->FileName = fileName;
  container->RefCount = 1;
  return container;
}

std::unique_ptr<TEtcBitmapContainer> TEtcBitmapList::loadNewSized(const std::string& fileName, int32_t width,
                                                                  int32_t height, int32_t type) const {
  auto container = loadNew(fileName);
  container->Bitmap->Resize(width, height, 32, type);
  container->Width = width;
  container->Height = height;
  container->ResizeType = type;
  return container;
}

TBitmap32* TEtcBitmapList::append(std::unique_ptr<TEtcBitmapContainer> container) {
  containers_.push_back(std::move(container));
  return containers_.back()->Bitmap.get();
}

TBitmap32* TEtcBitmapList::Load(const std::string& fileName) {
  if (!fileExists(fileName)) return nullptr;
  if (TEtcBitmapContainer* cached = findLast([&](const auto& c) { return c.FileName == fileName; })) {
    ++cached->RefCount;
    return nullptr;
  }
  return append(loadNew(fileName));
}

TBitmap32* TEtcBitmapList::LoadSized(const std::string& fileName, int32_t width, int32_t height, int32_t type,
                                     int32_t id) {
  if (!fileExists(fileName)) return nullptr;
  auto container = loadNewSized(fileName, width, height, type);
  container->ID = id;
  return append(std::move(container));
}

TBitmap32* TEtcBitmapList::LoadSizedShared(const std::string& fileName, int32_t width, int32_t height, int32_t type) {
  if (!fileExists(fileName)) return nullptr;
  if (TEtcBitmapContainer* cached = findLast([&](const auto& c) {
        return c.FileName == fileName && c.Width == width && c.Height == height && c.ResizeType == type;
      })) {
    ++cached->RefCount;
    return nullptr;
  }
  return append(loadNewSized(fileName, width, height, type));
}

TBitmap32* TEtcBitmapList::FindByName(const std::string& fileName) const {
  const TEtcBitmapContainer* c = findLast([&](const auto& c) { return c.FileName == fileName; });
  return c ? c->Bitmap.get() : nullptr;
}

TBitmap32* TEtcBitmapList::FindByID(int32_t id) const {
  if (id == TEtcBitmapContainer::kNoID) return nullptr;
  const TEtcBitmapContainer* c = findLast([&](const auto& c) { return c.ID == id; });
  return c ? c->Bitmap.get() : nullptr;
}

TBitmap32* TEtcBitmapList::Find(const std::string& fileName, int32_t width, int32_t height, int32_t type) const {
  const TEtcBitmapContainer* c = findLast([&](const auto& c) {
    return c.FileName == fileName && c.Width == width && c.Height == height && c.ResizeType == type;
  });
  return c ? c->Bitmap.get() : nullptr;
}

void TEtcBitmapList::Release(const std::string& fileName) {
  const auto found = std::find_if(containers_.rbegin(), containers_.rend(),
                                  [&](const auto& c) { return c->FileName == fileName; });
  if (found == containers_.rend()) return;
  if (--(*found)->RefCount <= 0) containers_.erase(std::next(found).base());
}

void TEtcBitmapList::Clear() { containers_.clear(); }

const TEtcBitmapContainer* TEtcBitmapList::GetContainer(int32_t index) const {
  return index >= 0 && index < Count() ? containers_[size_t(index)].get() : nullptr;
}

int32_t TEtcBitmapList::RefCountOf(const std::string& fileName) const {
  const TEtcBitmapContainer* c = findLast([&](const auto& c) { return c.FileName == fileName; });
  return c ? c->RefCount : 0;
}

}  // namespace zelvo
