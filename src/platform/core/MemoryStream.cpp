#include "platform/core/MemoryStream.h"

#include <algorithm>
#include <cstring>

namespace zelvo {

MemoryStream::MemoryStream(std::vector<uint8_t> bytes, std::string name)
    : bytes_(std::move(bytes)), size_(bytes_.size()), name_(std::move(name)) {}

int32_t MemoryStream::Seek(int32_t position) {
  position_ = static_cast<size_t>(std::max(position, 0));
  return static_cast<int32_t>(position_);
}

void MemoryStream::grow(size_t end) { bytes_.resize(std::max({end, bytes_.size() * 2, size_t(256)})); }

}  // namespace zelvo
