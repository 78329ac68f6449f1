#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/core/ByteStream.h"

namespace zelvo {

class MemoryStream final : public ByteStream {
 public:
  MemoryStream() = default;
  explicit MemoryStream(std::vector<uint8_t> bytes, std::string name = "memory");

  // Inline, so that the zelvo stream over memory reads a field without a further call.
  int32_t Read(void* buffer, int32_t count) override {
    if (count <= 0 || position_ >= size_) return 0;
    size_t n = std::min(static_cast<size_t>(count), size_ - position_);
    std::memcpy(buffer, bytes_.data() + position_, n);
    position_ += n;
    return static_cast<int32_t>(n);
  }
  int32_t Write(const void* buffer, int32_t count) override {
    if (count <= 0) return 0;
    put(buffer, static_cast<size_t>(count));
    return count;
  }
  int32_t Seek(int32_t position) override;
  int64_t GetPosition() const override { return static_cast<int64_t>(position_); }
  int64_t GetSize() const override { return static_cast<int64_t>(size_); }
  std::string GetName() const override { return name_; }
  MemoryStream* AsMemoryStream() override { return this; }

  // The readers' and writers' fast paths: a whole field or nothing.
  bool take(void* out, size_t n) {
    if (position_ > size_ || n > size_ - position_) return false;
    std::memcpy(out, bytes_.data() + position_, n);
    position_ += n;
    return true;
  }
  // The next n bytes in place, passed over; nullptr (and nothing passed) when fewer are left.
  const uint8_t* view(size_t n) {
    if (position_ > size_ || n > size_ - position_) return nullptr;
    const uint8_t* at = bytes_.data() + position_;
    position_ += n;
    return at;
  }
  void put(const void* in, size_t n) {
    const size_t end = position_ + n;
    if (end > bytes_.size()) grow(end);
    std::memcpy(bytes_.data() + position_, in, n);
    position_ = end;
    if (end > size_) size_ = end;
  }

  const std::vector<uint8_t>& bytes() const {
    bytes_.resize(size_);
    return bytes_;
  }
  // Hands the bytes over and leaves the stream empty.
  std::vector<uint8_t> release() {
    bytes_.resize(size_);
    position_ = size_ = 0;
    return std::move(bytes_);
  }

 private:
  // Room for at least end bytes, doubling, so that a record written field by field costs
  // amortised constant time per field. Bytes past size_ are always zero: a write after a seek
  // past the end leaves zeros in the gap.
  void grow(size_t end);

  mutable std::vector<uint8_t> bytes_;
  size_t size_ = 0;
  size_t position_ = 0;
  std::string name_ = "memory";
};

}  // namespace zelvo
