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
    if (count <= 0 || position_ >= bytes_.size()) return 0;
    size_t n = std::min(static_cast<size_t>(count), bytes_.size() - position_);
    std::memcpy(buffer, bytes_.data() + position_, n);
    position_ += n;
    return static_cast<int32_t>(n);
  }
  int32_t Write(const void* buffer, int32_t count) override {
    if (count <= 0) return 0;
    size_t end = position_ + static_cast<size_t>(count);
    if (end > bytes_.size()) bytes_.resize(end);
    std::memcpy(bytes_.data() + position_, buffer, static_cast<size_t>(count));
    position_ = end;
    return count;
  }
  int32_t Seek(int32_t position) override;
  int64_t GetPosition() const override { return position_; }
  int64_t GetSize() const override { return static_cast<int64_t>(bytes_.size()); }
  std::string GetName() const override { return name_; }

  const std::vector<uint8_t>& bytes() const { return bytes_; }
  // Hands the bytes over and leaves the stream empty.
  std::vector<uint8_t> release() {
    position_ = 0;
    return std::move(bytes_);
  }

 private:
  std::vector<uint8_t> bytes_;
  size_t position_ = 0;
  std::string name_ = "memory";
};

}  // namespace zelvo
