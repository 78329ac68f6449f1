#pragma once
// What the map editor draws: each visible cell of the current map composed from its layers into
// one 32 x 32 work picture, with the overlay of the edit mode (height, encounter rate,
// passability, move graph, ground type) or, in the event mode, the grid, the start marker and
// the event positions; then stretched onto the canvas at the scroll box's zoom. Also the chip
// palette. Only the cells under the clip rectangle are composed, so a large map costs what its
// visible part costs. Composed cells are kept at the zoom as tiles and reused for every cell with
// the same chips and the same overlay value, the event pieces drawn over them at the zoom.

#include <cstdint>
#include <memory>
#include <vector>

#include "editor/core/Bitmap32.h"
#include "editor/core/RectHelpers.h"
#include "editor/core/ZEMapEditorTiles.h"
#include "platform/core/GameGeometry.h"

namespace zelvo {

class IZelvoMapChipSetModel;
class IZelvoMapFloorModel;
class IZelvoMapModel;
class TZEMapEditor;
class TZEMapEditorPictures;
class TZEMapEditorSkin;
struct TZelvoMapCell;

class TZEMapEditorPainter {
 public:
  static constexpr uint32_t kEmptyKey = 0xFFFF0000;      // red in "empty.bmp" is not copied
  static constexpr uint32_t kVeil = 0x33000000;          // over every cell outside the chip mode
  static constexpr uint32_t kChipGroundShade = 0x40000000;
  static constexpr uint32_t kOwnGroundShade = 0x80FFFF00;
  static constexpr uint32_t kGlyphKey = 0xFFFF00FF;      // magenta in "GroundType.bmp" is not copied
  static constexpr uint32_t kEventShade = 0x40000000;
  static constexpr uint32_t kGridColor = 0xFF000000;
  static constexpr int32_t kOtherLayerEventAlpha = 80;
  static constexpr int32_t kOtherLayerStartAlpha = 128;
  // Where a number's units digit goes in a cell.
  static constexpr int32_t kNumberX = 24, kNumberY = 20;
  // Where a ground-type glyph goes in a cell.
  static constexpr int32_t kGlyphAt = 14;
  // Glyph columns of "traffic.bmp": the six passability glyphs (values set in the editor 128 to
  // the right), then the halves towards a lower and a higher layer.
  static constexpr int32_t kEditorGlyphs = 128, kLowerGlyphs = 256, kHigherGlyphs = 320;

  // The painter reads the engine's state and pictures at every paint; none of them is owned.
  TZEMapEditorPainter(const TZEMapEditor& engine, const TZEMapEditorSkin& skin, TZEMapEditorPictures& pictures);
  ~TZEMapEditorPainter();
  TZEMapEditorPainter(const TZEMapEditorPainter&) = delete;
  TZEMapEditorPainter& operator=(const TZEMapEditorPainter&) = delete;

  // The window's event-mode settings: grid lines, and the pixel step they are drawn at.
  bool GridVisible = true;
  int32_t EventGrid = 16;

  // Cell (x, y) of the current map as it goes to the canvas, before zooming. The picture is the
  // painter's work picture, valid until the next call.
  const TBitmap32& ComposeCell(int32_t x, int32_t y);

  // Paints the map cells that meet clip (paint-box pixels at the zoom power, 16 = 100 %) into
  // target, whose pixel (0, 0) is paint-box pixel origin. Pixels outside the map, the clip or
  // the target are left alone.
  void PaintCanvas(Bitmap& target, const TPoint& origin, const TRect& clip, int32_t power);
  // Pictures the painter reads (chip sets, skin, layer pictures) were loaded again: no tile made
  // from the old ones is used any more.
  void InvalidateTiles();
  const TZEMapEditorTiles& Tiles() const { return tiles_; }

  // The palette of the engine's chip set: its picture stretched over the palette (black with no
  // picture), and a black frame round the pen's chip when the pen holds one of this set.
  void PaintPalette(Bitmap& target, const TPoint& origin, const TRect& clip, int32_t power) const;

  // The inclusive cell range of the map under a paint-box clip rectangle; Right < Left when none.
  static TRect CellsUnder(const TRect& clip, int32_t power, int32_t mapWidth, int32_t mapHeight);

  // Where the steps from a cell of the current layer lead: per direction (up 1, down 2, left 4,
  // right 8) that bit for the same layer, the bit x 16 for a higher and x 256 for a lower one.
  int32_t MoveGraphFlags(int32_t x, int32_t y) const;

  // The overlay colour of a height from -15 to 15 (alpha 0xAA); 0 for any other height.
  static uint32_t HeightColor(int32_t height);
  // The height box's colour: the same without its alpha.
  static uint32_t HeightBoxColor(int32_t height) { return HeightColor(height) & 0xFFFFFF; }

 private:
  struct Scene;
  struct Piece;
  // The value the mode's overlay shows in a cell, and whether it is the cell's own or the chip's.
  struct Overlay {
    bool shown = false;
    bool own = false;
    int32_t value = 0;
  };

  std::unique_ptr<Scene> MakeScene();
  void AddStartMarker(Scene& scene) const;
  void AddEventPieces(Scene& scene);
  void Compose(const Scene& scene, const std::vector<const Piece*>& pieces, int32_t x, int32_t y);
  void ComposeBase(const Scene& scene, int32_t x, int32_t y);
  void ComposeTop(const Scene& scene, const Overlay& overlay, const std::vector<const Piece*>& pieces, int32_t x,
                  int32_t y);
  void DrawLayers(const Scene& scene, int32_t x, int32_t y);
  Overlay CurrentOverlay(const Scene& scene, int32_t x, int32_t y) const;
  // cell is the current layer's cell (x, y).
  Overlay OverlayOf(const Scene& scene, const TZelvoMapCell& cell, int32_t x, int32_t y) const;
  void DrawOverlay(const Scene& scene, const Overlay& overlay);
  void DrawPassability(int32_t bits, int32_t offset);
  void DrawMoveGraph(int32_t flags);
  void DrawHalves(int32_t bits, int32_t glyphs);
  void DrawGroundType(int32_t kind, uint32_t shade);
  void DrawEventMode(const std::vector<const Piece*>& pieces, int32_t x, int32_t y);
  void DrawPiece(const Piece& piece, const TRect& cell);
  void DrawGlyph(const TRect& source, int32_t atX, int32_t atY);
  bool TilesFit(const Scene& scene, int64_t step) const;
  // mode -1 stands for the scene's own.
  std::vector<uint64_t> SceneKey(const Scene& scene, int32_t power, int32_t mode = -1) const;
  // Also gives the overlay the key was made from.
  TZEMapEditorTiles::Key CellKey(const Scene& scene, int32_t x, int32_t y, Overlay& overlay) const;
  const uint32_t* TileOf(const Scene& scene, int32_t x, int32_t y, int32_t step);
  void DrawZoomedPiece(const void* zoomed, const Piece& piece, const TRect& cellArea);

  const TZEMapEditor& engine_;
  const TZEMapEditorSkin& skin_;
  TZEMapEditorPictures& pictures_;
  TBitmap32 work_;
  TZEMapEditorTiles tiles_;
  // The layers of a cell composed and veiled, unzoomed, for the overlay modes' tiles.
  TZEMapEditorTiles bases_;
  // For each pixel of a tile's side, the work pixel it samples at the tiles' step.
  std::vector<int32_t> sampled_;
  uint64_t generation_ = 0;
};

}  // namespace zelvo
