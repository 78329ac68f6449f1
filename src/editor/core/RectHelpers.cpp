#include "editor/core/RectHelpers.h"

#include <algorithm>

namespace zelvo {

namespace {

bool overlaps(const TRect& a, const TRect& b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

TRect overlap(const TRect& a, const TRect& b) {
  return {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
}

// 64-bit products, so large coordinates times a zoom factor do not overflow before the division.
int32_t scaled(int32_t v, int32_t a, int32_t b) { return static_cast<int32_t>(int64_t(v) * a / b); }

}  // namespace

TRect TRectIntersect(const TRect& a, const TRect& b) { return overlaps(a, b) ? overlap(a, b) : TRect{-1, -1, -1, -1}; }

TRect TRectClip(const TRect& a, const TRect& b) { return overlaps(a, b) ? overlap(a, b) : TRect{}; }

TRect TRectOffset(const TRect& r, int32_t dx, int32_t dy) {
  return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

TRect TRectNormalize(const TRect& r) {
  return {std::min(r.Left, r.Right), std::min(r.Top, r.Bottom), std::max(r.Left, r.Right), std::max(r.Top, r.Bottom)};
}

void TRectNormalize(const TRect& r, TRect& out) { out = TRectNormalize(r); }

TRect TRectScale16(const TRect& r, int32_t n) {
  return {scaled(r.Left, n, 16), scaled(r.Top, n, 16), scaled(r.Right, n, 16), scaled(r.Bottom, n, 16)};
}

TRect TRectScale(const TRect& r, int32_t a, int32_t b) {
  if (b == 0) return {};
  return {scaled(r.Left, a, b), scaled(r.Top, a, b), scaled(r.Right + 1, a, b), scaled(r.Bottom + 1, a, b)};
}

TRect TRectPlaceAt(const TPoint& p, const TRect& r) {
  return {p.X, p.Y, p.X + TRectWidth(r), p.Y + TRectHeight(r)};
}

TRect TRectCopy(const TRect& r) { return r; }

}  // namespace zelvo
