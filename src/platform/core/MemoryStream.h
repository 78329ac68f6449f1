#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/core/ByteStream.h"

namespace zelvo {

class MemoryStream final : public ByteStream {
 public:
  MemoryStream() = default;
  explicit MemoryStream(std::vector<uint8_t> bytes, std::string name = "memory");

  int32_t Read(void* buffer, int32_t count) override;
  int32_t Write(const void* buffer, int32_t count) override;
  int32_t Seek(int32_t position) override;
  int64_t GetPosition() const override { return position_; }
  int64_t GetSize() const override { return static_cast<int64_t>(bytes_.size()); }
  std::string GetName() const override { return name_; }

  const std::vector<uint8_t>& bytes() const { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
  size_t position_ = 0;
  std::string name_ = "memory";
};

}  // namespace zelvo
