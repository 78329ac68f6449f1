#include "editor/core/ZEChipSetOverlay.h"

#include <gtest/gtest.h>

#include "editor/core/ZEChipSetSkin.h"
#include "model/ZelvoMapChipSetModel.h"

namespace zelvo {
namespace {

// The blend rules, channel by channel, as the pictures' routines define them.
uint32_t channels(uint32_t p, int shift) { return p >> shift & 0xFF; }
uint32_t fillOver(uint32_t dest, uint32_t color) {
  const uint32_t a = color >> 24;
  uint32_t out = 0;
  for (int s : {0, 8, 16, 24}) out |= (((channels(dest, s) * (255 - a)) >> 8) + ((channels(color, s) * a) >> 8)) << s;
  return out;
}
// An opaque source pixel blended over anything.
uint32_t opaqueOver(uint32_t source) {
  uint32_t out = 0;
  for (int s : {0, 8, 16, 24}) out |= ((channels(source, s) * 255) >> 8) << s;
  return out;
}

TBitmap32 solid(int32_t w, int32_t h, uint32_t argb) {
  TBitmap32 p;
  p.SetSize(w, h, 32);
  p.GetBitmap().fill(argb);
  return p;
}
void paint(TBitmap32& p, int32_t x, int32_t y, int32_t w, int32_t h, uint32_t argb) {
  for (int32_t j = y; j < y + h; ++j)
    for (int32_t i = x; i < x + w; ++i) p.GetBitmap().setPixel(i, j, argb);
}

constexpr uint32_t kPicture = 0xFF808080u;
// Digit d of the sheet is one opaque colour; the minus sign another.
constexpr uint32_t digitColour(int d) { return 0xFF000000u | 0x10u * uint32_t(d + 1); }
constexpr uint32_t kMinus = 0xFF00FF00u;
// The traffic glyphs, one opaque colour per piece.
constexpr uint32_t kAll = 0xFF110000u, kUp = 0xFF220000u, kDown = 0xFF330000u, kLeft = 0xFF440000u,
                   kRight = 0xFF550000u, kNone = 0xFF660000u;
constexpr uint32_t groundColour(int k) { return 0xFF000000u | 0x1000u * uint32_t(k + 1); }
constexpr uint32_t kMagenta = 0xFFFF00FFu;

class ZEChipSetOverlayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    skin.Numbers = solid(96, 32, 0);
    for (int d = 0; d < 10; ++d) paint(skin.Numbers, d * 8, 0, 8, 12, digitColour(d));
    paint(skin.Numbers, 88, 0, 8, 12, kMinus);
    skin.Traffic = solid(128, 32, 0);
    paint(skin.Traffic, 0, 0, 32, 32, kAll);
    paint(skin.Traffic, 32, 0, 32, 16, kUp);
    paint(skin.Traffic, 32, 16, 32, 16, kDown);
    paint(skin.Traffic, 64, 0, 16, 32, kLeft);
    paint(skin.Traffic, 80, 0, 16, 32, kRight);
    paint(skin.Traffic, 96, 0, 32, 32, kNone);
    skin.GroundType = solid(144, 16, 0);
    for (int k = 0; k < 9; ++k) {
      paint(skin.GroundType, k * 16, 0, 16, 16, groundColour(k));
      skin.GroundType.GetBitmap().setPixel(k * 16, 0, kMagenta);  // the glyph's own transparent corner
    }
    chipSet.SetSize(2, 2);
    picture = solid(64, 64, kPicture);
  }

  void setChip(int32_t x, int32_t y, void (*change)(TZelvoChipAttributes&)) {
    TZelvoChipAttributes chip = chipSet.GetChip(x, y);
    change(chip);
    chipSet.SetChip(x, y, chip);
  }
  uint32_t compose(uint32_t views) {
    TZEChipSetOverlay::Compose(composed, picture, 64, 64, &chipSet, views, skin);
    return composed.GetPixel(0, 0);
  }

  TZEChipSetSkin skin;
  TZelvoMapChipSetModel chipSet{7};
  TBitmap32 picture;
  TBitmap32 composed;
};

