// The canvas drawn from kept tiles is the canvas composed cell by cell: at every zoom, in every
// mode, with events over the cells, with cells whose own values differ from their chip's, on both
// layers, at the map's edges, and after cells, chips and settings change.

#include <functional>

#include "ZEMapEditorPainterFixture.h"
#include "editor/core/ZEMapEditorTiles.h"

namespace zelvo::test {
namespace {

class TilesTest : public PainterFixture, public ::testing::Test {
 protected:
  TilesTest() {
    GivePicture(kPlainSet);
    GivePicture(kCoastSet);
    LoadChipSets();
    AddLayer(61)->SetEditorOpacity(150);
    for (int32_t y = 0; y < 8; ++y)
      for (int32_t x = 0; x < 8; ++x) {
        Set(x, y, Chip(kPlainSet, (x + y) % 3, y % 2));
        if ((x * y) % 3 == 0) Set(x, y, Chip(kCoastSet, 9, x % 2), 1);
      }
    auto animation = std::make_shared<TZelvoDAnimationModel>(77);
    animation->SetWidth(40);
    animation->SetHeight(24);
    PlaceEvent(24, 40, 0, 2, animation);
    PlaceEvent(100, 8, 61, 5);
    PlaceEvent(200, 200, 0, 9);
    tree->SetStartMapID(kMapID);
    tree->SetStartPosition(120, 136);
    tree->SetStartFloorID(0);
  }

  // Each target pixel as the cell-by-cell rule gives it: the pixel of the composed cell that the
  // stretch samples.
  Bitmap Reference(const TPoint& origin, int32_t w, int32_t h, int32_t power) {
    Bitmap b(w, h);
    b.fill(0xFF123456u);
    const int32_t step = 32 * power / 16;
    for (int32_t cy = 0; cy < 8; ++cy)
      for (int32_t cx = 0; cx < 8; ++cx) {
        const TBitmap32& cell = Cell(cx, cy);
        for (int32_t j = 0; j < step; ++j)
          for (int32_t i = 0; i < step; ++i) {
            const int32_t x = cx * step + i - origin.X, y = cy * step + j - origin.Y;
            if (x >= 0 && y >= 0 && x < w && y < h) b.setPixel(x, y, 0xFF000000u | cell.GetPixel(i * 32 / step, j * 32 / step));
          }
      }
    return b;
  }
  Bitmap Painted(const TPoint& origin, int32_t w, int32_t h, int32_t power) {
    Bitmap b(w, h);
    b.fill(0xFF123456u);
    painter.PaintCanvas(b, origin, {origin.X, origin.Y, origin.X + w, origin.Y + h}, power);
    return b;
  }
  // Chips with overlay values of their own, and cells on both layers that override some of them,
  // among them heights outside the colour range and passability bits beyond the four directions.
  void GiveOverlayValues() {
    for (int16_t c = 0; c < 3; ++c)
      for (int16_t r = 0; r < 2; ++r)
        SetChip(kPlainSet, c, r,
                {.Height = int16_t(c * 5 - 3 + r), .GroundKind = int16_t((c + r) % 9),
                 .Passability = int16_t((c * 5 + r * 3) % 16), .EncounterRate = int16_t(10 * c + r)});
    for (int16_t r = 0; r < 2; ++r)
      SetChip(kCoastSet, 9, r, {.Height = int16_t(r * 2), .GroundKind = 7, .Passability = int16_t(15 - r), .EncounterRate = 55});
    const int16_t heights[] = {-3, 7, 100, -1000, 15, -15};
    for (int32_t layer = 0; layer < 2; ++layer)
      for (int32_t y = 0; y < 8; ++y)
        for (int32_t x = 0; x < 8; ++x) {
          TZelvoMapCell cell = Layer(layer)->GetCell(x, y);
          const int32_t n = x * 3 + y * 5 + layer;
          if (n % 4 == 0) cell.Height = heights[n % 6];
          if (n % 3 == 0) cell.Encounter = int16_t(n % 101);
          if (n % 5 == 1) cell.Passability = int16_t(n % 7 == 0 ? 0x30 | (n % 16) : n % 16);
          if (n % 4 == 2) cell.GroundKind = int16_t(n % 9);
          Layer(layer)->SetCell(x, y, cell);
        }
  }
  std::string Compared(const TPoint& origin, int32_t w, int32_t h, int32_t power) {
    return Difference(Painted(origin, w, h, power), Reference(origin, w, h, power));
  }

