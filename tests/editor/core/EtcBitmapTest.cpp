#include "editor/core/EtcBitmap.h"

#include <gtest/gtest.h>

#include <random>

namespace zelvo {
namespace {

uint32_t channel(uint32_t p, int i) { return p >> (8 * i) & 0xFF; }

// The blend written out channel by channel, as a check on the packed arithmetic.
uint32_t referenceBlend(uint32_t s, uint32_t d, uint32_t a) {
  uint32_t out = 0;
  for (int i = 0; i < 4; ++i) out |= ((channel(s, i) * a + channel(d, i) * (255 - a)) >> 8) << (8 * i);
  return out;
}

Bitmap filled(int w, int h, uint32_t argb) {
  Bitmap b(w, h);
  b.fill(argb);
  return b;
}

Bitmap randomPicture(int w, int h, uint32_t seed) {
  std::mt19937 rng(seed);
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.setPixel(x, y, rng());
  return b;
}

TEST(EtcBitmapBlend, MatchesTheChannelFormulaOnEveryPixelIncludingAnOddLastColumn) {
  const Bitmap source = randomPicture(7, 5, 1);
  const Bitmap original = randomPicture(7, 5, 2);
  Bitmap dest = original;
  TEtcBitmap::BlendDraw(dest, {0, 0, 7, 5}, source, {0, 0, 7, 5});
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x)
      ASSERT_EQ(dest.pixel(x, y), referenceBlend(source.pixel(x, y), original.pixel(x, y), source.pixel(x, y) >> 24))
          << x << "," << y;
}

TEST(EtcBitmapBlend, OpaqueWhiteArrivesAs254AndTransparentLeavesTheDestination) {
  Bitmap dest = filled(2, 1, 0x12345678);
  const Bitmap white = filled(1, 1, 0xFFFFFFFF);
  TEtcBitmap::BlendDraw(dest, {0, 0, 1, 1}, white, {0, 0, 1, 1});
  EXPECT_EQ(dest.pixel(0, 0), 0xFEFEFEFEu);
  EXPECT_EQ(dest.pixel(1, 0), 0x12345678u);
  // Alpha 0 still shifts by 8: each destination channel x 255 shr 8.
  Bitmap second = filled(1, 1, 0xFFFFFFFF);
  TEtcBitmap::BlendDraw(second, {0, 0, 1, 1}, filled(1, 1, 0x00000000), {0, 0, 1, 1});
  EXPECT_EQ(second.pixel(0, 0), 0xFEFEFEFEu);
}

TEST(EtcBitmapBlend, GlobalAlphaScalesTheSourceAlpha) {
  const Bitmap source = randomPicture(5, 3, 3);
  const Bitmap original = randomPicture(5, 3, 4);
  for (uint8_t g : {uint8_t(0), uint8_t(1), uint8_t(128), uint8_t(254)}) {
    Bitmap dest = original;
    TEtcBitmap::AlphaDraw(dest, {0, 0, 5, 3}, source, {0, 0, 5, 3}, g);
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 5; ++x)
        ASSERT_EQ(dest.pixel(x, y), referenceBlend(source.pixel(x, y), original.pixel(x, y), (source.pixel(x, y) >> 24) * g >> 8));
  }
}

TEST(EtcBitmapBlend, CopiesTheSmallerAreaFromBothCornersAndClipsToThePictures) {
  Bitmap source(4, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) source.setPixel(x, y, 0xFF000000u | uint32_t(y * 16 + x));
  Bitmap dest = filled(4, 4, 0);
  // Dest rect 2 x 3, source rect 3 x 2 from (1, 1): a 2 x 2 area lands at (1, 0).
  TEtcBitmap::CopyDraw(dest, {1, 0, 3, 3}, source, {1, 1, 4, 3}, 0x12345678);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) {
      const bool inside = x >= 1 && x < 3 && y < 2;
      EXPECT_EQ(dest.pixel(x, y), inside ? source.pixel(x, y + 1) : 0u) << x << "," << y;
    }
  // Reaching past the left, top and far edges touches only what lies inside both pictures.
  Bitmap clipped = filled(3, 3, 0);
  TEtcBitmap::BlendDraw(clipped, {-1, -1, 5, 5}, filled(2, 2, 0xFF102030), {0, 0, 6, 6});
  EXPECT_EQ(clipped.pixel(0, 0), referenceBlend(0xFF102030, 0, 255));
  EXPECT_EQ(clipped.pixel(1, 0), 0u);
  EXPECT_EQ(clipped.pixel(0, 1), 0u);
}