TEST(ZEChipSetHeightColor, RunsFromBlueThroughGreenToRedAndIsClearOutsideFifteen) {
  const struct {
    int32_t height;
    uint32_t colour;
  } cases[] = {
      {-16, 0},          {-15, 0xAA0000FFu}, {-8, 0xAA00E0FFu}, {-7, 0xAA00FFE0u},   {-1, 0xAA00FF20u},
      {0, 0xAA00FF00u},  {1, 0xAA20FF00u},   {7, 0xAAE0FF00u},  {8, 0xAAFFE000u},    {15, 0xAAFF0000u},
      {16, 0},           {32767, 0},         {-32768, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(TZEChipSetOverlay::HeightColor(c.height), c.colour) << c.height;
}

TEST_F(ZEChipSetOverlayTest, WithNoViewThePictureStandsOnABlackAreaOfTheGridsSize) {
  picture = solid(40, 80, kPicture);
  TZEChipSetOverlay::Compose(composed, picture, 64, 64, &chipSet, cvNone, skin);
  ASSERT_EQ(composed.Width(), 64);
  ASSERT_EQ(composed.Height(), 64);
  EXPECT_EQ(composed.GetPixel(39, 63), kPicture);
  EXPECT_EQ(composed.GetPixel(40, 0), 0xFF000000u);  // right of a narrower picture
}

TEST_F(ZEChipSetOverlayTest, AnEmptyAreaComposesToNothing) {
  TZEChipSetOverlay::Compose(composed, picture, 0, 0, &chipSet, cvHeight | cvPassability, skin);
  EXPECT_EQ(composed.Width(), 0);
  EXPECT_EQ(composed.Height(), 0);
}

TEST_F(ZEChipSetOverlayTest, EncounterRatesAreDrawnRightAlignedAtTwentyFourTwenty) {
  setChip(1, 0, [](TZelvoChipAttributes& c) { c.EncounterRate = 12; });
  compose(cvEncounter);
  const uint32_t veiled = fillOver(kPicture, TZEChipSetOverlay::kEncounterVeil);
  EXPECT_EQ(composed.GetPixel(5, 5), veiled);
  EXPECT_EQ(composed.GetPixel(32 + 24, 20), opaqueOver(digitColour(2)));  // units at x 24
  EXPECT_EQ(composed.GetPixel(32 + 16, 20), opaqueOver(digitColour(1)));  // tens one cell left
  EXPECT_EQ(composed.GetPixel(32 + 15, 20), veiled);
  EXPECT_EQ(composed.GetPixel(24, 20), opaqueOver(digitColour(0)));  // chip (0, 0) has rate 0
}

TEST_F(ZEChipSetOverlayTest, HeightsColourTheirCellAndShowTheirNumber) {
  setChip(0, 0, [](TZelvoChipAttributes& c) { c.Height = 0; });
  setChip(1, 0, [](TZelvoChipAttributes& c) { c.Height = 16; });
  setChip(0, 1, [](TZelvoChipAttributes& c) { c.Height = -16; });
  setChip(1, 1, [](TZelvoChipAttributes& c) { c.Height = -3; });
  compose(cvHeight);
  const uint32_t veiled = fillOver(kPicture, TZEChipSetOverlay::kHeightVeil);
  EXPECT_EQ(composed.GetPixel(2, 2), fillOver(veiled, 0xAA00FF00u));
  EXPECT_EQ(composed.GetPixel(34, 2), veiled);  // 16: uncoloured
  EXPECT_EQ(composed.GetPixel(2, 34), veiled);  // -16: uncoloured
  EXPECT_EQ(composed.GetPixel(34, 34), fillOver(veiled, TZEChipSetOverlay::HeightColor(-3)));
  EXPECT_EQ(composed.GetPixel(32 + 24, 32 + 20), opaqueOver(digitColour(3)));
  EXPECT_EQ(composed.GetPixel(32 + 16, 32 + 20), opaqueOver(kMinus));
}

TEST_F(ZEChipSetOverlayTest, PassabilityShowsOneHalfGlyphPerWayOrTheWholeCellGlyphs) {
  setChip(0, 0, [](TZelvoChipAttributes& c) { c.Passability = 5; });  // up and left
  setChip(1, 0, [](TZelvoChipAttributes& c) { c.Passability = 15; });
  setChip(0, 1, [](TZelvoChipAttributes& c) { c.Passability = 0; });
  setChip(1, 1, [](TZelvoChipAttributes& c) { c.Passability = 10; });  // down and right
  compose(cvPassability);
  const uint32_t veiled = fillOver(kPicture, TZEChipSetOverlay::kPassabilityVeil);
  EXPECT_EQ(composed.GetPixel(20, 5), opaqueOver(kUp));
  EXPECT_EQ(composed.GetPixel(5, 20), opaqueOver(kLeft));
  EXPECT_EQ(composed.GetPixel(5, 5), opaqueOver(kLeft));  // left goes over up
  EXPECT_EQ(composed.GetPixel(20, 20), veiled);
  EXPECT_EQ(composed.GetPixel(40, 10), opaqueOver(kAll));
  EXPECT_EQ(composed.GetPixel(10, 40), opaqueOver(kNone));
  EXPECT_EQ(composed.GetPixel(32 + 5, 32 + 20), opaqueOver(kDown));
  EXPECT_EQ(composed.GetPixel(32 + 20, 32 + 5), opaqueOver(kRight));
  EXPECT_EQ(composed.GetPixel(32 + 5, 32 + 5), veiled);
}

TEST_F(ZEChipSetOverlayTest, GroundTypesAreCopiedAtFourteenWithMagentaLeftOut) {
  setChip(0, 0, [](TZelvoChipAttributes& c) { c.GroundKind = 3; });
  setChip(1, 0, [](TZelvoChipAttributes& c) { c.GroundKind = 9; });
  setChip(0, 1, [](TZelvoChipAttributes& c) { c.GroundKind = -1; });
  compose(cvGroundType);
  const uint32_t veiled = fillOver(kPicture, TZEChipSetOverlay::kGroundTypeVeil);
  EXPECT_EQ(composed.GetPixel(15, 15), groundColour(3));  // copied, not blended
  EXPECT_EQ(composed.GetPixel(29, 29), groundColour(3));
  EXPECT_EQ(composed.GetPixel(14, 14), veiled);  // the glyph's magenta pixel
  EXPECT_EQ(composed.GetPixel(30, 30), veiled);
  EXPECT_EQ(composed.GetPixel(32 + 20, 20), veiled);  // kind 9: no glyph
  EXPECT_EQ(composed.GetPixel(20, 32 + 20), veiled);  // kind -1: no glyph
  EXPECT_EQ(composed.GetPixel(32 + 20, 32 + 20), groundColour(0));
}

TEST_F(ZEChipSetOverlayTest, ViewsAreLaidInTheirOrderEncounterFirstGroundTypeLast) {
  setChip(0, 0, [](TZelvoChipAttributes& c) { c.EncounterRate = 4; });
  compose(cvEncounter | cvGroundType);
  // The units digit's cell reaches past the ground glyph: there the ground veil darkens it.
  EXPECT_EQ(composed.GetPixel(30, 30), fillOver(opaqueOver(digitColour(4)), TZEChipSetOverlay::kGroundTypeVeil));
  EXPECT_EQ(composed.GetPixel(25, 25), groundColour(0));
}

TEST_F(ZEChipSetOverlayTest, OnlyChipsInsideTheAreaAreDrawn) {
  chipSet.SetSize(4, 4);
  setChip(3, 3, [](TZelvoChipAttributes& c) { c.Passability = 15; });
  TZEChipSetOverlay::Compose(composed, picture, 64, 64, &chipSet, cvPassability, skin);
  EXPECT_EQ(composed.Width(), 64);
  EXPECT_EQ(composed.GetPixel(40, 40), opaqueOver(kNone));
}

TEST_F(ZEChipSetOverlayTest, AMissingSkinDrawsOnlyTheVeils) {
  TZEChipSetSkin empty;
  setChip(0, 0, [](TZelvoChipAttributes& c) { c.Height = 3; });
  TZEChipSetOverlay::Compose(composed, picture, 64, 64, &chipSet, cvEncounter | cvPassability | cvGroundType, empty);
  uint32_t expected = fillOver(kPicture, TZEChipSetOverlay::kEncounterVeil);
  expected = fillOver(expected, TZEChipSetOverlay::kPassabilityVeil);
  expected = fillOver(expected, TZEChipSetOverlay::kGroundTypeVeil);
  EXPECT_EQ(composed.GetPixel(24, 20), expected);
  EXPECT_EQ(composed.GetPixel(15, 15), expected);
}

TEST(ZEChipSetSkinKeys, MagentaBecomesClearAndRedHalfBlack) {
  TBitmap32 p = solid(3, 1, 0xFFFF00FFu);
  p.GetBitmap().setPixel(1, 0, 0xFFFF0000u);
  p.GetBitmap().setPixel(2, 0, 0xFF123456u);
  TZEChipSetSkin::ApplyGlyphKeys(p);
  EXPECT_EQ(p.GetPixel(0, 0), 0x00FF00FFu);
  EXPECT_EQ(p.GetPixel(1, 0), 0x80000000u);
  EXPECT_EQ(p.GetPixel(2, 0), 0xFF123456u);
}

}  // namespace
}  // namespace zelvo
