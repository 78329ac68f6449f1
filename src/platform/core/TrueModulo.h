#pragma once
// The remainder that wraps negative values round to the far end, for scrolls and looped maps.

#include <cstdint>

namespace zelvo {

// value mod span in 0 .. span - 1 (-1 gives span - 1); span > 0.
constexpr int64_t TrueModulo(int64_t value, int64_t span) {
  const int64_t r = value % span;
  return r < 0 ? r + span : r;
}

}  // namespace zelvo
