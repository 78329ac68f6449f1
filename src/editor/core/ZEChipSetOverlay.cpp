#include "editor/core/ZEChipSetOverlay.h"

#include <algorithm>
#include <functional>

#include "editor/core/ZEChipSetSkin.h"
#include "model/ZelvoMapChipSetModel.h"
#include "platform/core/GameGeometry.h"

namespace zelvo {

namespace {

constexpr int32_t kNumberX = 24, kNumberY = 20;

TRect cellRect(int32_t x, int32_t y, int32_t w, int32_t h) { return {x, y, x + w, y + h}; }

using ChipVisitor = std::function<void(int32_t x, int32_t y, const TZelvoChipAttributes& chip)>;

// Every chip of the set inside the area, by its cell's top-left pixel.
void forEachChip(const IZelvoMapChipSetModel& chipSet, int32_t width, int32_t height, const ChipVisitor& visit) {
  const int32_t columns = std::min(chipSet.GetWidth(), width / kChip);
  const int32_t rows = std::min(chipSet.GetHeight(), height / kChip);
  for (int32_t r = 0; r < rows; ++r)
    for (int32_t c = 0; c < columns; ++c) visit(c * kChip, r * kChip, chipSet.GetChip(c, r));
}

}  // namespace

uint32_t TZEChipSetOverlay::HeightColor(int32_t h) {
  int32_t r, g, b;
  if (h >= -15 && h <= -8) r = 0, g = (h + 15) * 32, b = 255;
  else if (h >= -7 && h <= -1) r = 0, g = 255, b = -h * 32;
  else if (h >= 0 && h <= 7) r = h * 32, g = 255, b = 0;
  else if (h >= 8 && h <= 15) r = 255, g = (15 - h) * 32, b = 0;
  else return 0;
  return TBitmap32::MakeARGB(r, g, b, 0xAA);
}

void TZEChipSetOverlay::Compose(TBitmap32& composed, const TBitmap32& picture, int32_t width, int32_t height,
                                const IZelvoMapChipSetModel* chipSet, uint32_t views, const TZEChipSetSkin& skin) {
  composed.SetSize(width, height, 32);
  if (composed.Width() == 0 || composed.Height() == 0) return;
  composed.GetBitmap().fill(0xFF000000u);
  composed.GetBitmap().blit(0, 0, picture.GetBitmap(), 0, 0, picture.Width(), picture.Height());
  if (!chipSet) return;
  const TRect whole{0, 0, composed.Width(), composed.Height()};
  if (views & cvEncounter) {
    composed.FillRect(whole, kEncounterVeil);
    forEachChip(*chipSet, width, height, [&](int32_t x, int32_t y, const TZelvoChipAttributes& chip) {
      composed.DrawNumber(chip.EncounterRate, x + kNumberX, y + kNumberY, 0, skin.Numbers);
    });
  }
  if (views & cvHeight) {
    composed.FillRect(whole, kHeightVeil);
    forEachChip(*chipSet, width, height, [&](int32_t x, int32_t y, const TZelvoChipAttributes& chip) {
      // A height without a colour leaves its cell as it is (a clear fill would still darken it).
      if (const uint32_t colour = HeightColor(chip.Height)) composed.FillRect(cellRect(x, y, kChip, kChip), colour);
      composed.DrawNumber(chip.Height, x + kNumberX, y + kNumberY, 0, skin.Numbers);
    });
  }
  if (views & cvPassability) {
    composed.FillRect(whole, kPassabilityVeil);
    forEachChip(*chipSet, width, height, [&](int32_t x, int32_t y, const TZelvoChipAttributes& chip) {
      DrawPassability(composed, x, y, chip.Passability, skin.Traffic);
    });
  }
  if (views & cvGroundType) {
    composed.FillRect(whole, kGroundTypeVeil);
    forEachChip(*chipSet, width, height, [&](int32_t x, int32_t y, const TZelvoChipAttributes& chip) {
      DrawGroundType(composed, x, y, chip.GroundKind, skin.GroundType);
    });
  }
}

void TZEChipSetOverlay::DrawPassability(TBitmap32& target, int32_t x, int32_t y, int32_t value,
                                        const TBitmap32& traffic) {
  const auto glyph = [&](int32_t dx, int32_t dy, int32_t sx, int32_t sy, int32_t w, int32_t h) {
    target.BlendDraw(cellRect(x + dx, y + dy, w, h), traffic, cellRect(sx, sy, w, h));
  };
  if (value == 0) return glyph(0, 0, 96, 0, kChip, kChip);
  if (value == kAllWays) return glyph(0, 0, 0, 0, kChip, kChip);
  if (value & PassBits::Up) glyph(0, 0, 32, 0, kChip, kChip / 2);
  if (value & PassBits::Down) glyph(0, kChip / 2, 32, 16, kChip, kChip / 2);
  if (value & PassBits::Left) glyph(0, 0, 64, 0, kChip / 2, kChip);
  if (value & PassBits::Right) glyph(kChip / 2, 0, 80, 0, kChip / 2, kChip);
}

void TZEChipSetOverlay::DrawGroundType(TBitmap32& target, int32_t x, int32_t y, int32_t kind,
                                       const TBitmap32& glyphs) {
  constexpr int32_t kGlyph = 16, kAt = 14;
  if (kind < 0 || kind >= kGroundKinds) return;
  target.CopyDraw(cellRect(x + kAt, y + kAt, kGlyph, kGlyph), glyphs, cellRect(kind * kGlyph, 0, kGlyph, kGlyph),
                  kGroundTypeKey);
}

}  // namespace zelvo