  // The first differing pixel, or an empty text.
  static std::string Difference(const Bitmap& a, const Bitmap& b) {
    for (int32_t y = 0; y < a.height(); ++y)
      for (int32_t x = 0; x < a.width(); ++x)
        if (a.pixel(x, y) != b.pixel(x, y)) return std::to_string(x) + "," + std::to_string(y);
    return {};
  }
};

TEST_F(TilesTest, TiledPaintsMatchTheCellByCellRuleAtEveryZoom) {
  for (int32_t mode : {TZEMapEditor::ModeChip, TZEMapEditor::ModeEvent})
    for (int32_t power : {8, 12, 16, 24, 32, 40, 48}) {
      engine.SetMode(mode);
      const TPoint origin{7 * power / 16, 3};
      const int32_t w = 6 * 32 * power / 16, h = 5 * 32 * power / 16 + 5;
      EXPECT_EQ(Difference(Painted(origin, w, h, power), Reference(origin, w, h, power)), "")
          << "mode " << mode << " power " << power;
    }
}

TEST_F(TilesTest, EveryModeMatchesTheCellByCellRuleWithOwnValuesOnBothLayersToTheEdges) {
  GiveOverlayValues();
  for (int32_t layer : {0, 1})
    for (int32_t mode = TZEMapEditor::ModeChip; mode <= TZEMapEditor::ModeEvent; ++mode)
      for (int32_t power : {8, 16, 24, 48}) {
        engine.SetLayerIndex(layer);
        engine.SetMode(mode);
        // From inside the first cell to past the right and bottom edges of the map.
        const int32_t step = 32 * power / 16;
        const TPoint origin{step / 3, 5};
        EXPECT_EQ(Compared(origin, 9 * step, 9 * step, power), "") << "layer " << layer << " mode " << mode << " power " << power;
      }
}

TEST_F(TilesTest, TheMoveGraphOfALoopedMapMatchesTheCellByCellRule) {
  GiveOverlayValues();
  map->SetLoopMode(3);
  engine.SetMode(TZEMapEditor::ModeMoveGraph);
  for (int32_t layer : {0, 1})
    for (int32_t power : {8, 40}) {
      engine.SetLayerIndex(layer);
      const int32_t step = 32 * power / 16;
      EXPECT_EQ(Compared({0, 0}, 8 * step, 8 * step, power), "") << "layer " << layer << " power " << power;
    }
}

// A tile is kept for the value its overlay shows, so a change of a cell's own value or of the
// chip's value is seen at the next paint, and cells showing the same share one tile.
TEST_F(TilesTest, OverlayTilesAreReusedAndFollowChangesOfCellAndChipValues) {
  GiveOverlayValues();
  struct Case {
    int32_t mode;
    std::function<void(TZelvoMapCell&)> own;
    std::function<void(TZelvoChipAttributes&)> chip;
  };
  const Case cases[] = {
      {TZEMapEditor::ModeHeight, [](TZelvoMapCell& c) { c.Height = 12; }, [](TZelvoChipAttributes& a) { a.Height = -9; }},
      {TZEMapEditor::ModeEncounter, [](TZelvoMapCell& c) { c.Encounter = 77; }, [](TZelvoChipAttributes& a) { a.EncounterRate = 3; }},
      {TZEMapEditor::ModePassability, [](TZelvoMapCell& c) { c.Passability = 6; }, [](TZelvoChipAttributes& a) { a.Passability = 9; }},
      {TZEMapEditor::ModeMoveGraph, [](TZelvoMapCell& c) { c.Passability = 0; }, [](TZelvoChipAttributes& a) { a.Passability = 15; }},
      {TZEMapEditor::ModeGroundType, [](TZelvoMapCell& c) { c.GroundKind = 4; }, [](TZelvoChipAttributes& a) { a.GroundKind = 8; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "mode " << c.mode);
    engine.SetMode(c.mode);
    Painted({0, 0}, 256, 256, 16);
    const size_t kept = painter.Tiles().Count();
    EXPECT_LT(kept, 64u) << "cells showing the same share a tile";
    Painted({0, 0}, 256, 256, 16);
    EXPECT_EQ(painter.Tiles().Count(), kept);
    TZelvoMapCell cell = Layer(0)->GetCell(2, 3);
    c.own(cell);
    Layer(0)->SetCell(2, 3, cell);
    EXPECT_EQ(Compared({0, 0}, 256, 256, 16), "") << "a cell's own value";
    // Chip (0, 0) of the plain set is under cells that show the chip's value.
    TZelvoChipAttributes chip = ChipSet(kPlainSet)->GetChip(0, 0);
    c.chip(chip);
    SetChip(kPlainSet, 0, 0, chip);
    EXPECT_EQ(Compared({0, 0}, 256, 256, 16), "") << "a chip's value";
  }
}

TEST_F(TilesTest, TilesAreReusedAndFollowChangesOfCellsAndSettings) {
  engine.SetMode(TZEMapEditor::ModeEvent);
  Painted({0, 0}, 256, 256, 16);
  const size_t kept = painter.Tiles().Count();
  EXPECT_GT(kept, 0u);
  EXPECT_LT(kept, 64u) << "cells with the same chips share a tile";
  Painted({0, 0}, 256, 256, 16);
  EXPECT_EQ(painter.Tiles().Count(), kept);

  Set(3, 3, Chip(kPlainSet, 7, 7));
  painter.GridVisible = false;
  Layer(1)->SetEditorOpacity(40);
  EXPECT_EQ(Difference(Painted({0, 0}, 256, 256, 16), Reference({0, 0}, 256, 256, 16)), "");

  // A picture loaded again under the same name and place is only seen after the painter is told.
  Paint(skin.Empty, 32, 32, [](int32_t, int32_t) { return 0xFF0000FFu; });
  painter.InvalidateTiles();
  EXPECT_EQ(Difference(Painted({0, 0}, 256, 256, 16), Reference({0, 0}, 256, 256, 16)), "");
}

TEST_F(TilesTest, AnEmptyMapOrAChipSetOfSizeZeroPaintsWithoutFault) {
  ChipSet(kPlainSet)->SetSize(0, 0);
  EXPECT_EQ(Difference(Painted({0, 0}, 64, 64, 16), Reference({0, 0}, 64, 64, 16)), "");
  map->SetSize(0, 0);
  const Bitmap empty = Painted({0, 0}, 64, 64, 16);
  EXPECT_EQ(empty.pixel(10, 10), 0xFF123456u);
}

TEST(TileStore, StartsOverUnderAnotherSceneOrPastItsBudget) {
  TZEMapEditorTiles tiles;
  tiles.Prepare({1, 2}, 4);
  TZEMapEditorTiles::Key key;
  key.count = 1;
  key.layers[0] = 42;
  tiles.Add(key)[0] = 7;
  ASSERT_NE(tiles.Find(key), nullptr);
  EXPECT_EQ(tiles.Find(key)[0], 7u);
  tiles.Prepare({1, 2}, 4);
  EXPECT_NE(tiles.Find(key), nullptr);
  tiles.Prepare({1, 3}, 4);
  EXPECT_EQ(tiles.Find(key), nullptr);
  tiles.Prepare({1, 3}, TZEMapEditorTiles::kMaxStep);
  const size_t perTile = size_t(TZEMapEditorTiles::kMaxStep) * TZEMapEditorTiles::kMaxStep;
  for (uint64_t i = 0; i <= TZEMapEditorTiles::kBudgetPixels / perTile; ++i) {
    key.layers[0] = i;
    tiles.Add(key);
  }
  EXPECT_LE(tiles.Count() * perTile, TZEMapEditorTiles::kBudgetPixels);
  EXPECT_NE(tiles.Find(key), nullptr) << "the newest tile is kept";
}

}  // namespace
}  // namespace zelvo::test
