// The map canvas cell by cell: layers, the overlay of each mode, the event mode's markers, the
// zoomed canvas and the palette, and what it does with data that does not fit.
#include <array>
#include <vector>

#include "ZEMapEditorPainterFixture.h"

namespace zelvo::test {
namespace {

constexpr TRect kWhole{0, 0, 32, 32};

// The cell background before anything is drawn on it.
uint32_t Background(int32_t x, int32_t y) { return x == 1 && y == 1 ? kCleared : kEmptyColor; }

class PainterTest : public PainterFixture, public ::testing::Test {
 protected:
  // A chip of a set without picture darkens the background; the overlays lie on that.
  const uint32_t dark = Fill(kEmptyColor, 0xFF000000u);
  const uint32_t darkVeiled = Fill(dark, TZEMapEditorPainter::kVeil);
};

// ---- layers ----

TEST_F(PainterTest, ChipsOfTheLayersAreBlendedFromTheChipSetPictures) {
  GivePicture(kPlainSet);
  LoadChipSets();
  Set(2, 3, Chip(kPlainSet, 5, 6));
  const TBitmap32& cell = Cell(2, 3);
  for (auto [x, y] : {std::pair{0, 0}, {1, 1}, {31, 31}, {7, 20}})
    EXPECT_EQ(cell.GetPixel(x, y), Over(ChipAt(5 * 32 + x, 6 * 32 + y), Background(x, y))) << x << "," << y;
  // A cell without a chip of the map's sets shows the background alone.
  EXPECT_EQ(Cell(0, 0).GetPixel(5, 5), kEmptyColor);
  EXPECT_EQ(Cell(0, 0).GetPixel(1, 1), kCleared);
}

TEST_F(PainterTest, LayersStackUpwardsEachWithItsEditorOpacity) {
  GivePicture(kPlainSet);
  GivePicture(kCoastSet);
  LoadChipSets();
  auto upper = AddLayer(1);
  upper->SetEditorOpacity(100);
  Set(0, 0, Chip(kPlainSet, 1, 0));
  Set(0, 0, Chip(kCoastSet, 2, 3), 1);
  const uint32_t lower = Over(ChipAt(32 + 9, 9), kEmptyColor);
  const uint32_t top = ChipAt(2 * 32 + 9, 3 * 32 + 9);
  EXPECT_EQ(Cell(0, 0).GetPixel(9, 9), Blend(top, lower, 255 * 100 >> 8));
}

TEST_F(PainterTest, OpacitiesOutsideAByteAreHeldToIt) {
  GivePicture(kPlainSet);
  LoadChipSets();
  Set(0, 0, Chip(kPlainSet, 0, 0));
  Layer()->SetEditorOpacity(300);
  EXPECT_EQ(Cell(0, 0).GetPixel(4, 4), Over(ChipAt(4, 4), kEmptyColor));
  Layer()->SetEditorOpacity(-20);
  EXPECT_EQ(Cell(0, 0).GetPixel(4, 4), Blend(ChipAt(4, 4), kEmptyColor, 0));
}

TEST_F(PainterTest, AChipSetWithoutPictureDarkensByTheLayerOpacity) {
  LoadChipSets();  // no chip set has a picture
  Set(0, 0, Chip(kPlainSet, 1, 1));
  Layer()->SetEditorOpacity(0x90);
  EXPECT_EQ(Cell(0, 0).GetPixel(3, 3), Fill(kEmptyColor, 0x90000000));
}

TEST_F(PainterTest, CellsOfUnusedSetsOrChipsOutsideTheSetDrawNothing) {
  GivePicture(kPlainSet);
  LoadChipSets();
  Set(0, 0, Chip(kMissingSet, 0, 0));
  Set(1, 0, Chip(kPlainSet, 8, 0));  // the set is 8 columns wide
  Set(2, 0, Chip(kPlainSet, 0, 8));
  auto unused = AddChipSet(30, 8, 8, false);  // in the game, not on this map
  Set(3, 0, Chip(30, 0, 0));
  for (int32_t x = 0; x < 4; ++x) EXPECT_EQ(Cell(x, 0).GetPixel(8, 8), kEmptyColor) << x;
}

TEST_F(PainterTest, AChipInsideTheSetButPastItsPictureDrawsNothing) {
  GivePicture(kPlainSet);
  LoadChipSets();
  ChipSet(kPlainSet)->SetSize(12, 8);  // the picture still holds 8 columns
  Set(0, 0, Chip(kPlainSet, 10, 0));
  EXPECT_EQ(Cell(0, 0).GetPixel(8, 8), kEmptyColor);
}

TEST_F(PainterTest, APictureLayerShowsItsPieceOfThePictureInsteadOfCells) {
  Bitmap b(64, 32);
  for (int32_t y = 0; y < 32; ++y)
    for (int32_t x = 0; x < 64; ++x) b.setPixel(x, y, ChipAt(x, y));
  ASSERT_TRUE(b.saveToFile(dir / "wall.bmp", 32));
  auto picture = Layer()->GetPicture();
  ASSERT_NE(picture, nullptr);
  picture->SetImage(Material("wall.bmp"));
  picture->SetWidth(2);
  picture->SetHeight(1);
  picture->SetEnabled(1);
  GivePicture(kPlainSet);
  LoadChipSets();
  Set(1, 0, Chip(kPlainSet, 3, 3));
  Set(2, 0, Chip(kPlainSet, 3, 3));
  pictures.LoadLayerPictures(*map);
  EXPECT_EQ(Cell(1, 0).GetPixel(5, 6), Over(ChipAt(32 + 5, 6), kEmptyColor));
  // Past the picture the layer draws nothing, not its cells.
  EXPECT_EQ(Cell(2, 0).GetPixel(5, 6), kEmptyColor);
  EXPECT_EQ(Cell(1, 1).GetPixel(5, 6), kEmptyColor);
}

// ---- overlays ----

TEST_F(PainterTest, ASkinWithoutPicturesDrawsBlankCellsNotBlackOnes) {
  TempDir none;
  EXPECT_EQ(skin.Load(Cp932::fromUtf8(none.path().string()) + "/").size(), 6u);
  for (int32_t mode : {0, 3, 4, 5}) {
    engine.SetMode(mode);
    painter.GridVisible = false;
    const uint32_t expected = mode == 0 ? 0xFFFFFFFFu : Fill(0xFFFFFFFFu, TZEMapEditorPainter::kVeil);
    EXPECT_EQ(Cell(3, 3).GetPixel(5, 5), expected) << "mode " << mode;
  }
}

TEST_F(PainterTest, TheVeilCoversEveryModeButTheChipMode) {
  for (int32_t mode : {0, 1, 2, 3, 4, 5, 6}) {
    engine.SetMode(mode);
    painter.GridVisible = false;
    const uint32_t expected = mode == 0 ? kEmptyColor : Fill(kEmptyColor, TZEMapEditorPainter::kVeil);
    EXPECT_EQ(Cell(3, 3).GetPixel(5, 5), expected) << "mode " << mode;
  }
}

TEST_F(PainterTest, HeightShowsTheChipsOrTheCellsOwnValueWithItsColour) {
  SetChip(kPlainSet, 0, 0, {.Height = 4});
  auto chip = Chip(kPlainSet, 0, 0);
  Set(0, 0, chip);
  chip.Height = -3;
  Set(1, 0, chip);
  engine.SetMode(TZEMapEditor::ModeHeight);
  const uint32_t veiled = darkVeiled;

  const TBitmap32& fromChip = Cell(0, 0);
  EXPECT_EQ(fromChip.GetPixel(2, 2), Fill(veiled, TZEMapEditorPainter::HeightColor(4)));
  EXPECT_EQ(fromChip.GetPixel(24 + 3, 20 + 5), Over(DigitAt(4 * 8 + 3, 5), 0)) << "digit 4 from row 0";
  EXPECT_EQ(fromChip.GetPixel(16 + 3, 20 + 5), Fill(veiled, TZEMapEditorPainter::HeightColor(4))) << "one digit only";

  const TBitmap32& own = Cell(1, 0);
  EXPECT_EQ(own.GetPixel(24 + 3, 20 + 5), Over(DigitAt(3 * 8 + 3, 16 + 5), 0)) << "digit 3 from row 1";
  EXPECT_EQ(own.GetPixel(16 + 3, 20 + 5), Over(DigitAt(88 + 3, 16 + 5), 0)) << "minus sign";
}

TEST_F(PainterTest, EncounterRateIsANumberWithoutColour) {
  SetChip(kPlainSet, 1, 0, {.EncounterRate = 57});
  auto chip = Chip(kPlainSet, 1, 0);
  Set(0, 0, chip);
  chip.Encounter = 9;
  Set(1, 0, chip);
  engine.SetMode(TZEMapEditor::ModeEncounter);
  const uint32_t veiled = darkVeiled;
  EXPECT_EQ(Cell(0, 0).GetPixel(2, 2), veiled);
  EXPECT_EQ(Cell(0, 0).GetPixel(24, 20), Over(DigitAt(7 * 8, 0), 0));
  EXPECT_EQ(Cell(0, 0).GetPixel(16, 20), Over(DigitAt(5 * 8, 0), 0));
  EXPECT_EQ(Cell(1, 0).GetPixel(24, 20), Over(DigitAt(9 * 8, 16), 0));
  EXPECT_EQ(Cell(1, 0).GetPixel(16, 20), veiled);
}

struct GlyphCase {
  int16_t chipBits;
  int16_t cellBits;  // -1: the chip's
  // Cell pixels and the traffic pixels they must show; -1 as x: the veil only.
  std::vector<std::array<int32_t, 4>> pixels;
};

class PassabilityTest : public PainterFixture, public ::testing::TestWithParam<GlyphCase> {};

TEST_P(PassabilityTest, GlyphsFollowTheDirectionBits) {
  const GlyphCase& c = GetParam();
  SetChip(kPlainSet, 0, 0, {.Passability = c.chipBits});
  auto chip = Chip(kPlainSet, 0, 0);
  chip.Passability = c.cellBits;
  Set(4, 4, chip);
  engine.SetMode(TZEMapEditor::ModePassability);
  const TBitmap32& cell = Cell(4, 4);
  const uint32_t veiled = Fill(Fill(kEmptyColor, 0xFF000000u), TZEMapEditorPainter::kVeil);
  for (const auto& [x, y, sx, sy] : c.pixels) {
    if (sx < 0) EXPECT_EQ(cell.GetPixel(x, y), veiled) << x << "," << y;
    else EXPECT_EQ(cell.GetPixel(x, y), Over(TrafficAt(sx, sy), 0)) << x << "," << y;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Bits, PassabilityTest,
    ::testing::Values(
        // No direction, all four, from the chip.
        GlyphCase{0, -1, {{5, 5, 96 + 5, 5}, {30, 30, 96 + 30, 30}}},
        GlyphCase{15, -1, {{5, 5, 5, 5}, {30, 30, 30, 30}}},
        // Up and left: the upper half and the left half, left drawn last.
        GlyphCase{5, -1, {{20, 4, 32 + 20, 4}, {4, 20, 64 + 4, 20}, {4, 4, 64 + 4, 4}, {20, 20, -1, 0}}},
        // Down and right.
        GlyphCase{10, -1, {{4, 20, 32 + 4, 16 + 4}, {20, 4, 80 + 4, 4}, {20, 20, 80 + 4, 20}, {4, 4, -1, 0}}},
        // The cell's own value uses the glyphs 128 to the right.
        GlyphCase{15, 0, {{5, 5, 128 + 96 + 5, 5}}}, GlyphCase{0, 15, {{5, 5, 128 + 5, 5}}},
        GlyphCase{0, 2, {{4, 20, 128 + 32 + 4, 16 + 4}, {4, 4, -1, 0}}},
        // Bits above the four directions are not shown: 16 means no direction.
        GlyphCase{16, -1, {{5, 5, 96 + 5, 5}}}, GlyphCase{31, -1, {{5, 5, 5, 5}}}));

TEST_F(PainterTest, TheMoveGraphTellsSameHigherAndLowerLayers) {
  SetChip(kPlainSet, 0, 0, {.Passability = 15});
  SetChip(kPlainSet, 1, 0, {.Passability = 0});
  auto upper = AddLayer(1);
  // Layer 0: (0, 0) and (0, 1) open, (1, 0) closed; layer 1: (1, 0) open, (0, 0) empty.
  Set(0, 0, Chip(kPlainSet, 0, 0));
  Set(0, 1, Chip(kPlainSet, 0, 0));
  Set(1, 0, Chip(kPlainSet, 1, 0));
  Set(1, 0, Chip(kPlainSet, 0, 0), 1);
  Set(0, 0, Chip(0, 0, 0), 1);
  EXPECT_EQ(painter.MoveGraphFlags(0, 0), 0x80 | 2);
  engine.SetLayerIndex(1);
  EXPECT_EQ(painter.MoveGraphFlags(1, 0), 0x400);

  engine.SetMode(TZEMapEditor::ModeMoveGraph);
  engine.SetLayerIndex(0);
  const TBitmap32& cell = Cell(0, 0);
  EXPECT_EQ(cell.GetPixel(4, 20), Over(TrafficAt(32 + 4, 16 + 4), 0)) << "down on the same layer";
  EXPECT_EQ(cell.GetPixel(20, 4), Over(TrafficAt(368 + 4, 4), 0)) << "right to a higher layer";
  EXPECT_EQ(cell.GetPixel(4, 4), darkVeiled);
  engine.SetLayerIndex(1);
  EXPECT_EQ(Cell(1, 0).GetPixel(4, 4), Over(TrafficAt(288 + 4, 4), 0)) << "left to a lower layer";
  // No step at all: the no-direction glyph; a cell whose chip cannot be drawn: no overlay.
  Set(5, 5, Chip(kPlainSet, 1, 0), 1);
  EXPECT_EQ(Cell(5, 5).GetPixel(4, 4), Over(TrafficAt(96 + 4, 4), 0));
  EXPECT_EQ(Cell(6, 6).GetPixel(4, 4), Fill(kEmptyColor, TZEMapEditorPainter::kVeil));
}

TEST_F(PainterTest, GroundTypeShadesAndKeysItsGlyph) {
  SetChip(kPlainSet, 0, 0, {.GroundKind = 2});
  auto chip = Chip(kPlainSet, 0, 0);
  Set(0, 0, chip);
  chip.GroundKind = 5;
  Set(1, 0, chip);
  engine.SetMode(TZEMapEditor::ModeGroundType);
  const uint32_t veiled = darkVeiled;
  const uint32_t chipShade = Fill(veiled, TZEMapEditorPainter::kChipGroundShade);
  const uint32_t ownShade = Fill(veiled, TZEMapEditorPainter::kOwnGroundShade);
  EXPECT_EQ(Cell(0, 0).GetPixel(3, 3), chipShade);
  EXPECT_EQ(Cell(0, 0).GetPixel(14 + 4, 14 + 5), GroundAt(2 * 16 + 4, 5));
  EXPECT_EQ(Cell(0, 0).GetPixel(14, 14), chipShade) << "the glyph's magenta is left out";
  EXPECT_EQ(Cell(0, 0).GetPixel(30, 30), chipShade);
  EXPECT_EQ(Cell(1, 0).GetPixel(3, 3), ownShade);
  EXPECT_EQ(Cell(1, 0).GetPixel(14 + 4, 14 + 5), GroundAt(5 * 16 + 4, 5));
}

TEST_F(PainterTest, OverlaysAreOfTheCurrentLayerOnly) {
  SetChip(kPlainSet, 0, 0, {.Passability = 15});
  AddLayer(1);
  Set(0, 0, Chip(kPlainSet, 0, 0));
  engine.SetMode(TZEMapEditor::ModePassability);
  engine.SetLayerIndex(1);
  EXPECT_EQ(Cell(0, 0).GetPixel(5, 5), darkVeiled);
  engine.SetLayerIndex(7);  // no such layer
  EXPECT_EQ(Cell(0, 0).GetPixel(5, 5), darkVeiled);
}

struct HeightColorCase {
  int32_t height;
  uint32_t color;
};

class HeightColorTest : public ::testing::TestWithParam<HeightColorCase> {};

TEST_P(HeightColorTest, RunsFromBlueThroughGreenToRed) {
  EXPECT_EQ(TZEMapEditorPainter::HeightColor(GetParam().height), GetParam().color);
  EXPECT_EQ(TZEMapEditorPainter::HeightBoxColor(GetParam().height), GetParam().color & 0xFFFFFF);
}

INSTANTIATE_TEST_SUITE_P(Heights, HeightColorTest,
                         ::testing::Values(HeightColorCase{-16, 0}, HeightColorCase{-15, 0xAA0000FF},
                                           HeightColorCase{-8, 0xAA00E0FF}, HeightColorCase{-7, 0xAA00FFE0},
                                           HeightColorCase{-1, 0xAA00FF20}, HeightColorCase{0, 0xAA00FF00},
                                           HeightColorCase{7, 0xAAE0FF00}, HeightColorCase{8, 0xAAFFE000},
                                           HeightColorCase{15, 0xAAFF0000}, HeightColorCase{16, 0},
                                           HeightColorCase{32767, 0}));

// ---- the event mode ----

class EventModeTest : public PainterTest {
 protected:
  EventModeTest() { engine.SetMode(TZEMapEditor::ModeEvent); }
  const uint32_t veiled = Fill(kEmptyColor, TZEMapEditorPainter::kVeil);
};

TEST_F(EventModeTest, GridLinesAtEveryEventGridStep) {
  const TBitmap32& cell = Cell(2, 2);
  for (int32_t at : {0, 16}) {
    EXPECT_EQ(cell.GetPixel(at, 7), 0xFF000000u);
    EXPECT_EQ(cell.GetPixel(7, at), 0xFF000000u);
  }
  EXPECT_EQ(cell.GetPixel(8, 7), veiled);
  painter.EventGrid = 8;
  EXPECT_EQ(Cell(2, 2).GetPixel(24, 7), 0xFF000000u);
  painter.GridVisible = false;
  EXPECT_EQ(Cell(2, 2).GetPixel(0, 7), veiled);
  EXPECT_EQ(Cell(2, 2).GetPixel(16, 7), veiled);
}

TEST_F(EventModeTest, TheStartMarkerIsHalfSeenFromAnotherLayer) {
  painter.GridVisible = false;
  tree->SetStartMapID(kMapID);
  tree->SetStartPosition(48, 8);  // straddles cells (1, 0), (2, 0), (1, 1) and (2, 1)
  tree->SetStartFloorID(0);
  EXPECT_EQ(Cell(1, 0).GetPixel(20, 10), Over(StartAt(4, 2), veiled));
  EXPECT_EQ(Cell(2, 1).GetPixel(3, 2), Over(StartAt(19, 26), veiled));
  EXPECT_EQ(Cell(1, 0).GetPixel(10, 10), veiled);
  tree->SetStartFloorID(42);
  EXPECT_EQ(Cell(1, 0).GetPixel(20, 10), Blend(StartAt(4, 2), veiled, 255 * 128 >> 8));
  tree->SetStartMapID(kMapID + 1);  // another map's start
  EXPECT_EQ(Cell(1, 0).GetPixel(20, 10), veiled);
}

TEST_F(EventModeTest, AnEventMarkerStraddlingFourCellsIsDrawnInFourPieces) {
  painter.GridVisible = false;
  PlaceEvent(24, 24, 0, 10);  // no event: a 32 x 32 shade and the marker of direction 10
  const int32_t gx = 16 * (10 % 8), gy = 48 + 16 * (10 / 8);
  const uint32_t shaded = Fill(veiled, TZEMapEditorPainter::kEventShade);
  EXPECT_EQ(Cell(0, 0).GetPixel(26, 27), Over(EventAt(gx + 2, gy + 3), shaded));
  EXPECT_EQ(Cell(1, 0).GetPixel(5, 27), Over(EventAt(gx + 13, gy + 3), shaded));
  EXPECT_EQ(Cell(0, 1).GetPixel(26, 6), Over(EventAt(gx + 2, gy + 14), shaded));
  EXPECT_EQ(Cell(1, 1).GetPixel(7, 7), Over(EventAt(gx + 15, gy + 15), shaded));
  EXPECT_EQ(Cell(1, 1).GetPixel(12, 12), shaded) << "shade past the marker";
  EXPECT_EQ(Cell(1, 1).GetPixel(28, 28), veiled) << "past the 32 x 32 shade";
  EXPECT_EQ(Cell(0, 0).GetPixel(20, 20), veiled);
}

TEST_F(EventModeTest, EventsOnOtherLayersAreFaint) {
  painter.GridVisible = false;
  PlaceEvent(0, 0, 5, 1);
  const uint32_t shaded = Fill(veiled, TZEMapEditorPainter::kEventShade);
  EXPECT_EQ(Cell(0, 0).GetPixel(3, 3), Blend(EventAt(16 + 3, 48 + 3), shaded, 255 * 80 >> 8));
}

TEST_F(EventModeTest, TheEventPictureIsTheRowOfItsDirection) {
  painter.GridVisible = false;
  Bitmap sheet(48, 96);
  for (int32_t y = 0; y < 96; ++y)
    for (int32_t x = 0; x < 48; ++x) sheet.setPixel(x, y, ChipAt(x, y) | 0x00000F0Fu);
  ASSERT_TRUE(sheet.saveToFile(dir / "hero.bmp", 32));
  auto animation = std::make_shared<TZelvoDAnimationModel>(60);
  animation->SetFourDirections();  // rows: direction 0, 2, 4, 6
  animation->SetWidth(48);
  animation->SetHeight(24);
  PlaceEvent(8, 0, 0, 4, animation, Material("hero.bmp"));
  const int32_t row = animation->GetDirectionIndex(4);
  ASSERT_EQ(row, 2);
  const uint32_t shaded = Fill(veiled, TZEMapEditorPainter::kEventShade);
  // Picture pixel (px, py) of the row lies at map pixel (8 + px, py).
  EXPECT_EQ(Cell(0, 0).GetPixel(30, 20), Over(ChipAt(22, row * 24 + 20) | 0x0F0F, shaded));
  EXPECT_EQ(Cell(1, 0).GetPixel(20, 10), Over(ChipAt(44, row * 24 + 10) | 0x0F0F, shaded));
  EXPECT_EQ(Cell(1, 0).GetPixel(28, 10), veiled) << "past the 48-pixel picture";
  EXPECT_EQ(Cell(0, 0).GetPixel(30, 26), veiled) << "below the 24-pixel picture";
  // The direction marker on top, at the position.
  EXPECT_EQ(Cell(0, 0).GetPixel(10, 2), Over(EventAt(64 + 2, 48 + 2), Over(ChipAt(2, row * 24 + 2) | 0x0F0F, shaded)));
}

TEST_F(EventModeTest, EventsThatCannotShowAPictureDrawShadeAndMarkerOnly) {
  painter.GridVisible = false;
  auto animation = std::make_shared<TZelvoDAnimationModel>(61);
  animation->SetFourDirections();
  animation->SetWidth(32);
  animation->SetHeight(32);
  PlaceEvent(0, 0, 0, 1, animation, Material("hero.bmp"));  // direction 1 has no row
  PlaceEvent(32, 0, 0, 0, animation, Material("missing.bmp"));
  PlaceEvent(64, 0, 0, 0, animation);  // no material
  const uint32_t shaded = Fill(veiled, TZEMapEditorPainter::kEventShade);
  for (int32_t x = 0; x < 3; ++x) EXPECT_EQ(Cell(x, 0).GetPixel(20, 20), shaded) << x;
  EXPECT_EQ(Cell(1, 0).GetPixel(2, 2), Over(EventAt(2, 48 + 2), shaded));
}

TEST_F(EventModeTest, DirectionsWithoutAMarkerDrawNone) {
  painter.GridVisible = false;
  PlaceEvent(0, 0, 0, -3);
  PlaceEvent(32, 0, 0, 1'000'000);
  const uint32_t shaded = Fill(veiled, TZEMapEditorPainter::kEventShade);
  EXPECT_EQ(Cell(0, 0).GetPixel(2, 2), shaded);
  EXPECT_EQ(Cell(1, 0).GetPixel(2, 2), shaded);
}

// ---- the canvas ----

class CanvasTest : public PainterTest {
 protected:
  CanvasTest() {
    GivePicture(kPlainSet);
    LoadChipSets();
    Set(0, 0, Chip(kPlainSet, 1, 2));
    Set(1, 0, Chip(kPlainSet, 3, 4));
  }
  static Bitmap Target(int32_t w, int32_t h) {
    Bitmap b(w, h);
    b.fill(0xFF123456u);
    return b;
  }
  uint32_t Work(int32_t cx, int32_t cy, int32_t x, int32_t y) { return 0xFF000000u | Cell(cx, cy).GetPixel(x, y); }
};

struct ZoomCase {
  int32_t power;
  int32_t step;
};

class CanvasZoomTest : public CanvasTest, public ::testing::WithParamInterface<ZoomCase> {};

TEST_P(CanvasZoomTest, EachCellIsStretchedToItsZoomedPlace) {
  const auto [power, step] = GetParam();
  Bitmap target = Target(3 * step, step);
  painter.PaintCanvas(target, {0, 0}, {0, 0, 3 * step, step}, power);
  for (int32_t cx = 0; cx < 3; ++cx)
    for (int32_t i : {0, 1, step / 2, step - 1}) {
      const int32_t sx = i * 32 / step;
      EXPECT_EQ(target.pixel(cx * step + i, i), Work(cx, 0, sx, sx)) << "cell " << cx << " pixel " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Powers, CanvasZoomTest,
                         ::testing::Values(ZoomCase{16, 32}, ZoomCase{8, 16}, ZoomCase{24, 48}, ZoomCase{32, 64},
                                           ZoomCase{48, 96}));

TEST_F(CanvasTest, OnlyTheClipInsideTheMapIsPainted) {
  // The map is 8 x 8 cells: 256 x 256 pixels. The target covers paint-box pixels 200..328.
  Bitmap target = Target(128, 64);
  painter.PaintCanvas(target, {200, 0}, {210, 10, 300, 40}, 16);
  EXPECT_EQ(target.pixel(5, 20), 0xFF123456u) << "left of the clip";
  EXPECT_EQ(target.pixel(20, 5), 0xFF123456u) << "above the clip";
  EXPECT_EQ(target.pixel(20, 20), Work(6, 0, 220 - 192, 20));
  EXPECT_EQ(target.pixel(55, 39), Work(7, 1, 255 - 224, 7));
  EXPECT_EQ(target.pixel(56, 20), 0xFF123456u) << "right of the map";
  EXPECT_EQ(target.pixel(20, 40), 0xFF123456u) << "below the clip";
}

TEST_F(CanvasTest, PaintsOpaquePixels) {
  engine.SetMode(TZEMapEditor::ModeEvent);
  Bitmap target = Target(32, 32);
  painter.PaintCanvas(target, {0, 0}, {0, 0, 32, 32}, 16);
  EXPECT_EQ(target.pixel(5, 5) >> 24, 0xFFu);
  EXPECT_EQ(target.pixel(5, 5), Work(0, 0, 5, 5));
}

TEST_F(CanvasTest, CellsUnderAClip) {
  EXPECT_EQ(TZEMapEditorPainter::CellsUnder({0, 0, 64, 64}, 16, 8, 8), (TRect{0, 0, 1, 1}));
  EXPECT_EQ(TZEMapEditorPainter::CellsUnder({31, 33, 65, 64}, 16, 8, 8), (TRect{0, 1, 2, 1}));
  EXPECT_EQ(TZEMapEditorPainter::CellsUnder({0, 0, 1000, 1000}, 8, 8, 8), (TRect{0, 0, 7, 7}));
  EXPECT_EQ(TZEMapEditorPainter::CellsUnder({-50, -50, 20, 20}, 16, 8, 8), (TRect{0, 0, 0, 0}));
  for (const TRect& none : {TZEMapEditorPainter::CellsUnder({300, 0, 400, 10}, 16, 8, 8),
                            TZEMapEditorPainter::CellsUnder({0, 0, 10, 10}, 16, 0, 8),
                            TZEMapEditorPainter::CellsUnder({0, 0, 10, 10}, 0, 8, 8),
                            TZEMapEditorPainter::CellsUnder({10, 10, 10, 20}, 16, 8, 8)})
    EXPECT_LT(none.Right, none.Left);
}

TEST_F(CanvasTest, NoMapOrAnEmptyMapPaintsNothing) {
  Bitmap target = Target(64, 64);
  map->SetSize(0, 0);
  painter.PaintCanvas(target, {0, 0}, {0, 0, 64, 64}, 16);
  engine.SetMap(nullptr);
  painter.PaintCanvas(target, {0, 0}, {0, 0, 64, 64}, 16);
  for (int32_t y = 0; y < 64; y += 7)
    for (int32_t x = 0; x < 64; x += 7) EXPECT_EQ(target.pixel(x, y), 0xFF123456u);
}

TEST_F(CanvasTest, AHugeMapPaintsItsVisiblePart) {
  map->SetSize(4096, 4096);
  Set(4000, 4000, Chip(kPlainSet, 5, 5));
  Bitmap target = Target(64, 64);
  painter.PaintCanvas(target, {4000 * 32, 4000 * 32}, {4000 * 32, 4000 * 32, 4000 * 32 + 64, 4000 * 32 + 64}, 16);
  EXPECT_EQ(target.pixel(9, 9), Work(4000, 4000, 9, 9));
  EXPECT_EQ(target.pixel(40, 9), Work(4001, 4000, 8, 9));
}

// ---- the palette ----

TEST_F(CanvasTest, ThePaletteShowsTheChipSetAndFramesThePensChip) {
  engine.SetChipSet(tree->GetChipSetList()->FindByID(kPlainSet));
  engine.PickChip(2, 1);
  Bitmap target = Target(128, 128);
  painter.PaintPalette(target, {0, 0}, {0, 0, 128, 128}, 8);  // half size: 16 pixels a chip
  EXPECT_EQ(target.pixel(5, 5), 0xFF000000u | ChipAt(10, 10));
  EXPECT_EQ(target.pixel(100, 70), 0xFF000000u | ChipAt(200, 140));
  // The frame: one pixel, round chip (2, 1) at half size: x 32..47, y 16..31.
  EXPECT_EQ(target.pixel(32, 20), 0xFF000000u);
  EXPECT_EQ(target.pixel(47, 20), 0xFF000000u);
  EXPECT_EQ(target.pixel(40, 16), 0xFF000000u);
  EXPECT_EQ(target.pixel(40, 31), 0xFF000000u);
  EXPECT_EQ(target.pixel(40, 20), 0xFF000000u | ChipAt(80, 40));
  // A pen of another chip set is not framed.
  engine.SetChipSet(tree->GetChipSetList()->FindByID(kCoastSet));
  GivePicture(kCoastSet);
  LoadChipSets();
  engine.SetChipSet(tree->GetChipSetList()->FindByID(kPlainSet));
  engine.SetPenOn(0);
  painter.PaintPalette(target, {0, 0}, {0, 0, 128, 128}, 8);
  EXPECT_EQ(target.pixel(32, 20), 0xFF000000u | ChipAt(64, 40));
}

TEST_F(CanvasTest, APaletteWithoutPictureIsBlackInTheClip) {
  engine.SetChipSet(tree->GetChipSetList()->FindByID(kOtherCoastSet));
  Bitmap target = Target(64, 64);
  painter.PaintPalette(target, {0, 0}, {10, 10, 30, 30}, 16);
  EXPECT_EQ(target.pixel(15, 15), 0xFF000000u);
  EXPECT_EQ(target.pixel(5, 5), 0xFF123456u);
  engine.SetChipSet(nullptr);
  Bitmap untouched = Target(8, 8);
  painter.PaintPalette(untouched, {0, 0}, {0, 0, 8, 8}, 16);
  EXPECT_EQ(untouched.pixel(3, 3), 0xFF123456u);
}

// ---- what does not fit ----

TEST_F(PainterTest, WithoutAnySkinPictureEveryModeStillPaints) {
  skin = TZEMapEditorSkin();
  GivePicture(kPlainSet);
  LoadChipSets();
  SetChip(kPlainSet, 0, 0, {.Height = 3, .Passability = 5, .EncounterRate = 12});
  Set(0, 0, Chip(kPlainSet, 0, 0));
  PlaceEvent(4, 4, 0, 3);
  tree->SetStartMapID(kMapID);
  const uint32_t base = Over(ChipAt(30, 5), kCleared);
  const uint32_t veiled = Fill(base, TZEMapEditorPainter::kVeil);
  const uint32_t expected[] = {base,
                               Fill(veiled, TZEMapEditorPainter::HeightColor(3)),
                               veiled,
                               veiled,
                               veiled,
                               Fill(veiled, TZEMapEditorPainter::kChipGroundShade),
                               Fill(veiled, TZEMapEditorPainter::kEventShade),
                               veiled};
  for (int32_t mode = 0; mode <= 7; ++mode) {
    engine.SetMode(mode);
    EXPECT_EQ(Cell(0, 0).GetPixel(30, 5), expected[mode]) << "mode " << mode;
  }
}

}  // namespace
}  // namespace zelvo::test
