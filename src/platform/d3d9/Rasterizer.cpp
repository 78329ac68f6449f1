#include "platform/d3d9/Rasterizer.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace zelvo::d3d9 {

namespace {

inline uint32_t channel(uint32_t c, int shift) { return (c >> shift) & 0xFF; }

// Stored coordinates are floats such as 3/10; the tiny bias keeps floor(u * size) on the texel a
// 1:1 draw names instead of the one before it.
constexpr double kTexelBias = 1.0 / 4096.0;

bool finite(const QuadCorner& c) { return std::isfinite(c.x) && std::isfinite(c.y); }

// First pixel whose centre lies at or right of edge; pixel centres sit on integers.
int firstCovered(double edge, int limit) {
  double c = std::ceil(edge);
  if (c < 0) return 0;
  if (c > limit) return limit;
  return static_cast<int>(c);
}

}  // namespace

uint32_t modulate(uint32_t texel, uint32_t diffuse) {
  uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8)
    out |= ((channel(texel, shift) * channel(diffuse, shift) + 127) / 255) << shift;
  return out;
}

uint32_t blendSourceAlpha(uint32_t src, uint32_t dst) {
  uint32_t a = src >> 24;
  if (a == 255) return src;
  if (a == 0) return dst;
  // Two channels at a time; each 16-bit lane holds at most 255 * 255 + 127, and
  // (x + 1 + ((x + 1) >> 8)) >> 8 equals x / 255 for every such x.
  const uint32_t b = 255 - a;
  uint32_t rb = (src & 0x00FF00FF) * a + (dst & 0x00FF00FF) * b + 0x007F007F;
  uint32_t ag = ((src >> 8) & 0x00FF00FF) * a + ((dst >> 8) & 0x00FF00FF) * b + 0x007F007F;
  rb = ((rb + 0x00010001 + (((rb + 0x00010001) >> 8) & 0x00FF00FF)) >> 8) & 0x00FF00FF;
  ag = ((ag + 0x00010001 + (((ag + 0x00010001) >> 8) & 0x00FF00FF)) >> 8) & 0x00FF00FF;
  return rb | ag << 8;
}

int wrapTexel(double u, int size) {
  if (size <= 0) return 0;
  double t = u * size + kTexelBias;
  if (!std::isfinite(t)) return 0;
  // Nearly every coordinate lies inside the texture; only the rest pays for the wrap.
  if (t >= 0 && t < size) return static_cast<int>(t);
  t = std::fmod(std::floor(t), static_cast<double>(size));
  if (t < 0) t += size;
  int i = static_cast<int>(t);
  return std::clamp(i, 0, size - 1);
}

namespace {

template <bool Blend>
void fillSpan(uint32_t* row, const uint32_t*, const int*, int n, uint32_t diffuse) {
  for (int i = 0; i < n; ++i) row[i] = Blend ? blendSourceAlpha(diffuse, row[i]) : diffuse;
}

template <bool White, bool Blend>
void copySpan(uint32_t* row, const uint32_t* texels, const int*, int n, uint32_t diffuse) {
  for (int i = 0; i < n; ++i) {
    uint32_t src = White ? texels[i] : modulate(texels[i], diffuse);
    row[i] = Blend ? blendSourceAlpha(src, row[i]) : src;
  }
}

template <bool White, bool Blend>
void sampleSpan(uint32_t* row, const uint32_t* texRow, const int* columns, int n, uint32_t diffuse) {
  for (int i = 0; i < n; ++i) {
    uint32_t src = White ? texRow[columns[i]] : modulate(texRow[columns[i]], diffuse);
    row[i] = Blend ? blendSourceAlpha(src, row[i]) : src;
  }
}

}  // namespace

void drawQuad(const PixelView& target, const Quad& q, const PixelView* texture, bool blend) {
  if (!finite(q.topLeft) || !finite(q.bottomRight)) return;
  double left = q.topLeft.x, top = q.topLeft.y, right = q.bottomRight.x, bottom = q.bottomRight.y;
  if (!(right > left) || !(bottom > top)) return;
  // Clip before the loops, so no coordinate outside the target is ever formed.
  int x0 = firstCovered(left, target.width), x1 = firstCovered(right, target.width);
  int y0 = firstCovered(top, target.height), y1 = firstCovered(bottom, target.height);
  if (x0 >= x1 || y0 >= y1) return;

  const uint32_t diffuse = q.topLeft.diffuse;
  const bool sample = q.textured && texture != nullptr && texture->pixels != nullptr && texture->width > 0 &&
                      texture->height > 0;
  const double du = (double(q.bottomRight.u) - double(q.topLeft.u)) / (right - left);
  const double dv = (double(q.bottomRight.v) - double(q.topLeft.v)) / (bottom - top);

  // The texel column of each pixel column is the same on every row; a 1:1 draw that does not
  // wrap reads consecutive texels.
  const int n = x1 - x0;
  thread_local std::vector<int> columns;
  bool consecutive = false;
  if (sample) {
    columns.resize(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) columns[i] = wrapTexel(double(q.topLeft.u) + (x0 + i - left) * du, texture->width);
    consecutive = columns[n - 1] - columns[0] == n - 1;
    for (int i = 1; consecutive && i < n; ++i) consecutive = columns[i] == columns[i - 1] + 1;
  }
  const bool white = diffuse == 0xFFFFFFFF;
  using Span = void (*)(uint32_t*, const uint32_t*, const int*, int, uint32_t);
  const Span span = !sample ? (blend ? fillSpan<true> : fillSpan<false>)
                    : consecutive ? (white ? (blend ? copySpan<true, true> : copySpan<true, false>)
                                           : (blend ? copySpan<false, true> : copySpan<false, false>))
                                  : (white ? (blend ? sampleSpan<true, true> : sampleSpan<true, false>)
                                           : (blend ? sampleSpan<false, true> : sampleSpan<false, false>));

  for (int y = y0; y < y1; ++y) {
    uint32_t* row = target.pixels + static_cast<ptrdiff_t>(y) * target.pitch + x0;
    const uint32_t* texRow = nullptr;
    if (sample) {
      double v = double(q.topLeft.v) + (y - top) * dv;
      texRow = texture->pixels + static_cast<ptrdiff_t>(wrapTexel(v, texture->height)) * texture->pitch;
      if (consecutive) texRow += columns[0];
    }
    span(row, texRow, columns.data(), n, diffuse);
  }
}

}  // namespace zelvo::d3d9
