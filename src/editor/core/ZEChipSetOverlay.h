#pragma once
// How the chip-set editor shows a chip set: its picture on the chip grid, with the overlays of
// the views that are switched on (encounter rate, height, passability, ground type) drawn over
// every chip in that order.

#include <cstdint>

#include "editor/core/Bitmap32.h"
#include "model/ZelvoMapChipSetModel.h"
#include "platform/core/GameGeometry.h"

namespace zelvo {

class TZEChipSetSkin;

// The views as flags; any combination may be on.
enum TZEChipSetView : uint32_t {
  cvNone = 0,
  cvEncounter = 1,
  cvHeight = 2,
  cvPassability = 4,
  cvGroundType = 8,
};

class TZEChipSetOverlay {
 public:
  // The veils laid over the whole picture before each view's glyphs.
  static constexpr uint32_t kEncounterVeil = 0x45000000u;
  static constexpr uint32_t kHeightVeil = 0x40000000u;
  static constexpr uint32_t kPassabilityVeil = 0x60000000u;
  static constexpr uint32_t kGroundTypeVeil = 0x80000000u;
  // The ground-type glyphs' transparent colour: opaque magenta.
  static constexpr uint32_t kGroundTypeKey = 0xFFFF00FFu;
  static constexpr int32_t kGroundKinds = 9;
  // A passability that lets every way through; bits beyond these are kept but not shown.
  static constexpr int32_t kAllWays = PassBits::Up | PassBits::Down | PassBits::Left | PassBits::Right;

  // The overlay colour of a height, alpha 0xAA: blue to cyan for -15..-8, cyan to green for
  // -7..-1, green to yellow for 0..7, yellow to red for 8..15; 0 (fully transparent) for any
  // other height.
  static uint32_t HeightColor(int32_t height);

  // composed becomes the picture on an opaque black area of width x height pixels (cut where it is
  // larger), then the overlays of views over every chip of the set inside that area.
  static void Compose(TBitmap32& composed, const TBitmap32& picture, int32_t width, int32_t height,
                      const IZelvoMapChipSetModel* chipSet, uint32_t views, const TZEChipSetSkin& skin);

  // The glyphs of one passability value over the chip cell whose top-left pixel is (x, y): all
  // four ways, none, or a half glyph per bit (up, down, left, right).
  static void DrawPassability(TBitmap32& target, int32_t x, int32_t y, int32_t value, const TBitmap32& traffic);
  // The ground-type glyph of kind at (x + 14, y + 14); nothing for a kind outside 0..8.
  static void DrawGroundType(TBitmap32& target, int32_t x, int32_t y, int32_t kind, const TBitmap32& glyphs);
};

}  // namespace zelvo
