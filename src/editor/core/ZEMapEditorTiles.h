#pragma once
// The map canvas's composed cells at the current zoom, kept between paints: a cell whose layers
// hold the same chips, and whose overlay shows the same value, as one composed before is copied
// from its tile instead of being composed and stretched again. Tiles belong to one scene (zoom,
// mode, opacities, pictures...); a paint under another scene drops them all, and so does going
// past the memory budget.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

namespace zelvo {

class TZEMapEditorTiles {
 public:
  static constexpr int32_t kMaxLayers = 8;
  // Zoomed cell sides beyond this are drawn without tiles.
  static constexpr int32_t kMaxStep = 512;
  static constexpr size_t kBudgetPixels = size_t(16) << 20;  // 64 MB

  // What a cell's tile is made of: one value per layer, bottom first, and the value the mode's
  // overlay shows (0 for none).
  struct Key {
    std::array<uint64_t, kMaxLayers> layers{};
    int32_t count = 0;
    uint64_t overlay = 0;
    bool operator==(const Key& other) const {
      return count == other.count && overlay == other.overlay && layers == other.layers;
    }
  };

  // Keeps the tiles when the scene is the one they were made under; otherwise drops them and
  // starts over with tiles of step x step pixels.
  void Prepare(const std::vector<uint64_t>& scene, int32_t step);
  // Drops every tile; their memory is kept for the next ones, within the budget.
  void Clear();
  int32_t Step() const { return step_; }
  size_t Count() const { return index_.size(); }

  // The tile's pixels, row after row; nullptr when there is none yet.
  const uint32_t* Find(const Key& key) const;
  // A new tile for key, to be filled by the caller; valid until the next Add.
  uint32_t* Add(const Key& key);

 private:
  struct KeyHash {
    size_t operator()(const Key& key) const;
  };
  // Tiles live in blocks that never move, so a new tile copies none of the old ones.
  static constexpr size_t kBlockPixels = size_t(kMaxStep) * kMaxStep;

  std::vector<uint64_t> scene_;
  bool prepared_ = false;
  int32_t step_ = 0;
  std::unordered_map<Key, uint32_t*, KeyHash> index_;
  std::vector<std::unique_ptr<uint32_t[]>> blocks_;
  size_t filled_ = 0;  // blocks holding tiles, the last of them being filled
  size_t used_ = 0;    // pixels taken in that block
};

}  // namespace zelvo
