#pragma once

#include <cstdint>

namespace zelvo {

// Packs four components, each reduced modulo 256 with the sign of the component, so a negative
// one borrows from the component above it: (0, 0, -1, 0) is 0xFFFFFF00.
constexpr int32_t ColorARGB(int32_t a, int32_t r, int32_t g, int32_t b) {
  int64_t v = int64_t(a % 256) * 0x1000000 + int64_t(r % 256) * 0x10000 + int64_t(g % 256) * 0x100 + int64_t(b % 256);
  return static_cast<int32_t>(static_cast<uint32_t>(v));
}

}  // namespace zelvo
