// The canvas drawn from kept tiles is the canvas composed cell by cell: at every zoom, in the chip
// and the event mode, with events over the cells, and after cells and settings change.

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
