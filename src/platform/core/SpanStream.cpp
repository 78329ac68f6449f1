#include "platform/core/SpanStream.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace zelvo {

SpanStream::SpanStream(uint8_t* data, int64_t size, std::string name)
    : data_(data), writable_(data), size_(data ? std::max<int64_t>(size, 0) : 0), name_(std::move(name)) {}

SpanStream::SpanStream(const uint8_t* data, int64_t size, std::string name)
    : data_(data), writable_(nullptr), size_(data ? std::max<int64_t>(size, 0) : 0), name_(std::move(name)) {}

int32_t SpanStream::Room(int32_t count) const {
  if (count <= 0 || position_ >= size_) return 0;
  return static_cast<int32_t>(std::min<int64_t>(count, size_ - position_));
}

int32_t SpanStream::Read(void* buffer, int32_t count) {
  const int32_t n = Room(count);
  if (n > 0) std::memcpy(buffer, data_ + position_, static_cast<size_t>(n));
  position_ += n;
  return n;
}

int32_t SpanStream::Write(const void* buffer, int32_t count) {
  if (!writable_) return 0;
  const int32_t n = Room(count);
  if (n > 0) std::memcpy(writable_ + position_, buffer, static_cast<size_t>(n));
  position_ += n;
  return n;
}

int32_t SpanStream::Seek(int32_t position) {
  position_ = std::clamp<int64_t>(position, 0, size_);
  return static_cast<int32_t>(position_);
}

}  // namespace zelvo
