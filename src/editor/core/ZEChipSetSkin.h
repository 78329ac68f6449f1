#pragma once
// The skin pictures the chip-set editor draws its overlays with: the digit sheet, the
// passability glyphs and the ground-type glyphs.

#include <string>

#include "editor/core/Bitmap32.h"

namespace zelvo {

class TZEChipSetSkin {
 public:
  // "number.bmp": digits of 8 x 12 in rows 16 apart, magenta transparent, red as half-transparent
  // black.
  TBitmap32 Numbers;
  // "traffic.bmp": the passability glyphs, keyed as the digits.
  TBitmap32 Traffic;
  // "GroundType.bmp": 16 x 16 glyphs, kind n at x = 16 n, drawn with opaque magenta left out.
  TBitmap32 GroundType;

  // From GameBaseDir + SkinFolder.
  void Load();
  // From a skin folder given as a program path (CP932, ending in "\"). A picture whose file is
  // missing or unreadable is left empty, so nothing of it is drawn.
  void Load(const std::string& folder);

  // The digit sheet last loaded by Load, which the map editor draws its numbers with too.
  static const TBitmap32& NumberSheet();

  // The digit sheet's and the glyphs' colour keys: RGB 0xFF00FF fully transparent, RGB 0xFF0000
  // black at alpha 128.
  static void ApplyGlyphKeys(TBitmap32& picture);
  // The picture in the file, or an empty one when it is missing or cannot be read.
  static TBitmap32 LoadPicture(const std::string& fileName);
};

}  // namespace zelvo
