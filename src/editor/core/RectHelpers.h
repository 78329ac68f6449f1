#pragma once
// Rectangle arithmetic the picture routines and the scroll box share. Right and Bottom are
// exclusive; every helper returns a new rectangle.

#include <cstdint>

#include "model/ZelvoCommonTypes.h"

namespace zelvo {

using ZelvoCommonTypes::TPoint;
using ZelvoCommonTypes::TRect;

// The overlap, or (-1, -1, -1, -1) when the rectangles do not overlap (touching is not overlap).
TRect TRectIntersect(const TRect& a, const TRect& b);
// The overlap, or (0, 0, 0, 0) when the rectangles do not overlap.
TRect TRectClip(const TRect& a, const TRect& b);
TRect TRectOffset(const TRect& r, int32_t dx, int32_t dy);
// Corners sorted so that Left <= Right and Top <= Bottom.
TRect TRectNormalize(const TRect& r);
void TRectNormalize(const TRect& r, TRect& out);
// Each coordinate times n / 16, rounded toward zero.
TRect TRectScale16(const TRect& r, int32_t n);
// Left and Top times a / b; Right and Bottom taken as inclusive (+ 1) before scaling. b = 0 gives
// an empty rectangle rather than a division fault.
TRect TRectScale(const TRect& r, int32_t a, int32_t b);
// R's size with its top-left corner at p.
TRect TRectPlaceAt(const TPoint& p, const TRect& r);
TRect TRectCopy(const TRect& r);

inline int32_t TRectWidth(const TRect& r) { return r.Right - r.Left; }
inline int32_t TRectHeight(const TRect& r) { return r.Bottom - r.Top; }

}  // namespace zelvo
