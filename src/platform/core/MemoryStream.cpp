#include "platform/core/MemoryStream.h"

#include <algorithm>
#include <cstring>

namespace zelvo {

MemoryStream::MemoryStream(std::vector<uint8_t> bytes, std::string name)
    : bytes_(std::move(bytes)), name_(std::move(name)) {}

int32_t MemoryStream::Read(void* buffer, int32_t count) {
  if (count <= 0 || position_ >= bytes_.size()) return 0;
  size_t n = std::min(static_cast<size_t>(count), bytes_.size() - position_);
  std::memcpy(buffer, bytes_.data() + position_, n);
  position_ += n;
  return static_cast<int32_t>(n);
}

int32_t MemoryStream::Write(const void* buffer, int32_t count) {
  if (count <= 0) return 0;
  size_t end = position_ + static_cast<size_t>(count);
  if (end > bytes_.size()) bytes_.resize(end);
  std::memcpy(bytes_.data() + position_, buffer, static_cast<size_t>(count));
  position_ = end;
  return count;
}

int32_t MemoryStream::Seek(int32_t position) {
  position_ = static_cast<size_t>(std::max(position, 0));
  return static_cast<int32_t>(position_);
}

}  // namespace zelvo
