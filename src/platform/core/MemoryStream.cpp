#include "platform/core/MemoryStream.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace zelvo {

namespace {
// Below this a buffer gains nothing from large pages.
constexpr size_t kLargePage = size_t(2) << 20;
constexpr size_t kTouchStep = size_t(256) << 10;

// Asks for large pages over the whole 2 MiB stretches of a buffer not touched yet: a large save
// otherwise spends much of its time taking one fault per 4 KiB page. Advice only; a refusal
// changes nothing.
void adviseLargePages(uint8_t* data, size_t size) {
  const uintptr_t begin = (reinterpret_cast<uintptr_t>(data) + kLargePage - 1) & ~(kLargePage - 1);
  const uintptr_t end = (reinterpret_cast<uintptr_t>(data) + size) & ~(kLargePage - 1);
  if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
}
}  // namespace

MemoryStream::MemoryStream(std::vector<uint8_t> bytes, std::string name)
    : bytes_(std::move(bytes)), size_(bytes_.size()), name_(std::move(name)) {
  // Room a caller reserved ahead is not touched yet and can still take large pages.
  if (bytes_.capacity() - size_ >= kLargePage) adviseLargePages(bytes_.data() + size_, bytes_.capacity() - size_);
}

int32_t MemoryStream::Seek(int32_t position) {
  position_ = static_cast<size_t>(std::max(position, 0));
  return static_cast<int32_t>(position_);
}

// Large buffers take their room four times ahead but zero, and so touch, only a step past what
// is written: room never written costs no memory, and a large save copies and faults in far
// fewer bytes than when every doubling was filled at once.
void MemoryStream::grow(size_t end) {
  if (end <= bytes_.capacity() && bytes_.capacity() >= kLargePage) {
    bytes_.resize(std::min(bytes_.capacity(), std::max(end, bytes_.size() + kTouchStep)));
    return;
  }
  const size_t want = std::max({end, bytes_.size() * 2, size_t(256)});
  if (want < kLargePage) {
    bytes_.resize(want);
    return;
  }
  const size_t room = std::max(end, bytes_.capacity() * 4);
  // A new block, advised before the old bytes are copied into it.
  std::vector<uint8_t> next;
  next.reserve(room);
  adviseLargePages(next.data(), room);
  next.assign(bytes_.begin(), bytes_.end());
  next.resize(std::min(room, std::max(end, next.size() + kTouchStep)));
  bytes_.swap(next);
}

}  // namespace zelvo
