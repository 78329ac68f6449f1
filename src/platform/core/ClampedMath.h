#pragma once
// Arithmetic on numbers read from files, shared by the player's views and the editor's windows:
// done in 64 bits and clamped back to int32, so a hostile position or size puts a figure far off
// the screen instead of overflowing.

#include <cstdint>
#include <limits>

namespace zelvo {

constexpr int32_t ClampToInt32(int64_t value) {
  constexpr int64_t kMin = std::numeric_limits<int32_t>::min();
  constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(value < kMin ? kMin : value > kMax ? kMax : value);
}

// Each operand is an int32 widened, so the 64-bit result itself cannot overflow.
constexpr int32_t ClampedAdd(int32_t a, int32_t b) { return ClampToInt32(int64_t{a} + b); }
constexpr int32_t ClampedSub(int32_t a, int32_t b) { return ClampToInt32(int64_t{a} - b); }
constexpr int32_t ClampedMul(int32_t a, int32_t b) { return ClampToInt32(int64_t{a} * b); }

}  // namespace zelvo
