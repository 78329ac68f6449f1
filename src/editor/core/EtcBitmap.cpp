#include "editor/core/EtcBitmap.h"

#include <algorithm>
#include <optional>

#include "editor/core/PixelLanes.h"

namespace zelvo {

namespace {

using lanes::blend;
using lanes::kLanes;
using lanes::narrow;
using lanes::widen;

uint32_t* row(Bitmap& b, int32_t y) { return reinterpret_cast<uint32_t*>(b.image().scanLine(y)); }
const uint32_t* row(const Bitmap& b, int32_t y) { return reinterpret_cast<const uint32_t*>(b.image().constScanLine(y)); }

// The pixels a copying routine touches, clipped to both pictures.
struct Span {
  int32_t dx, dy, sx, sy, w, h;
  bool empty() const { return w <= 0 || h <= 0; }
};

Span span(const Bitmap& dest, const TRect& destRect, const Bitmap& source, const TRect& sourceRect) {
  Span s{destRect.Left, destRect.Top, sourceRect.Left, sourceRect.Top,
         std::min(TRectWidth(destRect), TRectWidth(sourceRect)), std::min(TRectHeight(destRect), TRectHeight(sourceRect))};
  const int32_t cutX = std::max({0, -s.dx, -s.sx}), cutY = std::max({0, -s.dy, -s.sy});
  s.dx += cutX, s.sx += cutX, s.w -= cutX;
  s.dy += cutY, s.sy += cutY, s.h -= cutY;
  s.w = std::min({s.w, dest.width() - s.dx, source.width() - s.sx});
  s.h = std::min({s.h, dest.height() - s.dy, source.height() - s.sy});
  return s;
}

// Runs f(destRow, sourceRow, width) over every row of the span; a source that is the destination
// itself is read from a copy, so overlapping areas read the old pixels.
template <typename F>
void eachRow(Bitmap& dest, const TRect& destRect, const Bitmap& source, const TRect& sourceRect, F f) {
  const Span s = span(dest, destRect, source, sourceRect);
  if (s.empty()) return;
  std::optional<Bitmap> copy;
  if (&source == &dest) copy.emplace(source);
  const Bitmap& from = copy ? *copy : source;
  for (int32_t y = 0; y < s.h; ++y) f(row(dest, s.dy + y) + s.dx, row(from, s.sy + y) + s.sx, s.w);
}

template <typename F>
void eachPixel(Bitmap& picture, F f) {
  for (int32_t y = 0; y < picture.height(); ++y) {
    uint32_t* p = row(picture, y);
    for (int32_t x = 0; x < picture.width(); ++x) p[x] = f(p[x]);
  }
}

// Two pixels per step; an odd last column is done on its own with the same arithmetic.
template <typename A>
void blendRow(uint32_t* d, const uint32_t* s, int32_t w, A alphaOf) {
  int32_t x = 0;
  for (; x + 1 < w; x += 2) {
    d[x] = blend(s[x], d[x], alphaOf(s[x]));
    d[x + 1] = blend(s[x + 1], d[x + 1], alphaOf(s[x + 1]));
  }
  if (x < w) d[x] = blend(s[x], d[x], alphaOf(s[x]));
}

}  // namespace

void TEtcBitmap::BlendDraw(Bitmap& dest, const TRect& destRect, const Bitmap& source, const TRect& sourceRect) {
  eachRow(dest, destRect, source, sourceRect, [](uint32_t* d, const uint32_t* s, int32_t w) {
    blendRow(d, s, w, [](uint32_t p) { return p >> 24; });
  });
}

void TEtcBitmap::AlphaDraw(Bitmap& dest, const TRect& destRect, const Bitmap& source, const TRect& sourceRect,
                           uint8_t alpha) {
  eachRow(dest, destRect, source, sourceRect, [alpha](uint32_t* d, const uint32_t* s, int32_t w) {
    blendRow(d, s, w, [alpha](uint32_t p) { return (p >> 24) * alpha >> 8; });
  });
}

void TEtcBitmap::CopyDraw(Bitmap& dest, const TRect& destRect, const Bitmap& source, const TRect& sourceRect,
                          uint32_t key) {
  eachRow(dest, destRect, source, sourceRect, [key](uint32_t* d, const uint32_t* s, int32_t w) {
    for (int32_t x = 0; x < w; ++x)
      if (s[x] != key) d[x] = s[x];
  });
}

void TEtcBitmap::FillRect(Bitmap& picture, const TRect& rect, uint32_t color) {
  const int32_t left = std::max(rect.Left, 0), top = std::max(rect.Top, 0);
  const int32_t right = std::min(rect.Right, picture.width()), bottom = std::min(rect.Bottom, picture.height());
  const uint32_t a = color >> 24;
  const uint64_t premultiplied = (widen(color) * a >> 8) & kLanes;
  for (int32_t y = top; y < bottom; ++y) {
    uint32_t* p = row(picture, y);
    for (int32_t x = left; x < right; ++x) p[x] = narrow(((widen(p[x]) * (255 - a) >> 8) & kLanes) + premultiplied);
  }
}

void TEtcBitmap::SetAlpha(Bitmap& picture, uint8_t alpha) {
  const uint32_t top = uint32_t(alpha) << 24;
  eachPixel(picture, [top](uint32_t p) { return (p & 0xFFFFFF) | top; });
}

void TEtcBitmap::ReplaceColor(Bitmap& picture, uint32_t rgb, uint32_t newRgb, uint8_t alpha) {
  ReplaceRGB(picture, rgb, uint32_t(alpha) << 24 | (newRgb & 0xFFFFFF));
}

void TEtcBitmap::ReplaceRGB(Bitmap& picture, uint32_t key, uint32_t value) {
  const uint32_t rgb = key & 0xFFFFFF;
  eachPixel(picture, [rgb, value](uint32_t p) { return (p & 0xFFFFFF) == rgb ? value : p; });
}

void TEtcBitmap::ReplaceExact(Bitmap& picture, uint32_t key, uint32_t value) {
  eachPixel(picture, [key, value](uint32_t p) { return p == key ? value : p; });
}

void TEtcBitmap::DrawSelectionFrame(Canvas& canvas, const TRect& rect, uint32_t brushColor) {
  const uint32_t kept = canvas.brushColor;
  canvas.brushColor = brushColor;
  canvas.frameRect(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1);
  canvas.fillRect(rect.Left, rect.Top, rect.Left + 2, rect.Top + 2);
  canvas.fillRect(rect.Right - 2, rect.Top, rect.Right, rect.Top + 2);
  canvas.fillRect(rect.Left, rect.Bottom - 2, rect.Left + 2, rect.Bottom);
  canvas.fillRect(rect.Right - 2, rect.Bottom - 2, rect.Right, rect.Bottom);
  canvas.brushColor = kept;
}

}  // namespace zelvo
