#pragma once
// A graphics interface for standard-layer tests: real canvases, textures that keep a copy of their
// picture, every quad recorded, and a screen bitmap the quads are blended onto.

#include <memory>
#include <vector>

#include "BasicLayer/BLCanvas.h"
#include "BasicLayer/BLGraphicsInterface.h"
#include "BasicLayer/BLTexture.h"
#include "model/ZelvoPrivateTypes.h"

namespace zelvo::test {

class FakeTexture : public IBLTexture {
 public:
  FakeTexture() = default;
  explicit FakeTexture(const Bitmap& picture) : picture(picture) {}
  void LoadFromFile(const char* fileName, const std::shared_ptr<IZelvoMaterialModel>&) override {
    ++loads;
    if (!fileName || !*fileName) return;
    if (const auto file = NativePath(fileName)) picture.loadFromFile(*file);
  }
  int32_t GetWidth() override { return picture.width(); }
  int32_t GetHeight() override { return picture.height(); }
  void SetColorKey(bool value) override {
    ++colorKeyCalls;
    if (!value) return;
    colorKey = true;
    for (int32_t y = 0; y < picture.height(); ++y)
      for (int32_t x = 0; x < picture.width(); ++x) {
        uint32_t p = picture.pixel(x, y) & 0xFFFFFF;
        picture.setPixel(x, y, p | (p ? 0xFF000000u : 0));
      }
  }
  bool GetColorKey() override { return colorKey; }
  void ReplaceColor(uint32_t, uint32_t) override {}
  void Reserved() override {}
  d3d9::IDirect3DTexture9* GetD3DTexture() override { return nullptr; }

  Bitmap picture;
  bool colorKey = false;
  int loads = 0, colorKeyCalls = 0;
};

struct DrawCall {
  ZelvoCommonTypes::TRect dest;
  IBLTexture* texture;
  ZelvoCommonTypes::TRect source;
  uint32_t color;
};

class FakeGraphics : public IBLGraphicsInterface {
 public:
  FakeGraphics() : screen(640, 480) { screen.fill(0xFF000000); }

  void Present() override { ++presents; }
  void Clear(uint8_t a, uint8_t r, uint8_t g, uint8_t b) override {
    screen.fill(uint32_t(a) << 24 | uint32_t(r) << 16 | uint32_t(g) << 8 | b);
  }
  void DrawTexture(const TRect& dest, IBLTexture* texture, const TRect& source) override {
    DrawTextureColored(dest, texture, source, 0xFFFFFFFF);
  }
  void DrawTextureColored(const TRect& dest, IBLTexture* texture, const TRect& source, uint32_t color) override {
    draws.push_back({dest, texture, source, color});
    blend(dest, dynamic_cast<FakeTexture*>(texture), source, color);
  }
  void FillRect(int32_t left, int32_t top, int32_t right, int32_t bottom, uint32_t color) override {
    fills.push_back({{left, top, right, bottom}, nullptr, {}, color});
  }
  std::shared_ptr<IBLTexture> CreateTexture() override { return remember(std::make_shared<FakeTexture>()); }
  std::shared_ptr<IBLTexture> CreateTextureFromCanvas(IBLCanvas& canvas) override {
    return remember(std::make_shared<FakeTexture>(canvas.GetBitmap()));
  }
  std::shared_ptr<IBLCanvas> CreateCanvas(int32_t width, int32_t height) override {
    return std::make_shared<TBLCanvas>(width, height);
  }
  std::shared_ptr<IBLCanvas> CreateCanvasFromFile(const char* fileName) override {
    return std::make_shared<TBLCanvas>(fileName);
  }
  d3d9::IDirect3D9* GetDirect3D() override { return nullptr; }
  d3d9::IDirect3DDevice9* GetDevice() override { return nullptr; }
  void SetFullScreen(bool value) override { fullScreen = value; }
  bool IsFullScreen() override { return fullScreen; }

  // The first screen pixel, row by row, that is not the colour given; (-1, -1) when none.
  ZelvoCommonTypes::TPoint firstPixelNot(uint32_t background) const {
    for (int32_t y = 0; y < screen.height(); ++y)
      for (int32_t x = 0; x < screen.width(); ++x)
        if (screen.pixel(x, y) != background) return {x, y};
    return {-1, -1};
  }
  // The leftmost column holding a pixel not of the colour given; -1 when none.
  int32_t firstColumnNot(uint32_t background) const {
    for (int32_t x = 0; x < screen.width(); ++x)
      for (int32_t y = 0; y < screen.height(); ++y)
        if (screen.pixel(x, y) != background) return x;
    return -1;
  }

  std::vector<DrawCall> draws, fills;
  std::vector<std::shared_ptr<FakeTexture>> textures;
  Bitmap screen;
  int presents = 0;
  bool fullScreen = false;

 private:
  std::shared_ptr<IBLTexture> remember(std::shared_ptr<FakeTexture> t) {
    textures.push_back(t);
    return t;
  }
  // Nearest texel, modulated by the colour, blended by source alpha.
  void blend(const TRect& d, FakeTexture* t, const TRect& s, uint32_t color) {
    const int32_t dw = d.Right - d.Left, dh = d.Bottom - d.Top;
    if (dw <= 0 || dh <= 0) return;
    for (int32_t y = std::max(d.Top, 0); y < std::min(d.Bottom, screen.height()); ++y)
      for (int32_t x = std::max(d.Left, 0); x < std::min(d.Right, screen.width()); ++x) {
        uint32_t texel = 0xFFFFFFFF;
        if (t) {
          int32_t u = s.Left + (x - d.Left) * (s.Right - s.Left) / dw;
          int32_t v = s.Top + (y - d.Top) * (s.Bottom - s.Top) / dh;
          texel = t->picture.pixel(u, v);
        }
        uint32_t out = 0;
        for (int shift = 0; shift < 32; shift += 8)
          out |= (((texel >> shift) & 0xFF) * ((color >> shift) & 0xFF) / 255) << shift;
        const uint32_t a = out >> 24, under = screen.pixel(x, y);
        uint32_t mixed = 0xFF000000;
        for (int shift = 0; shift < 24; shift += 8)
          mixed |= ((((out >> shift) & 0xFF) * a + ((under >> shift) & 0xFF) * (255 - a)) / 255) << shift;
        screen.setPixel(x, y, mixed);
      }
  }
};

}  // namespace zelvo::test
