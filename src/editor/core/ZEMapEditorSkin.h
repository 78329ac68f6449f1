#pragma once
// The skin pictures the map canvas is drawn from: the cell background, the start and event
// markers, the passability and move-graph glyphs, the ground-type glyphs and the digit sheet,
// each with the colour keys it needs applied once at load.

#include <string>
#include <vector>

#include "editor/core/Bitmap32.h"

namespace zelvo {

class TZEMapEditorSkin {
 public:
  static constexpr uint32_t kMagenta = 0xFF00FF;
  static constexpr uint32_t kRed = 0xFF0000;

  TBitmap32 Empty;       // "empty.bmp": every cell's background
  TBitmap32 Start;       // "start.bmp": the start-position marker
  TBitmap32 Event;       // "event.bmp": 16 x 16 direction markers of event positions
  TBitmap32 Traffic;     // "traffic.bmp": passability and move-graph glyphs
  TBitmap32 GroundType;  // "GroundType.bmp": 16 x 16 ground-type glyphs in one row
  TBitmap32 Digits;      // "number.bmp": 8 x 12 digits in rows 16 pixels apart

  // Loads every picture from a folder given as a program path ending in "\" (the skin folder
  // under GameBaseDir by default). A picture that is missing or unreadable becomes a blank one
  // of the size the painters read (a white background, unmarked glyph sheets), so the rest of
  // the skin still draws; their file names are returned.
  std::vector<std::string> Load(const std::string& folder);
  std::vector<std::string> Load();

  // The keys of each picture, applied after it was read: magenta becomes transparent, and on
  // the marker and glyph sheets red becomes half-transparent black.
  static void KeyMarkers(TBitmap32& picture);
  static void KeyTransparent(TBitmap32& picture);
};

}  // namespace zelvo