TEST(EtcBitmapBlend, ASourceThatIsTheDestinationReadsTheOldPixels) {
  Bitmap b(4, 1);
  for (int x = 0; x < 4; ++x) b.setPixel(x, 0, 0xFF000000u | uint32_t(x + 1));
  TEtcBitmap::CopyDraw(b, {1, 0, 4, 1}, b, {0, 0, 3, 1}, 0);
  EXPECT_EQ(b.pixel(1, 0), 0xFF000001u);
  EXPECT_EQ(b.pixel(2, 0), 0xFF000002u);
  EXPECT_EQ(b.pixel(3, 0), 0xFF000003u);
}

TEST(EtcBitmapCopy, PixelsEqualToTheWholeKeyAreSkipped) {
  Bitmap source(3, 1);
  source.setPixel(0, 0, 0xFFFF00FF);  // the key
  source.setPixel(1, 0, 0x00FF00FF);  // same RGB, other alpha: copied
  source.setPixel(2, 0, 0x80123456);
  Bitmap dest = filled(3, 1, 0xAAAAAAAA);
  TEtcBitmap::CopyDraw(dest, {0, 0, 3, 1}, source, {0, 0, 3, 1}, 0xFFFF00FF);
  EXPECT_EQ(dest.pixel(0, 0), 0xAAAAAAAAu);
  EXPECT_EQ(dest.pixel(1, 0), 0x00FF00FFu);
  EXPECT_EQ(dest.pixel(2, 0), 0x80123456u);
}

TEST(EtcBitmapFill, BlendsThePremultipliedColourOverRowsTopToBottomMinusOne) {
  const Bitmap original = randomPicture(4, 4, 5);
  Bitmap b = original;
  const uint32_t color = 0x45102030;
  TEtcBitmap::FillRect(b, {1, 1, 3, 3}, color);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) {
      uint32_t expected = original.pixel(x, y);
      if (x >= 1 && x < 3 && y >= 1 && y < 3) {
        expected = 0;
        for (int i = 0; i < 4; ++i)
          expected |= ((channel(original.pixel(x, y), i) * (255 - 0x45) >> 8) + (channel(color, i) * 0x45 >> 8)) << (8 * i);
      }
      EXPECT_EQ(b.pixel(x, y), expected) << x << "," << y;
    }
  // A rectangle past the edges is clipped.
  Bitmap edge = filled(2, 2, 0);
  TEtcBitmap::FillRect(edge, {-5, -5, 50, 50}, 0xFF000000);
  EXPECT_EQ(edge.pixel(1, 1), 0xFE000000u);
}

TEST(EtcBitmapReplace, ThreeWaysOfMatching) {
  Bitmap b(4, 1);
  b.setPixel(0, 0, 0xFFFF00FF);
  b.setPixel(1, 0, 0x10FF00FF);
  b.setPixel(2, 0, 0xFF00FF00);
  b.setPixel(3, 0, 0x00FF00FE);
  Bitmap color = b, rgb = b, exact = b;
  TEtcBitmap::ReplaceColor(color, 0x77FF00FF, 0xEE123456, 0x40);
  EXPECT_EQ(color.pixel(0, 0), 0x40123456u);
  EXPECT_EQ(color.pixel(1, 0), 0x40123456u);
  EXPECT_EQ(color.pixel(3, 0), 0x00FF00FEu);
  TEtcBitmap::ReplaceRGB(rgb, 0x00FF00FF, 0x01020304);
  EXPECT_EQ(rgb.pixel(0, 0), 0x01020304u);
  EXPECT_EQ(rgb.pixel(1, 0), 0x01020304u);
  EXPECT_EQ(rgb.pixel(2, 0), 0xFF00FF00u);
  TEtcBitmap::ReplaceExact(exact, 0x10FF00FF, 0x01020304);
  EXPECT_EQ(exact.pixel(0, 0), 0xFFFF00FFu);
  EXPECT_EQ(exact.pixel(1, 0), 0x01020304u);
  TEtcBitmap::SetAlpha(exact, 0x7F);
  EXPECT_EQ(exact.pixel(0, 0), 0x7FFF00FFu);
  EXPECT_EQ(exact.pixel(3, 0), 0x7FFF00FEu);
}

TEST(EtcBitmapSelectionFrame, InsetOutlineAndCornerSquares) {
  Bitmap b = filled(8, 6, 0);
  Canvas canvas(b);
  canvas.brushColor = 0x0000FF;
  TEtcBitmap::DrawSelectionFrame(canvas, {0, 0, 8, 6}, 0xFFFFFF);
  EXPECT_EQ(canvas.brushColor, 0x0000FFu);
  const char* expected[] = {
      "XX....XX",
      "XXXXXXXX",
      ".X....X.",
      ".X....X.",
      "XXXXXXXX",
      "XX....XX",
  };
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 8; ++x)
      EXPECT_EQ(b.pixel(x, y), expected[y][x] == 'X' ? 0xFFFFFFFFu : 0u) << x << "," << y;
}

}  // namespace
}  // namespace zelvo
