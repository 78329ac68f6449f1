#pragma once
// Stateless pixel routines on 32-bit ARGB pictures (alpha in bits 24-31, blue in 0-7).
//
// Copying routines work on min(width of dest, width of source) by min(height of dest, height of
// source) pixels from the two rectangles' top-left corners, clipped to both pictures. Blends
// divide by 256 (a shift), so opaque white over anything arrives as 254 in every channel.

#include <cstdint>

#include "editor/core/RectHelpers.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Canvas.h"

namespace zelvo {

class TEtcBitmap {
 public:
  // Each channel (alpha included) = (source x a + dest x (255 - a)) shr 8, a = the source alpha.
  static void BlendDraw(Bitmap& dest, const TRect& destRect, const Bitmap& source, const TRect& sourceRect);
  // As BlendDraw with a = (source alpha x alpha) shr 8.
  static void AlphaDraw(Bitmap& dest, const TRect& destRect, const Bitmap& source, const TRect& sourceRect,
                        uint8_t alpha);
  // Copies every source pixel that is not exactly key.
  static void CopyDraw(Bitmap& dest, const TRect& destRect, const Bitmap& source, const TRect& sourceRect,
                       uint32_t key);

  // Blends color (its own alpha a) over the rectangle: dest = (dest x (255 - a)) shr 8 + (color x a) shr 8.
  static void FillRect(Bitmap& picture, const TRect& rect, uint32_t color);
  // Keeps every pixel's low 24 bits.
  static void SetAlpha(Bitmap& picture, uint8_t alpha);
  // Pixels whose low 24 bits equal rgb become (alpha shl 24) or (newRgb and 0xFFFFFF).
  static void ReplaceColor(Bitmap& picture, uint32_t rgb, uint32_t newRgb, uint8_t alpha);
  // Pixels whose low 24 bits equal those of key become value.
  static void ReplaceRGB(Bitmap& picture, uint32_t key, uint32_t value);
  // Pixels equal to key become value.
  static void ReplaceExact(Bitmap& picture, uint32_t key, uint32_t value);

  // The rectangle inset by 1 outlined in brushColor (0x00BBGGRR), with 2 x 2 squares filled in the
  // four corners of the full rectangle. The canvas keeps its own brush colour.
  static void DrawSelectionFrame(Canvas& canvas, const TRect& rect, uint32_t brushColor);
};

}  // namespace zelvo
