#pragma once
// The pictures of the bundled "Default" game, drawn by code.

#include <QImage>

namespace zelvo::tools {

// Chip positions (column, row) in the 8 x 8 chip set. Rows 0-5 are the coast block: water
// piece n at (n mod 8, n div 8), piece 0 being open water.
struct ChipPos {
  int col;
  int row;
};
namespace Chip {
inline constexpr ChipPos Water{0, 0};
inline constexpr ChipPos Grass{0, 6};
inline constexpr ChipPos Flowers{1, 6};
inline constexpr ChipPos Path{2, 6};
inline constexpr ChipPos Paving{3, 6};
inline constexpr ChipPos Tree{4, 6};
inline constexpr ChipPos Rock{5, 6};
inline constexpr ChipPos StoneWall{6, 6};
inline constexpr ChipPos WoodFloor{7, 6};
inline constexpr ChipPos RoofLeft{0, 7};
inline constexpr ChipPos RoofMiddle{1, 7};
inline constexpr ChipPos RoofRight{2, 7};
inline constexpr ChipPos HouseWall{3, 7};
inline constexpr ChipPos Door{4, 7};
inline constexpr ChipPos HouseWindow{5, 7};
inline constexpr ChipPos RoomWall{6, 7};
inline constexpr ChipPos Rug{7, 7};
}  // namespace Chip

// Whether a chip of the set can be walked on (passability 15) or blocks (0).
bool chipWalkable(ChipPos chip);

// The 8-bit neighbour mask a coast piece stands for (bit set = that neighbour is land), in
// the order up-left 128, up 64, up-right 32, left 16, right 8, down-left 4, down 2, down-right 1;
// -1 for the unused place 12.
int coastPieceMask(int piece);

QImage drawChipSet();          // 256 x 256
QImage drawHeroSheet();        // 64 x 128: 2 patterns, rows up, right, down, left
QImage drawVillagerSheet();    // the same layout
QImage drawInnkeeperSheet();   // the same layout
QImage drawMatSheet();         // a doormat in every cell: marks a way in or out
QImage drawSplash();           // 640 x 480
QImage drawTextWindowFrames(); // 384 x 512: four 384 x 128 frame styles

}  // namespace zelvo::tools
