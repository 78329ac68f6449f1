#include "platform/d3d9/Rasterizer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "DeviceHarness.h"

namespace zelvo::d3d9 {
namespace {

using test::DeviceHarness;

uint32_t referenceBlend(uint32_t src, uint32_t dst) {
  uint32_t a = src >> 24, out = 0;
  for (int s = 0; s < 32; s += 8)
    out |= ((((src >> s) & 255) * a + ((dst >> s) & 255) * (255 - a) + 127) / 255) << s;
  return out;
}

TEST(Rasterizer, BlendMatchesTheFormulaForEveryAlphaAndChannelValue) {
  for (uint32_t a = 0; a < 256; ++a)
    for (uint32_t s = 0; s < 256; ++s)
      for (uint32_t d = 0; d < 256; d += 3) {
        uint32_t src = a << 24 | s << 16 | (255 - s) << 8 | (s ^ 0x5A);
        uint32_t dst = (255 - d) << 24 | d << 16 | (d ^ 0xA5) << 8 | (255 - d);
        ASSERT_EQ(blendSourceAlpha(src, dst), referenceBlend(src, dst)) << a << " " << s << " " << d;
      }
}

TEST(Rasterizer, BlendIsExactAtTheEnds) {
  EXPECT_EQ(blendSourceAlpha(0x00123456, 0x89ABCDEF), 0x89ABCDEFu);
  EXPECT_EQ(blendSourceAlpha(0xFF123456, 0x89ABCDEF), 0xFF123456u);
}

TEST(Rasterizer, ModulateKeepsTheTexelUnderWhiteAndScalesOtherwise) {
  EXPECT_EQ(modulate(0x80C0FF10, 0xFFFFFFFF), 0x80C0FF10u);
  EXPECT_EQ(modulate(0xFFFFFFFF, 0x80402010), 0x80402010u);
  EXPECT_EQ(modulate(0xFF808080, 0x80FF0000), 0x80800000u);
  EXPECT_EQ(modulate(0x12345678, 0), 0u);
}

TEST(Rasterizer, WrapTexel) {
  struct Case { double u; int size; int expected; };
  const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
  for (Case c : std::vector<Case>{{0.0, 32, 0}, {0.5, 32, 16}, {31.0 / 32, 32, 31}, {1.0, 32, 0}, {33.0 / 32, 32, 1},
                                  {-1.0 / 32, 32, 31}, {3.0f / 10, 10, 3}, {7.0f / 10, 10, 7}, {1e30, 32, 0},
                                  {nan, 32, 0}, {inf, 32, 0}, {-inf, 32, 0}, {0.5, 0, 0}})
    EXPECT_EQ(wrapTexel(c.u, c.size), c.expected) << c.u << " of " << c.size;
}

// Every case draws on a back buffer cleared to kBackground and checks the pixels named.
constexpr uint32_t kBackground = 0xFF204060;
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

struct Probe { int x, y; uint32_t expected; };
struct DrawCase {
  std::string name;
  bool textured;
  float l, t, r, b;
  float u0, v0, u1, v1;
  uint32_t color;
  uint32_t texel;  // every texel of the 4 x 4 texture
  std::vector<Probe> probes;
  int changedPixels;  // pixels that differ from the background afterwards, -1: not counted
};
void PrintTo(const DrawCase& c, std::ostream* os) { *os << c.name; }

int changed(const Frame& f) {
  int n = 0;
  for (uint32_t p : f.pixels) n += p != kBackground;
  return n;
}

class DrawTable : public ::testing::TestWithParam<DrawCase> {};

TEST_P(DrawTable, Pixels) {
  const DrawCase& c = GetParam();
  DeviceHarness h;
  ASSERT_EQ(h.device->Clear(0, nullptr, D3DCLEAR_TARGET, kBackground, 0, 0), D3D_OK);
  HRESULT hr;
  if (c.textured) {
    auto tex = h.texture(4, 4, [&](int, int) { return c.texel; });
    hr = h.drawTextured(c.l, c.t, c.r, c.b, tex, c.u0, c.v0, c.u1, c.v1, c.color);
  } else {
    hr = h.fill(c.l, c.t, c.r, c.b, c.color);
  }
  ASSERT_EQ(hr, D3D_OK);
  Frame f = h.present();
  for (const Probe& p : c.probes) EXPECT_EQ(f.at(p.x, p.y), p.expected) << "at " << p.x << "," << p.y;
  if (c.changedPixels >= 0) {
    EXPECT_EQ(changed(f), c.changedPixels);
  }
}

const uint32_t kHalf = referenceBlend(0x7F112233, kBackground);
const uint32_t kTinted = 0xFF804020;  // 0xFFFFFFFF texels under diffuse 0xFF804020

INSTANTIATE_TEST_SUITE_P(
    Quads, DrawTable,
    ::testing::Values(
        DrawCase{"opaque", true, 10, 20, 14, 24, 0, 0, 1, 1, 0xFFFFFFFF, 0xFF00FF00,
                 {{10, 20, 0xFF00FF00}, {13, 23, 0xFF00FF00}, {14, 23, kBackground}, {13, 24, kBackground},
                  {9, 20, kBackground}},
                 16},
        DrawCase{"alpha0", true, 0, 0, 4, 4, 0, 0, 1, 1, 0xFFFFFFFF, 0x00FF00FF, {{0, 0, kBackground}}, 0},
        DrawCase{"alpha7F", true, 0, 0, 4, 4, 0, 0, 1, 1, 0xFFFFFFFF, 0x7F112233, {{0, 0, kHalf}, {3, 3, kHalf}}, 16},
        DrawCase{"diffuseAlpha", true, 0, 0, 4, 4, 0, 0, 1, 1, 0x7FFFFFFF, 0xFF112233, {{1, 1, kHalf}}, 16},
        DrawCase{"tinted", true, 0, 0, 2, 2, 0, 0, 1, 1, kTinted, 0xFFFFFFFF, {{0, 0, kTinted}, {1, 1, kTinted}}, 4},
        DrawCase{"untexturedFill", false, 5, 5, 8, 7, 0, 0, 0, 0, 0xFF0000FF, 0,
                 {{5, 5, 0xFF0000FF}, {7, 6, 0xFF0000FF}, {8, 6, kBackground}}, 6},
        DrawCase{"untexturedHalf", false, 0, 0, 1, 1, 0, 0, 0, 0, 0x7F112233, 0, {{0, 0, kHalf}}, 1},
        DrawCase{"emptyWidth", true, 10, 10, 10, 20, 0, 0, 1, 1, 0xFFFFFFFF, 0xFFFFFFFF, {}, 0},
        DrawCase{"emptyHeight", false, 10, 10, 20, 10, 0, 0, 0, 0, 0xFFFFFFFF, 0, {}, 0},
        DrawCase{"mirrored", false, 20, 10, 10, 20, 0, 0, 0, 0, 0xFFFFFFFF, 0, {}, 0},
        DrawCase{"nanPosition", false, kNaN, 0, 10, 10, 0, 0, 0, 0, 0xFFFFFFFF, 0, {}, 0},
        DrawCase{"infinitePosition", false, 0, 0, kInf, 10, 0, 0, 0, 0, 0xFFFFFFFF, 0, {}, 0},
        DrawCase{"nanTexCoords", true, 0, 0, 2, 2, kNaN, kNaN, kNaN, kNaN, 0xFFFFFFFF, 0xFF00FF00,
                 {{0, 0, 0xFF00FF00}, {1, 1, 0xFF00FF00}}, 4},
        DrawCase{"infiniteTexCoords", true, 0, 0, 2, 2, -kInf, 0, kInf, 1, 0xFFFFFFFF, 0xFF00FF00,
                 {{0, 0, 0xFF00FF00}}, 4},
        DrawCase{"partlyOffTopLeft", false, -5, -5, 2, 3, 0, 0, 0, 0, 0xFFFFFFFF, 0, {{0, 0, 0xFFFFFFFF}, {1, 2, 0xFFFFFFFF}}, 6},
        DrawCase{"partlyOffBottomRight", false, 638, 478, 700, 500, 0, 0, 0, 0, 0xFFFFFFFF, 0,
                 {{639, 479, 0xFFFFFFFF}, {638, 478, 0xFFFFFFFF}}, 4},
        DrawCase{"whollyOffRight", false, 640, 0, 700, 10, 0, 0, 0, 0, 0xFFFFFFFF, 0, {}, 0},
        DrawCase{"whollyOffAbove", false, 0, -50, 10, 0, 0, 0, 0, 0, 0xFFFFFFFF, 0, {}, 0},
        DrawCase{"hugeCoordinates", false, -3e9f, -3e9f, 3e9f, 3e9f, 0, 0, 0, 0, 0xFF010203, 0, {{320, 240, 0xFF010203}},
                 640 * 480},
        DrawCase{"fractionalEdgesUseCentres", false, 0.5f, 0.5f, 2.5f, 1.5f, 0, 0, 0, 0, 0xFFFFFFFF, 0,
                 {{0, 0, kBackground}, {1, 1, 0xFFFFFFFF}, {2, 1, 0xFFFFFFFF}, {3, 1, kBackground}}, 2}),
    [](const ::testing::TestParamInfo<DrawCase>& info) { return info.param.name; });

// A texture whose texels all differ, so a misplaced texel shows.
uint32_t distinct(int x, int y) { return 0xFF000000u | uint32_t(x) << 8 | uint32_t(y); }

TEST(Rasterizer, OneToOneDrawsCopyTexelsExactly) {
  DeviceHarness h;
  const uint32_t W = 40, H = 30;  // not powers of two, so u = x / W is inexact in floats
  auto tex = h.texture(W, H, distinct);
  h.device->Clear(0, nullptr, D3DCLEAR_TARGET, 0, 0, 0);
  // Source (3, 5)-(37, 29) to destination (100, 200): the divisor is the texture size.
  ASSERT_EQ(h.drawTextured(100, 200, 134, 224, tex, 3.0f / W, 5.0f / H, 37.0f / W, 29.0f / H, 0xFFFFFFFF), D3D_OK);
  Frame f = h.present();
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 34; ++x) ASSERT_EQ(f.at(100 + x, 200 + y), distinct(3 + x, 5 + y)) << x << "," << y;
  EXPECT_EQ(f.at(134, 200), 0u);
  EXPECT_EQ(f.at(100, 224), 0u);
}

TEST(Rasterizer, SourcesPastTheEdgeWrap) {
  DeviceHarness h;
  auto tex = h.texture(8, 8, distinct);
  // Source (6, -2)-(10, 2): columns 6, 7, 0, 1 and rows 6, 7, 0, 1.
  ASSERT_EQ(h.drawTextured(0, 0, 4, 4, tex, 6 / 8.0f, -2 / 8.0f, 10 / 8.0f, 2 / 8.0f, 0xFFFFFFFF), D3D_OK);
  Frame f = h.present();
  const int cols[4] = {6, 7, 0, 1}, rows[4] = {6, 7, 0, 1};
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(f.at(x, y), distinct(cols[x], rows[y])) << x << "," << y;
}

TEST(Rasterizer, StretchingSamplesTheNearestTexelBelow) {
  DeviceHarness h;
  auto tex = h.texture(2, 1, distinct);
  // Two texels stretched over four pixels: each texel covers two.
  ASSERT_EQ(h.drawTextured(0, 0, 4, 1, tex, 0, 0, 1, 1, 0xFFFFFFFF), D3D_OK);
  Frame f = h.present();
  EXPECT_EQ(f.at(0, 0), distinct(0, 0));
  EXPECT_EQ(f.at(1, 0), distinct(0, 0));
  EXPECT_EQ(f.at(2, 0), distinct(1, 0));
  EXPECT_EQ(f.at(3, 0), distinct(1, 0));
}

TEST(Rasterizer, BlendingOffWritesTheSourceAsItIs) {
  DeviceHarness h;
  h.device->SetRenderState(D3DRS_ALPHABLENDENABLE, 0);
  h.device->Clear(0, nullptr, D3DCLEAR_TARGET, kBackground, 0, 0);
  ASSERT_EQ(h.fill(0, 0, 1, 1, 0x00112233), D3D_OK);
  EXPECT_EQ(h.present().at(0, 0), 0x00112233u);
}

}  // namespace
}  // namespace zelvo::d3d9
