#pragma once
// Sizes both programs and the tools agree on: the map chip and the game screen.

#include <cstdint>

namespace zelvo {

// A map chip's side in pixels; chip sets, floors and event positions are all laid out in it.
inline constexpr int32_t kChip = 32;

// The player's screen, which is also the device's back buffer.
inline constexpr int32_t kGameScreenWidth = 640;
inline constexpr int32_t kGameScreenHeight = 480;

}  // namespace zelvo
