#pragma once
// One 32-bit pixel spread into 16-bit lanes (0x00AA00RR00GG00BB), so the picture routines and the
// map painter blend all four channels in one multiply and come out with the same bytes.

#include <cstdint>

namespace zelvo::lanes {

constexpr uint64_t kLanes = 0x00FF00FF00FF00FFull;

inline uint64_t widen(uint32_t p) {
  return uint64_t(p & 0xFF) | uint64_t(p >> 8 & 0xFF) << 16 | uint64_t(p >> 16 & 0xFF) << 32 | uint64_t(p >> 24) << 48;
}

inline uint32_t narrow(uint64_t q) {
  return uint32_t(q & 0xFF) | uint32_t(q >> 16 & 0xFF) << 8 | uint32_t(q >> 32 & 0xFF) << 16 | uint32_t(q >> 48 & 0xFF) << 24;
}

// s over d at alpha a (0..255). No lane can carry into the next: s x a + d x (255 - a) <= 65025.
inline uint32_t blend(uint32_t s, uint32_t d, uint32_t a) {
  return narrow(((widen(s) * a + widen(d) * (255 - a)) >> 8) & kLanes);
}

// d covered by color at color's own alpha, the colour's share rounded down on its own.
inline uint32_t fill(uint32_t d, uint32_t color) {
  const uint32_t a = color >> 24;
  return narrow(((widen(d) * (255 - a) >> 8) & kLanes) + ((widen(color) * a >> 8) & kLanes));
}

}  // namespace zelvo::lanes
