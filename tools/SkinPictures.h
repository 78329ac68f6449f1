#pragma once
// The pictures of the bundled skin "Skin\Default\", drawn by code. Pure magenta (FF00FF) is
// what the editor makes transparent; pure red (FF0000) in the marker pictures becomes a half-
// transparent black shadow, and in "Empty.bmp" it is left out of the copy.

#include <QImage>
#include <filesystem>
#include <string>
#include <vector>

namespace zelvo::tools {

QImage drawSkinIcon(int side);   // the skin's icon, transparent around it
QImage drawTreeIcons();          // 96 x 16: chip set or map, selected, event, folder, open folder, deleted
QImage drawLayerIcons();         // 96 x 16: layer types 0, 1, 2, then the same selected
QImage drawMapchipButtons();     // 256 x 16: the seven modes, six tools, eraser, undo, redo
QImage drawGroundTypes();        // 144 x 16: ground types 0..8
QImage drawScrollButtons();      // 64 x 16: up, down, left, right
QImage drawEventMarkers();       // 128 x 80: direction d at (16 (d mod 8), 48 + 16 (d div 8)), d 0..10
QImage drawStartMarker();        // 32 x 32
QImage drawNumbers();            // 96 x 32: 8 x 12 digits at x 8d, rows at y 0 and 16, minus at x 88
QImage drawTraffic();            // 384 x 32: the passability glyphs at the places the editor cuts
QImage drawEmptyCell();          // 32 x 32

struct SkinFile {
  std::string name;
  std::vector<uint8_t> bytes;
};
// Every file of the skin, icons as ICO and pictures as 24-bit BMP.
std::vector<SkinFile> defaultSkinFiles();
// Writes them into folder, made when missing.
void writeDefaultSkin(const std::filesystem::path& folder);

}  // namespace zelvo::tools
