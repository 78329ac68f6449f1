#include "editor/core/ZEMapEditorTiles.h"

namespace zelvo {

void TZEMapEditorTiles::Prepare(const std::vector<uint64_t>& scene, int32_t step) {
  if (prepared_ && step == step_ && scene == scene_) return;
  Clear();
  scene_ = scene;
  step_ = step;
  prepared_ = true;
}

void TZEMapEditorTiles::Clear() {
  index_.clear();
  // The blocks stay for the next tiles: fresh memory costs a page fault per page at first touch.
  filled_ = 0;
  used_ = 0;
  scene_.clear();
  prepared_ = false;
}

size_t TZEMapEditorTiles::KeyHash::operator()(const Key& key) const {
  uint64_t h = 0x9E3779B97F4A7C15ull ^ uint64_t(key.count) ^ (key.overlay * 0x94D049BB133111EBull);
  for (int32_t i = 0; i < key.count; ++i) {
    h ^= key.layers[size_t(i)] + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
    h *= 0xBF58476D1CE4E5B9ull;
  }
  return size_t(h ^ (h >> 31));
}

const uint32_t* TZEMapEditorTiles::Find(const Key& key) const {
  auto found = index_.find(key);
  return found == index_.end() ? nullptr : found->second;
}

uint32_t* TZEMapEditorTiles::Add(const Key& key) {
  const size_t pixels = size_t(step_) * size_t(step_);
  if (filled_ == 0 || used_ + pixels > kBlockPixels) {
    if ((filled_ + 1) * kBlockPixels > kBudgetPixels) {
      // Past the budget the tiles start over; the ones in view come back on the next paints.
      index_.clear();
      filled_ = 0;
    }
    if (filled_ == blocks_.size()) blocks_.push_back(std::make_unique_for_overwrite<uint32_t[]>(kBlockPixels));
    ++filled_;
    used_ = 0;
  }
  uint32_t* tile = blocks_[filled_ - 1].get() + used_;
  used_ += pixels;
  index_[key] = tile;
  return tile;
}

}  // namespace zelvo
