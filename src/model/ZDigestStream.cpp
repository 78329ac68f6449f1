#include "model/ZDigestStream.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <string_view>

namespace zelvo {
namespace {

uint64_t mix(uint64_t state, uint64_t value) {
  state ^= value + 0x9E3779B97F4A7C15ull + (state << 6) + (state >> 2);
  return state * 0xFF51AFD7ED558CCDull;
}

uint64_t hashOf(const char* bytes, size_t count) { return std::hash<std::string_view>{}({bytes, count}); }

}  // namespace

int32_t TZDigestStream::Write(const void* buffer, int32_t count) {
  if (count <= 0) return 0;
  const char* in = static_cast<const char*>(buffer);
  size_t left = size_t(count);
  while (left > 0) {
    const size_t take = std::min(left, kBlock - used_);
    std::memcpy(block_.data() + used_, in, take);
    used_ += take;
    in += take;
    left -= take;
    if (used_ == kBlock) Flush();
  }
  written_ += count;
  return count;
}

void TZDigestStream::Flush() {
  state_ = mix(state_, hashOf(block_.data(), used_));
  used_ = 0;
}

uint64_t TZDigestStream::Digest() const {
  return mix(mix(state_, hashOf(block_.data(), used_)), uint64_t(written_));
}

}  // namespace zelvo
