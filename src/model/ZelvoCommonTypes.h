#pragma once
// Rectangles, points and directions passed between every layer.

#include <cstdint>

namespace zelvo::ZelvoCommonTypes {

// Right and Bottom are exclusive where rectangles cross layers.
struct TRect {
  int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
  friend bool operator==(const TRect&, const TRect&) = default;
};

struct TPoint {
  int32_t X = 0, Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

constexpr TRect MakeRect(int32_t left, int32_t top, int32_t right, int32_t bottom) { return {left, top, right, bottom}; }
constexpr TPoint MakePoint(int32_t x, int32_t y) { return {x, y}; }

// The direction code 0..7 that faces the given one; anything else gives 0.
constexpr int32_t OppositeDirection(int32_t direction) {
  return direction >= 0 && direction <= 7 ? (direction + 4) % 8 : 0;
}

}  // namespace zelvo::ZelvoCommonTypes
